#include "platform/ruffle/PageCallQueue.h"

#include <QPointer>
#include <utility>

namespace zingbox {

PageCallQueue::PageCallQueue(Runner run, QObject* parent) : QObject(parent), run_(std::move(run)) {}

void PageCallQueue::Colour(const QString& call) {
  colour_ = call;
  SendLater();
}

void PageCallQueue::Movie(const QString& call) {
  movie_ = call;
  calls_.clear();
  SendLater();
}

void PageCallQueue::Call(const QString& call) {
  calls_.append(call);
  SendLater();
}

void PageCallQueue::PageReady() {
  pageReady_ = true;
  inFlight_ = false;
  SendWhatWaits();
}

void PageCallQueue::SendLater() {
  if (sendScheduled_) return;
  sendScheduled_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        sendScheduled_ = false;
        SendWhatWaits();
      },
      Qt::QueuedConnection);
}

void PageCallQueue::SendWhatWaits() {
  if (!pageReady_ || inFlight_ || (!colour_ && !movie_ && calls_.isEmpty())) return;
  // The colour stays in force across movies, so it may go first.
  QString batch = std::exchange(colour_, std::nullopt).value_or(QString());
  batch += std::exchange(movie_, std::nullopt).value_or(QString());
  batch += std::exchange(calls_, {}).join(QString());
  inFlight_ = true;
  run_(batch, [queue = QPointer<PageCallQueue>(this)] {
    if (queue == nullptr) return;
    queue->inFlight_ = false;
    queue->SendWhatWaits();
  });
}

}  // namespace zingbox
