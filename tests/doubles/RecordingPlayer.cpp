#include "RecordingPlayer.h"

#include "platform/RuntimeError.h"

namespace zingbox::test {

void RecordingPlayer::SetMovie(const std::u16string& path) { log_.Record("flash.Movie=" + Utf8(path)); }

void RecordingPlayer::SetBGColor(const std::u16string& colour) {
  log_.Record("flash.BGColor=" + Utf8(colour));
}

void RecordingPlayer::Play() { log_.Record("flash.Play"); }

void RecordingPlayer::StopPlay() { log_.Record("flash.StopPlay"); }

void RecordingPlayer::SetLeft(float twips) {
  log_.Record("flash.Left=" + TwipsText(twips));
  left_ = twips;
}

void RecordingPlayer::SetTop(float twips) {
  log_.Record("flash.Top=" + TwipsText(twips));
  top_ = twips;
}

void RecordingPlayer::SetWidth(float twips) {
  if (twips < 0) throw RuntimeError(error_number::InvalidPropertyValue, "Invalid property value");
  log_.Record("flash.Width=" + TwipsText(twips));
  width_ = twips;
}

void RecordingPlayer::SetHeight(float twips) {
  if (twips < 0) throw RuntimeError(error_number::InvalidPropertyValue, "Invalid property value");
  log_.Record("flash.Height=" + TwipsText(twips));
  height_ = twips;
}

void RecordingPlayer::RaiseFSCommand(const std::u16string& command, const std::u16string& args) {
  if (handler_) handler_(command, args);
}

}  // namespace zingbox::test
