#include "platform/desktop/PathSearch.h"

#include <unistd.h>

namespace zingbox {

std::string FindOnPath(std::string_view program, std::string_view pathList) {
  while (!pathList.empty()) {
    const size_t colon = pathList.find(':');
    const std::string_view folder = pathList.substr(0, colon);
    pathList = colon == std::string_view::npos ? std::string_view{} : pathList.substr(colon + 1);
    if (!folder.starts_with('/')) continue;
    std::string candidate(folder);
    candidate += '/';
    candidate += program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

}  // namespace zingbox
