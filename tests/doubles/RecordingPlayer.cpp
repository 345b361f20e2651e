#include "RecordingPlayer.h"

namespace zingbox::test {

void RecordingPlayer::SetMovie(const std::u16string& path) { log_.Record("flash.Movie=" + Utf8(path)); }

void RecordingPlayer::SetBGColor(const std::u16string& colour) {
  log_.Record("flash.BGColor=" + Utf8(colour));
}

void RecordingPlayer::Play() { log_.Record("flash.Play"); }

void RecordingPlayer::StopPlay() { log_.Record("flash.StopPlay"); }

void RecordingPlayer::SetLeft(float twips) {
  log_.Record("flash.Left=" + TwipsText(twips));
  ValuePlayer::SetLeft(twips);
}

void RecordingPlayer::SetTop(float twips) {
  log_.Record("flash.Top=" + TwipsText(twips));
  ValuePlayer::SetTop(twips);
}

void RecordingPlayer::SetWidth(float twips) {
  RefuseNegativeSize(twips);
  log_.Record("flash.Width=" + TwipsText(twips));
  ValuePlayer::SetWidth(twips);
}

void RecordingPlayer::SetHeight(float twips) {
  RefuseNegativeSize(twips);
  log_.Record("flash.Height=" + TwipsText(twips));
  ValuePlayer::SetHeight(twips);
}

void RecordingPlayer::RaiseFSCommand(const std::u16string& command, const std::u16string& args) {
  if (handler_) handler_(command, args);
}

}  // namespace zingbox::test
