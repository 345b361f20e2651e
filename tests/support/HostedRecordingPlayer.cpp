#include "tests/support/HostedRecordingPlayer.h"

#include "platform/qt/Twips.h"

namespace zingbox::test {

HostedRecordingPlayer::HostedRecordingPlayer(OperationLog& log) : RecordingPlayerOn(log) {
  widget_.setFocusPolicy(Qt::StrongFocus);
}

void HostedRecordingPlayer::Placed() { widget_.setGeometry(TwipsToPixels(TwipsRect{Left(), Top(), Width(), Height()})); }

void HostedRecordingPlayer::MovieTaken() {
  if (!movieTaken_) windowShownAtFirstMovie = widget_.window()->isVisible();
  movieTaken_ = true;
}

}  // namespace zingbox::test
