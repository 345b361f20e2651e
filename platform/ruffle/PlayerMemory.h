#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace zingbox {

// What the program last told the player, and the calls on their way to the page, as
// page script calls. The page may be replaced at any time (its renderer can die); a
// fresh page is told again the colour, the movie and whether it was stopped, so it shows
// the same movie afresh from its first frame, and the program never has to know.
//
// Calls leave in order. What is told in one turn of the event loop leaves as one batch
// when control returns to the loop, and the next batch only once the page has run the
// last one: a movie that floods the program with commands never piles work up in the
// page. A movie makes the calls before it moot (the page starts every movie afresh), so
// only the newest movie waits; the colour is state, so only its newest value waits.
// Use on the UI thread.
class PlayerMemory : public QObject {
  Q_OBJECT

 public:
  // Runs a script in the page and calls `ran` once the page has run it.
  using Runner = std::function<void(const QString& script, std::function<void()> ran)>;

  explicit PlayerMemory(Runner run, QObject* parent = nullptr);

  void Colour(const QString& call);
  void Movie(const QString& call);
  // Play or StopPlay: in force until the next movie.
  void Playback(const QString& call);
  // For the page at hand only: a fresh page does without it.
  void Call(const QString& call);

  // A fresh page is loading; once it is ready it is told what the program last said.
  // Nothing that went to the page before is waited for any more.
  void PageLoading();
  void PageReady();
  // No page takes calls until the next one loads: calls for the page at hand are dropped.
  void PageFailed();
  bool HasPageFailed() const { return page_ == Page::Failed; }

 private:
  void TellAgain();
  void SendLater();
  void SendWhatWaits();

  Runner run_;
  enum class Page { Loading, Ready, Failed } page_ = Page::Loading;
  int pageNumber_ = 0;  // answers of a page that has gone are not waited for
  bool inFlight_ = false;
  bool sendScheduled_ = false;

  // What the program said last.
  std::optional<QString> colour_;
  std::optional<QString> movie_;
  std::optional<QString> playback_;  // since the movie

  // What the page has not been told yet.
  bool colourWaits_ = false;
  bool movieWaits_ = false;
  QStringList calls_;  // made after the waiting movie, if any
};

}  // namespace zingbox
