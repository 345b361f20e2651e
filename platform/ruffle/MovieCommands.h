#pragma once

#include <QObject>
#include <QString>
#include <deque>
#include <functional>

namespace zingbox {

// The FSCommands of the current movie on their way to the program's handler. Each is
// delivered as an event of its own, one per turn of the event loop, so that the user's
// input is handled between them however a movie floods; a handler may throw to the loop.
// What the movie sent before it was replaced is dropped, at once and unseen, and so is
// anything past a backlog no game comes near. Use on the UI thread.
class MovieCommands : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void(const QString& command, const QString& args)>;

  static constexpr std::size_t MostWaiting = 1000;

  explicit MovieCommands(QObject* parent = nullptr) : QObject(parent) {}

  void SetHandler(Handler handler) { handler_ = std::move(handler); }
  // `movie` is now the current movie; what the ones before it sent goes.
  void MovieReplaced(int movie);
  void Receive(int movie, const QString& command, const QString& args);

 private:
  struct Command {
    QString command;
    QString args;
  };

  void DeliverLater();
  void DeliverNext();

  Handler handler_;
  int movie_ = 0;
  std::deque<Command> waiting_;
  bool deliveryScheduled_ = false;
};

}  // namespace zingbox
