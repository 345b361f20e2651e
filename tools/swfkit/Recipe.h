#pragma once

#include <functional>
#include <map>
#include <string>

#include "tools/swfkit/Movie.h"

namespace zingbox::swf {

// Named movie builders that the swfkit front end can write by name. A recipe file
// registers each one with ZINGBOX_SWF_RECIPE; `swfkit <name> <out.swf>` writes it.
class RecipeBook {
 public:
  using Recipe = std::function<Movie()>;

  static RecipeBook& shared();

  bool add(const std::string& name, Recipe recipe);
  const std::map<std::string, Recipe>& recipes() const { return recipes_; }

 private:
  std::map<std::string, Recipe> recipes_;
};

}  // namespace zingbox::swf

// ZINGBOX_SWF_RECIPE(menu) { Movie movie({...}); ...; return movie; }
#define ZINGBOX_SWF_RECIPE(name)                                                          \
  static ::zingbox::swf::Movie zingbox_swf_recipe_##name();                               \
  [[maybe_unused]] static const bool zingbox_swf_recipe_added_##name =                    \
      ::zingbox::swf::RecipeBook::shared().add(#name, zingbox_swf_recipe_##name);         \
  static ::zingbox::swf::Movie zingbox_swf_recipe_##name()
