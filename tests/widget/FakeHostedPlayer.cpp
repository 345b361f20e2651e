#include "FakeHostedPlayer.h"

#include <QString>

#include "platform/RuntimeError.h"
#include "platform/qt/Twips.h"

namespace zingbox::test {

namespace {
std::string Utf8(const std::u16string& text) { return QString::fromStdU16String(text).toStdString(); }
std::string Number(float value) { return QString::number(value).toStdString(); }
}  // namespace

FakeHostedPlayer::FakeHostedPlayer() { widget_.setFocusPolicy(Qt::StrongFocus); }

void FakeHostedPlayer::Record(const std::string& operation, const std::string& value) {
  if (operation == refuse) throw RuntimeError(error_number::InvalidPropertyValue, "Invalid property value");
  operations.push_back(value.empty() ? operation : operation + "=" + value);
}

void FakeHostedPlayer::SetMovie(const std::u16string& path) {
  Record("Movie", Utf8(path));
  if (!movieLoaded_) windowShownAtFirstMovie = widget_.window()->isVisible();
  movieLoaded_ = true;
  widget_.clearFocus();
}

void FakeHostedPlayer::SetBGColor(const std::u16string& colour) { Record("BGColor", Utf8(colour)); }
void FakeHostedPlayer::Play() { Record("Play"); }
void FakeHostedPlayer::StopPlay() { Record("StopPlay"); }

void FakeHostedPlayer::SetLeft(float twips) {
  Record("Left", Number(twips));
  left = twips;
  Place();
}
void FakeHostedPlayer::SetTop(float twips) {
  Record("Top", Number(twips));
  top = twips;
  Place();
}
void FakeHostedPlayer::SetWidth(float twips) {
  Record("Width", Number(twips));
  width = twips;
  Place();
}
void FakeHostedPlayer::SetHeight(float twips) {
  Record("Height", Number(twips));
  height = twips;
  Place();
}

void FakeHostedPlayer::Place() {
  widget_.setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace zingbox::test
