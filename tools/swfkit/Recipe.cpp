#include "tools/swfkit/Recipe.h"

#include <stdexcept>

namespace zingbox::swf {

RecipeBook& RecipeBook::shared() {
  static RecipeBook book;
  return book;
}

bool RecipeBook::add(const std::string& name, Recipe recipe) {
  if (!recipes_.emplace(name, std::move(recipe)).second) {
    throw std::logic_error("two recipes named " + name);
  }
  return true;
}

}  // namespace zingbox::swf
