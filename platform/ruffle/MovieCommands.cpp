#include "platform/ruffle/MovieCommands.h"

namespace zingbox {

void MovieCommands::MovieReplaced(int movie) {
  movie_ = movie;
  waiting_.clear();
}

void MovieCommands::Receive(int movie, const QString& command, const QString& args) {
  if (movie != movie_ || waiting_.size() == MostWaiting) return;
  waiting_.push_back({command, args});
  DeliverLater();
}

void MovieCommands::DeliverLater() {
  if (deliveryScheduled_) return;
  deliveryScheduled_ = true;
  QMetaObject::invokeMethod(this, &MovieCommands::DeliverNext, Qt::QueuedConnection);
}

void MovieCommands::DeliverNext() {
  deliveryScheduled_ = false;
  if (waiting_.empty()) return;
  const Command next = std::move(waiting_.front());
  waiting_.pop_front();
  // Scheduled first: the handler may throw, or replace the movie.
  if (!waiting_.empty()) DeliverLater();
  if (handler_) handler_(next.command, next.args);
}

}  // namespace zingbox
