// swfkit: writes the movies that the recipes linked into this program describe.
//   swfkit <recipe> <out.swf>   writes one movie
//   swfkit --list               names the recipes
#include <exception>
#include <iostream>
#include <string_view>

#include "tools/swfkit/Recipe.h"

int main(int argc, char** argv) {
  const auto& recipes = zingbox::swf::RecipeBook::shared().recipes();
  if (argc == 2 && std::string_view(argv[1]) == "--list") {
    for (const auto& [name, recipe] : recipes) std::cout << name << '\n';
    return 0;
  }
  if (argc != 3) {
    std::cerr << "usage: " << argv[0] << " <recipe> <out.swf> | --list\n";
    return 2;
  }
  const auto recipe = recipes.find(argv[1]);
  if (recipe == recipes.end()) {
    std::cerr << argv[0] << ": no recipe named " << argv[1] << " (try --list)\n";
    return 2;
  }
  try {
    recipe->second().writeTo(argv[2]);
  } catch (const std::exception& error) {
    std::cerr << argv[0] << ": " << argv[1] << ": " << error.what() << '\n';
    return 1;
  }
  return 0;
}
