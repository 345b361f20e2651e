#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace zingbox {

// What the program tells the page, in order, as page script calls. What is told in one
// turn of the event loop leaves as one batch when control returns to the loop, and the
// next batch only once the page has run the last one: a movie that floods the program
// with commands never piles work up in the page. A movie makes the calls before it moot
// (the page starts every movie afresh), so only the newest movie waits; the colour is
// state, so only its newest value waits. Use on the UI thread.
class PageCallQueue : public QObject {
  Q_OBJECT

 public:
  // Runs a script in the page and calls `ran` once the page has run it.
  using Runner = std::function<void(const QString& script, std::function<void()> ran)>;

  explicit PageCallQueue(Runner run, QObject* parent = nullptr);

  void Colour(const QString& call);
  void Movie(const QString& call);
  void Call(const QString& call);
  // The page has (again) loaded and takes calls; nothing of it is in flight any more.
  void PageReady();

 private:
  void SendLater();
  void SendWhatWaits();

  Runner run_;
  bool pageReady_ = false;
  bool inFlight_ = false;
  bool sendScheduled_ = false;
  std::optional<QString> colour_;
  std::optional<QString> movie_;
  QStringList calls_;  // made after the waiting movie, if any
};

}  // namespace zingbox
