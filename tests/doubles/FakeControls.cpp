#include "FakeControls.h"

#include "platform/RuntimeError.h"

namespace zingbox::test {

void FakeLabel::CheckRead() const {
  if (failReads) throw RuntimeError(error_number::AutomationError, name_ + " cannot be read");
}

float FakeLabel::Left() const { CheckRead(); return rect_.left; }
float FakeLabel::Top() const { CheckRead(); return rect_.top; }
float FakeLabel::Width() const { CheckRead(); return rect_.width; }
float FakeLabel::Height() const { CheckRead(); return rect_.height; }
bool FakeLabel::Visible() const { CheckRead(); return visible_; }

void FakeLabel::SetLeft(float twips) {
  log_.Record(name_ + ".Left=" + TwipsText(twips));
  rect_.left = twips;
}

void FakeLabel::SetTop(float twips) {
  log_.Record(name_ + ".Top=" + TwipsText(twips));
  rect_.top = twips;
}

void FakeLabel::SetWidth(float twips) {
  if (twips < 0) throw RuntimeError(error_number::InvalidPropertyValue, "Invalid property value");
  log_.Record(name_ + ".Width=" + TwipsText(twips));
  rect_.width = twips;
}

void FakeLabel::SetHeight(float twips) {
  if (twips < 0) throw RuntimeError(error_number::InvalidPropertyValue, "Invalid property value");
  log_.Record(name_ + ".Height=" + TwipsText(twips));
  rect_.height = twips;
}

void FakeLabel::SetVisible(bool visible) {
  log_.Record(name_ + ".Visible=" + (visible ? "true" : "false"));
  visible_ = visible;
}

void FakeLabel::SetCaption(const std::u16string& caption) {
  log_.Record(name_ + ".Caption=" + Utf8(caption));
  caption_ = caption;
}

void FakeTimer::SetEnabled(bool enabled) {
  log_.Record(std::string("Timer1.Enabled=") + (enabled ? "true" : "false"));
  enabled_ = enabled;
}

std::u16string FakeProgramFolder::MovieFolder() const {
  log_.Record("MovieFolder");
  return folder_;
}

}  // namespace zingbox::test
