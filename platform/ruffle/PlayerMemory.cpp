#include "platform/ruffle/PlayerMemory.h"

#include <QPointer>
#include <utility>

namespace zingbox {

PlayerMemory::PlayerMemory(Runner run, QObject* parent) : QObject(parent), run_(std::move(run)) {}

void PlayerMemory::Colour(const QString& call) {
  colour_ = call;
  colourWaits_ = true;
  SendLater();
}

void PlayerMemory::Movie(const QString& call) {
  movie_ = call;
  playback_.reset();
  movieWaits_ = true;
  calls_.clear();
  SendLater();
}

void PlayerMemory::Playback(const QString& call) {
  playback_ = call;
  Call(call);
}

void PlayerMemory::Call(const QString& call) {
  if (page_ == Page::Failed) return;
  calls_.append(call);
  SendLater();
}

void PlayerMemory::PageLoading() {
  page_ = Page::Loading;
  ++pageNumber_;
  inFlight_ = false;
  TellAgain();
}

void PlayerMemory::PageReady() {
  // A page that gets ready after all was given up on is told everything again.
  if (page_ == Page::Failed) TellAgain();
  page_ = Page::Ready;
  SendWhatWaits();
}

void PlayerMemory::PageFailed() {
  page_ = Page::Failed;
  calls_.clear();
}

void PlayerMemory::TellAgain() {
  colourWaits_ = colour_.has_value();
  movieWaits_ = movie_.has_value();
  calls_.clear();
  if (playback_) calls_.append(*playback_);
}

void PlayerMemory::SendLater() {
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

void PlayerMemory::SendWhatWaits() {
  if (page_ != Page::Ready || inFlight_ || (!colourWaits_ && !movieWaits_ && calls_.isEmpty())) return;
  // The colour stays in force across movies, so it may go first.
  QString batch = std::exchange(colourWaits_, false) ? *colour_ : QString();
  if (std::exchange(movieWaits_, false)) batch += *movie_;
  batch += std::exchange(calls_, {}).join(QString());
  inFlight_ = true;
  run_(batch, [memory = QPointer<PlayerMemory>(this), page = pageNumber_] {
    if (memory == nullptr || memory->pageNumber_ != page) return;
    memory->inFlight_ = false;
    memory->SendWhatWaits();
  });
}

}  // namespace zingbox
