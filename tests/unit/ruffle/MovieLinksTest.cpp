// When a movie's link reaches the desktop's opener.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <vector>

#include "platform/ruffle/LinkGate.h"
#include "platform/ruffle/PlayerPolicy.h"
#include "platform/ruffle/UserGesture.h"

namespace zingbox {
namespace {

// A gate on a view whose drawing widget came after it, as the engine's does, with movie 1
// playing; the movie asks for a page on every frame, and the opener notes what it gets.
class LinkGateTest : public testing::Test {
 protected:
  LinkGateTest() {
    drawing_->setAttribute(Qt::WA_NoMousePropagation);  // as the engine's takes its clicks
    gate_->MovieChosen(1);
    gate_->MovieStarted(1);
  }
  void Send(QInputEvent&& input, quint64 time) {
    input.setTimestamp(time);
    QApplication::sendEvent(drawing_, &input);
  }
  void Click() {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
      Send(QMouseEvent(type, QPointF(), QPointF(), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier), 0);
  }
  void Key(QEvent::Type type, quint64 time, bool flaggedRepeat = false) {
    Send(QKeyEvent(type, Qt::Key_Space, Qt::NoModifier, QString(), flaggedRepeat), time);
  }
  std::size_t OpenedAfterFrames(int frames = 3) {
    for (int frame = 0; frame < frames; ++frame) gate_->Request(1, QStringLiteral("https://zingbox.invalid/nag"));
    return opened_.size();
  }

  int argc_ = 0;
  QApplication app_{argc_, nullptr};
  PlayerPolicy policy_{QString()};
  QWidget view_;
  std::vector<QByteArray> opened_;
  LinkGate* gate_ = new LinkGate(&view_, policy_, [this](const QByteArray& address) { opened_.push_back(address); });
  QWidget* drawing_ = new QWidget(&view_);
};

TEST_F(LinkGateTest, OneLinkPerClickThatThePolicyLetsOut) {
  EXPECT_EQ(OpenedAfterFrames(), 0u) << "nobody clicked";
  Click();
  EXPECT_EQ(OpenedAfterFrames(), 1u);
  EXPECT_EQ(opened_.front(), "https://zingbox.invalid/nag");

  // What goes nowhere spends nothing.
  Click();
  gate_->Request(1, QStringLiteral("javascript:alert(1)"));
  gate_->Request(1, QStringLiteral("mailto:a@zingbox.invalid?attach=/etc/passwd"));
  EXPECT_EQ(opened_.back(), "mailto:a@zingbox.invalid");
}

// The X server repeats a held key as a release and a press with one time stamp, which Qt
// does not always flag; neither is a press of the user's.
TEST_F(LinkGateTest, AKeyHeldDownIsOnePress) {
  Key(QEvent::KeyPress, 100);
  EXPECT_EQ(OpenedAfterFrames(), 1u);
  Key(QEvent::KeyRelease, 130);
  Key(QEvent::KeyPress, 130);
  Key(QEvent::KeyPress, 160, true);
  EXPECT_EQ(OpenedAfterFrames(), 1u);

  Key(QEvent::KeyRelease, 190);
  Key(QEvent::KeyPress, 400);
  EXPECT_EQ(OpenedAfterFrames(), 2u) << "a press of its own";
}

// A gesture whose movie 1 the program chose and the page started.
UserGesture FirstMoviePlaying() {
  UserGesture gesture;
  gesture.MovieChosen(1);
  gesture.MovieStarted(1);
  return gesture;
}

// A press grants a request for a second, counted from its release for a button held down.
TEST(UserGesture, GrantsARequestForASecondFromThePressOrItsRelease) {
  UserGesture gesture = FirstMoviePlaying();
  gesture.Pressed(100);
  EXPECT_TRUE(gesture.Spend(1, 1100));
  gesture.Pressed(2000);
  EXPECT_FALSE(gesture.Spend(1, 3001)) << "too late";

  gesture.Pressed(4000);
  gesture.Released(9000);
  EXPECT_TRUE(gesture.Spend(1, 9900));
  gesture.Released(10000);
  EXPECT_FALSE(gesture.Spend(1, 10100)) << "a release grants nothing by itself";
}

TEST(UserGesture, OnlyTheMovieThatReceivedThePressSpendsIt) {
  UserGesture gesture = FirstMoviePlaying();
  gesture.Pressed(0);
  EXPECT_FALSE(gesture.Spend(2, 10)) << "no movie 2 yet";

  // The press that chose the next movie, as a menu's button does.
  gesture.MovieChosen(2);
  EXPECT_FALSE(gesture.Spend(1, 20)) << "movie 1 has been replaced";
  gesture.Pressed(30);  // reaches movie 1, which still plays
  gesture.MovieStarted(2);
  EXPECT_FALSE(gesture.Spend(2, 40)) << "movie 2 starts with nothing to spend";

  gesture.Pressed(50);
  EXPECT_FALSE(gesture.Spend(1, 60)) << "a late request of movie 1";
  EXPECT_TRUE(gesture.Spend(2, 70));
}

}  // namespace
}  // namespace zingbox
