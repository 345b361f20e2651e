#pragma once

#include <QList>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <functional>

namespace zingbox {

// What the player shows over its area in place of a movie; all empty for nothing.
struct PlayerNotice {
  QString title, file, reason;

  bool operator==(const PlayerNotice&) const = default;
};

// Decides what the player shows in place of a movie, in the player's own words: why the
// movie cannot play, why a freshly loaded page did not get ready in time, or that a page
// whose renderer keeps dying is given up on, after its third death within a minute. A
// page that gets ready after all takes the player's failure away; a movie's own problem
// stays until the next movie. Use on the UI thread.
class PlayerWatch {
 public:
  static constexpr int PatienceMs = 15'000;

  using Show = std::function<void(const PlayerNotice&)>;

  // `now` reads a steady clock in milliseconds. `show` gets every change of what is shown;
  // `givenUp` is told when the page is given up on, so that it takes no more calls.
  PlayerWatch(std::function<qint64()> now, Show show, std::function<void()> givenUp);

  // The program asked for a movie, named as it named it; `problem` says why it cannot play.
  void MovieChosen(const QString& name, const QString& problem);
  // The engine could not read the movie chosen last.
  void MovieUnreadable();

  // A page starts loading now. `missingScript` names a script it is known to lack.
  void PageLoading(const QString& missingScript);
  void ScriptFailed(const QString& message, int line, const QUrl& source);
  // The loading page's time to get ready is up (the patience timer's time-out).
  void TimeUp();
  // The page ran its scripts; without the engine's it cannot play.
  void PageReady(bool engineLoaded);
  // The page's renderer or its engine ended. True if a fresh page is to be tried.
  bool PageDied();
  // The user asks for another try: earlier deaths no longer count.
  void ForgetDeaths() { deaths_.clear(); }
  // The engine's files are not all installed, so no page can start.
  void EngineMissing(const QString& file);

 private:
  void Fail(const QString& title, const QString& file, const QString& reason);
  void ShowWhatHolds();

  std::function<qint64()> now_;
  Show show_;
  std::function<void()> givenUp_;
  QString movieName_;
  PlayerNotice movieProblem_;
  PlayerNotice failure_;
  bool starting_ = false;  // a page loads and has time left to get ready
  QTimer patience_;
  QString blamedFile_;  // what keeps the loading page from getting ready, if known
  QString reason_;
  QList<qint64> deaths_;  // within the last minute
};

}  // namespace zingbox
