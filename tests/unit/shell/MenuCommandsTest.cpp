#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/RuntimeError.h"
#include "shell/MenuCommands.h"
#include "tests/support/FakeControls.h"
#include "tests/support/RecordingPlayer.h"

namespace zingbox {
namespace {

using test::FakeProgramFolder;
using test::OperationLog;
using test::RecordingPlayer;
using Ops = std::vector<std::string>;

struct MenuCommandsTest : ::testing::Test {
  OperationLog log;
  RecordingPlayer flash{log};
  FakeProgramFolder folder{log, u"/opt/zingbox"};
  ShellState state;

  void Command(const std::u16string& command, const std::u16string& args) {
    flash_FSCommand(state, flash, folder, command, args);
  }
};

TEST_F(MenuCommandsTest, EachGameLoadsItsMovieAfterItsColourAndRecordsItsNumber) {
  struct Row {
    std::u16string argument;
    int16_t number;
    Ops ops;
  };
  const std::vector<Row> rows = {
      {u"gobo", 1, {"MovieFolder", "flash.Movie=/opt/zingbox\\gobolon.swf"}},
      {u"krell", 2, {"MovieFolder", "flash.Movie=/opt/zingbox\\krell.swf"}},
      {u"tibb", 3, {"MovieFolder", "flash.Movie=/opt/zingbox\\tibb.swf"}},
      {u"vexo", 4, {"MovieFolder", "flash.Movie=/opt/zingbox\\vexorian.swf"}},
      {u"wuzz", 5, {"flash.BGColor=99cc99", "MovieFolder", "flash.Movie=/opt/zingbox\\wuzz.swf"}},
      {u"quib", 6, {"flash.BGColor=DDEEFF", "MovieFolder", "flash.Movie=/opt/zingbox\\quib.swf"}},
  };
  for (const Row& row : rows) {
    log.Clear();
    state = ShellState{};
    Command(u"game", row.argument);
    EXPECT_EQ(log.Ops(), row.ops) << test::Utf8(row.argument);
    EXPECT_EQ(state.CurrentGame, row.number);
    EXPECT_EQ(state.Playing, True);
  }
}

TEST_F(MenuCommandsTest, AnythingButAnExactCatalogueCommandChangesNothing) {
  const std::u16string nulArgument(u"gobo\0", 5);
  const std::u16string nulCommand(u"game\0", 5);
  const std::u16string huge(1 << 20, u'g');
  const std::vector<std::pair<std::u16string, std::u16string>> misses = {
      {u"Game", u"gobo"},  {u"game", u"Gobo"},   {u"game", u""},       {u"game", u" gobo"},
      {u"game", u"gobo "}, {u" game", u"gobo"},  {u"", u""},           {u"quit", u"gobo"},
      {u"game", nulArgument},      {u"game", huge},      {huge, u"gobo"},      {u"game", u"wüzz"},
      {nulCommand, u"gobo"}, {u"gamé", u"quib"},  {u"game", u"gobolon"}, {u"game", u"1"},
  };
  for (const auto& [command, args] : misses) {
    state.CurrentGame = 3;
    state.Playing = False;
    Command(command, args);
    EXPECT_TRUE(log.Ops().empty()) << test::Utf8(command) << "/" << test::Utf8(args).substr(0, 20);
    EXPECT_EQ(state.CurrentGame, 3);
    EXPECT_EQ(state.Playing, False);
  }
}

TEST_F(MenuCommandsTest, AGameChosenWhilePausedKeepsPlayingFalseAndSendsNoPlay) {
  state.CurrentGame = 5;
  state.Playing = False;
  Command(u"game", u"gobo");
  EXPECT_EQ(state.CurrentGame, 1);
  EXPECT_EQ(state.Playing, False);
  EXPECT_EQ(log.Ops(), (Ops{"MovieFolder", "flash.Movie=/opt/zingbox\\gobolon.swf"}));
}

TEST_F(MenuCommandsTest, TheSameGameTwiceLoadsAndColoursAgain) {
  Command(u"game", u"quib");
  Command(u"game", u"quib");
  EXPECT_EQ(log.Ops(), (Ops{"flash.BGColor=DDEEFF", "MovieFolder", "flash.Movie=/opt/zingbox\\quib.swf",
                            "flash.BGColor=DDEEFF", "MovieFolder", "flash.Movie=/opt/zingbox\\quib.swf"}));
  EXPECT_EQ(state.CurrentGame, 6);
}

TEST_F(MenuCommandsTest, AFailingStepEndsTheHandlerWithEarlierStepsDone) {
  state.CurrentGame = 2;

  log.FailAt("flash.BGColor=99cc99");
  EXPECT_THROW(Command(u"game", u"wuzz"), RuntimeError);
  EXPECT_TRUE(log.Ops().empty());
  EXPECT_EQ(state.CurrentGame, 2);

  log.FailAt("MovieFolder");
  EXPECT_THROW(Command(u"game", u"wuzz"), RuntimeError);
  EXPECT_EQ(log.Ops(), Ops{"flash.BGColor=99cc99"});
  EXPECT_EQ(state.CurrentGame, 2);

  log.Clear();
  log.FailAt("flash.Movie=/opt/zingbox\\wuzz.swf");
  EXPECT_THROW(Command(u"game", u"wuzz"), RuntimeError);
  EXPECT_EQ(log.Ops(), (Ops{"flash.BGColor=99cc99", "MovieFolder"}));
  EXPECT_EQ(state.CurrentGame, 2);
}

TEST_F(MenuCommandsTest, FolderTextIsPassedOnUnchanged) {
  const std::vector<std::pair<std::u16string, std::string>> folders = {
      {u"C:\\", "C:\\\\tibb.swf"},
      {u"/home/ana/My Games/Zingbox Ünïcödé", "/home/ana/My Games/Zingbox Ünïcödé\\tibb.swf"},
      {u"", "\\tibb.swf"},
  };
  for (const auto& [text, expected] : folders) {
    OperationLog folderLog;
    FakeProgramFolder other{folderLog, text};
    log.Clear();
    flash_FSCommand(state, flash, other, u"game", u"tibb");
    EXPECT_EQ(log.Ops(), Ops{"flash.Movie=" + expected});
  }
}

TEST_F(MenuCommandsTest, ArrivesThroughThePlayersEvent) {
  flash.OnFSCommand([this](const std::u16string& c, const std::u16string& a) { Command(c, a); });
  flash.RaiseFSCommand(u"game", u"krell");
  EXPECT_EQ(state.CurrentGame, 2);
}

}  // namespace
}  // namespace zingbox
