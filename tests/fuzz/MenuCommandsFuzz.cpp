// libFuzzer target: any command and argument texts reach the FSCommand handler.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "shell/GameCatalogue.h"
#include "shell/MenuCommands.h"

namespace {

using namespace zingbox;

const std::u16string Folder = u"/fuzz folder";

std::set<std::u16string> CataloguePaths() {
  std::set<std::u16string> paths;
  for (const Game& game : GameCatalogue) paths.insert(Folder + std::u16string(game.movieFile));
  return paths;
}

struct CheckingPlayer : MoviePlayer {
  void SetMovie(const std::u16string& path) override {
    static const std::set<std::u16string> allowed = CataloguePaths();
    if (!allowed.count(path)) std::abort();
  }
  void SetBGColor(const std::u16string& colour) override {
    if (colour != u"99cc99" && colour != u"DDEEFF") std::abort();
  }
  void Play() override { std::abort(); }
  void StopPlay() override { std::abort(); }
  void SetLeft(float) override { std::abort(); }
  void SetTop(float) override { std::abort(); }
  void SetWidth(float) override { std::abort(); }
  void SetHeight(float) override { std::abort(); }
  void OnFSCommand(FSCommandHandler) override {}
};

struct FixedFolder : ProgramFolder {
  std::u16string MovieFolder() const override { return Folder; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // First byte splits the rest into command and argument, as UTF-16 code units.
  if (size < 1) return 0;
  const size_t units = (size - 1) / 2;
  std::u16string text(units, u'\0');
  std::memcpy(text.data(), data + 1, units * 2);
  const size_t split = units ? data[0] % (units + 1) : 0;

  CheckingPlayer flash;
  FixedFolder folder;
  ShellState state;
  state.CurrentGame = static_cast<int16_t>(data[0] % 7);
  flash_FSCommand(state, flash, folder, text.substr(0, split), text.substr(split));
  if (state.CurrentGame < 0 || state.CurrentGame > 6) std::abort();
  return 0;
}
