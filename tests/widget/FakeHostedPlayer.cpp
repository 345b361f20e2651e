#include "FakeHostedPlayer.h"

#include <QString>
#include <cmath>

#include "platform/RuntimeError.h"
#include "platform/qt/Twips.h"

namespace zingbox::test {

namespace {
std::string Utf8(const std::u16string& text) { return QString::fromStdU16String(text).toStdString(); }
std::string Number(float value) { return QString::number(value).toStdString(); }

// The real player's limits: a place its widget can take, and no size below zero.
bool WidgetCanTake(float twips) {
  return std::isfinite(twips) && std::fabs(twips / TwipsPerPixel) <= QWIDGETSIZE_MAX;
}
bool IsSize(float twips) { return twips >= 0 && WidgetCanTake(twips); }
}  // namespace

FakeHostedPlayer::FakeHostedPlayer() { widget_.setFocusPolicy(Qt::StrongFocus); }

void FakeHostedPlayer::Record(const std::string& operation, const std::string& value, bool acceptable) {
  if (operation == refuse || !acceptable)
    throw RuntimeError(error_number::InvalidPropertyValue, "Invalid property value");
  operations.push_back(value.empty() ? operation : operation + "=" + value);
}

void FakeHostedPlayer::SetMovie(const std::u16string& path) {
  Record("Movie", Utf8(path));
  if (!movieLoaded_) windowShownAtFirstMovie = widget_.window()->isVisible();
  movieLoaded_ = true;
}

void FakeHostedPlayer::SetBGColor(const std::u16string& colour) { Record("BGColor", Utf8(colour)); }
void FakeHostedPlayer::Play() { Record("Play"); }
void FakeHostedPlayer::StopPlay() { Record("StopPlay"); }

void FakeHostedPlayer::SetLeft(float twips) { Place("Left", left, twips, WidgetCanTake(twips)); }
void FakeHostedPlayer::SetTop(float twips) { Place("Top", top, twips, WidgetCanTake(twips)); }
void FakeHostedPlayer::SetWidth(float twips) { Place("Width", width, twips, IsSize(twips)); }
void FakeHostedPlayer::SetHeight(float twips) { Place("Height", height, twips, IsSize(twips)); }

void FakeHostedPlayer::Place(const std::string& operation, float& field, float twips, bool acceptable) {
  Record(operation, Number(twips), acceptable);
  field = twips;
  widget_.setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace zingbox::test
