#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/RuntimeError.h"
#include "shell/PlayerButtons.h"
#include "tests/support/FakeForm.h"

namespace zingbox {
namespace {

using Ops = std::vector<std::string>;

struct PlayerButtonsTest : ::testing::Test {
  test::FakeForm fake;
  test::FakeProgramFolder folder{fake.log, u"/srv/z"};
  ShellState state;

  void Menu() { Image1_Click(fake.controls, state, folder); }
  void PauseResume() { Image3_Click(fake.controls, state); }
  void Restart() { Image5_Click(fake.controls, state, folder); }

  void Given(int16_t game, int16_t playing) {
    state.CurrentGame = game;
    state.Playing = playing;
    fake.Label3.SetCaption(playing == True ? u"Pause" : u"Resume");
    fake.log.Clear();
  }
};

const Ops MenuOps = {"Image1.Visible=false", "Image2.Visible=true", "Timer1.Enabled=true",
                     "flash.Play",           "Label3.Caption=Pause", "MovieFolder",
                     "flash.Movie=/srv/z\\zingbox.swf", "flash.BGColor=000000"};

TEST_F(PlayerButtonsTest, MenuDoesTheSameStepsInEveryState) {
  for (int16_t game : {0, 1, 5, 6}) {
    for (int16_t playing : {True, False}) {
      Given(game, playing);
      Menu();
      EXPECT_EQ(fake.log.Ops(), MenuOps) << game << "/" << playing;
      EXPECT_EQ(state.CurrentGame, 0);
      EXPECT_EQ(state.Playing, True);
      EXPECT_EQ(fake.Label3.Caption(), u"Pause");
    }
  }
}

TEST_F(PlayerButtonsTest, PauseAndResumeAlternateDuringAGame) {
  Given(5, True);
  PauseResume();
  EXPECT_EQ(fake.log.Ops(), (Ops{"Image3.Visible=false", "Image4.Visible=true", "Timer1.Enabled=true",
                                 "flash.StopPlay", "Label3.Caption=Resume"}));
  EXPECT_EQ(state.Playing, False);

  fake.log.Clear();
  PauseResume();
  EXPECT_EQ(fake.log.Ops(), (Ops{"Image3.Visible=false", "Image4.Visible=true", "Timer1.Enabled=true",
                                 "flash.Play", "Label3.Caption=Pause"}));
  EXPECT_EQ(state.Playing, True);
  EXPECT_EQ(state.CurrentGame, 5);
}

TEST_F(PlayerButtonsTest, PauseOnTheMenuOnlyPressesTheButton) {
  for (int16_t playing : {True, False}) {
    Given(0, playing);
    PauseResume();
    EXPECT_EQ(fake.log.Ops(), (Ops{"Image3.Visible=false", "Image4.Visible=true", "Timer1.Enabled=true"}));
    EXPECT_EQ(state.Playing, playing);
  }
}

TEST_F(PlayerButtonsTest, RestartGoesThroughTheMenuMovieBackToTheSameGame) {
  for (int16_t playing : {True, False}) {
    Given(5, playing);
    Restart();
    EXPECT_EQ(fake.log.Ops(),
              (Ops{"Image5.Visible=false", "Image6.Visible=true", "Timer1.Enabled=true", "flash.Play",
                   "Label3.Caption=Pause", "MovieFolder", "flash.Movie=/srv/z\\zingbox.swf", "MovieFolder",
                   "flash.Movie=/srv/z\\wuzz.swf"}));
    EXPECT_EQ(state.CurrentGame, 5);
    EXPECT_EQ(state.Playing, True);
  }
}

TEST_F(PlayerButtonsTest, RestartOnTheMenuLoadsNothing) {
  Given(0, True);
  Restart();
  EXPECT_EQ(fake.log.Ops(), (Ops{"Image5.Visible=false", "Image6.Visible=true", "Timer1.Enabled=true",
                                 "flash.Play", "Label3.Caption=Pause"}));
}

// Each failing step leaves the steps before it done and none after it.
TEST_F(PlayerButtonsTest, MenuStopsAtAFailingStep) {
  for (size_t failing = 0; failing < MenuOps.size(); ++failing) {
    Given(3, False);
    fake.log.FailAt(MenuOps[failing]);
    EXPECT_THROW(Menu(), RuntimeError) << MenuOps[failing];
    EXPECT_EQ(fake.log.Ops(), Ops(MenuOps.begin(), MenuOps.begin() + failing));
    const bool playSent = failing > 3;
    EXPECT_EQ(state.Playing, playSent ? True : False) << MenuOps[failing];
    // CurrentGame is set between the caption and the load.
    EXPECT_EQ(state.CurrentGame, failing > 4 ? 0 : 3) << MenuOps[failing];
    fake.log.FailNothing();
  }
}

// Pause sets Playing only once its caption is set; Resume sets it after Play, before its caption.
TEST_F(PlayerButtonsTest, PauseAndResumeSetPlayingAtTheirOwnStep) {
  struct Failing {
    int16_t playing;
    const char* step;
    int16_t playingAfter;
  };
  for (const Failing& failing : {Failing{True, "Label3.Caption=Resume", True}, Failing{True, "flash.StopPlay", True},
                                 Failing{False, "Label3.Caption=Pause", True}, Failing{False, "flash.Play", False}}) {
    Given(2, failing.playing);
    fake.log.FailAt(failing.step);
    EXPECT_THROW(PauseResume(), RuntimeError) << failing.step;
    EXPECT_EQ(state.Playing, failing.playingAfter) << failing.step;
  }
}

TEST_F(PlayerButtonsTest, AFailedPressStepRunsNoAction) {
  Given(4, True);
  fake.log.FailAt("Timer1.Enabled=true");
  EXPECT_THROW(PauseResume(), RuntimeError);
  EXPECT_EQ(fake.log.Ops(), (Ops{"Image3.Visible=false", "Image4.Visible=true"}));
  EXPECT_EQ(state.Playing, True);
}

TEST_F(PlayerButtonsTest, RestartWhoseGameFailsToLoadLeavesTheMenuMovieAndTheGameNumber) {
  Given(6, False);
  fake.log.FailAt("flash.Movie=/srv/z\\quib.swf");
  EXPECT_THROW(Restart(), RuntimeError);
  EXPECT_EQ(fake.log.Ops().back(), "MovieFolder");
  EXPECT_EQ(fake.log.Ops()[fake.log.Ops().size() - 2], "flash.Movie=/srv/z\\zingbox.swf");
  EXPECT_EQ(state.CurrentGame, 6);
  EXPECT_EQ(state.Playing, True);
}

}  // namespace
}  // namespace zingbox
