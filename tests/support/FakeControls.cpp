#include "FakeControls.h"

#include "platform/RuntimeError.h"

namespace zingbox::test {

void FakeLabel::CheckRead() const {
  if (failReads) throw RuntimeError(error_number::AutomationError, name_ + " cannot be read");
}

float FakeLabel::Left() const { CheckRead(); return ValueControl::Left(); }
float FakeLabel::Top() const { CheckRead(); return ValueControl::Top(); }
float FakeLabel::Width() const { CheckRead(); return ValueControl::Width(); }
float FakeLabel::Height() const { CheckRead(); return ValueControl::Height(); }
bool FakeLabel::Visible() const { CheckRead(); return ValueControl::Visible(); }

void FakeLabel::SetLeft(float twips) {
  log_.Record(name_ + ".Left=" + TwipsText(twips));
  ValueControl::SetLeft(twips);
}

void FakeLabel::SetTop(float twips) {
  log_.Record(name_ + ".Top=" + TwipsText(twips));
  ValueControl::SetTop(twips);
}

void FakeLabel::SetWidth(float twips) {
  RefuseNegativeSize(twips);
  log_.Record(name_ + ".Width=" + TwipsText(twips));
  ValueControl::SetWidth(twips);
}

void FakeLabel::SetHeight(float twips) {
  RefuseNegativeSize(twips);
  log_.Record(name_ + ".Height=" + TwipsText(twips));
  ValueControl::SetHeight(twips);
}

void FakeLabel::SetVisible(bool visible) {
  log_.Record(name_ + ".Visible=" + (visible ? "true" : "false"));
  ValueControl::SetVisible(visible);
}

void FakeLabel::SetCaption(const std::u16string& caption) {
  log_.Record(name_ + ".Caption=" + Utf8(caption));
  ValueControl::SetCaption(caption);
}

void FakeTimer::SetEnabled(bool enabled) {
  log_.Record(std::string("Timer1.Enabled=") + (enabled ? "true" : "false"));
  ValueTimer::SetEnabled(enabled);
}

std::u16string FakeProgramFolder::MovieFolder() const {
  log_.Record("MovieFolder");
  return folder_;
}

}  // namespace zingbox::test
