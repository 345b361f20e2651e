#include "tests/unit/window/Placement.h"

#include "window/FrameLayout.h"

namespace zingbox::test {

Placement PlacementOf(const FakeForm& fake) {
  Placement placement;
  for (const FakeControl* control : fake.Pieces()) {
    const std::string& name = control->Name();
    placement[name + ".Left"] = control->Left();
    placement[name + ".Top"] = control->Top();
    placement[name + ".Width"] = control->Width();
    placement[name + ".Height"] = control->Height();
    placement[name + ".Visible"] = control->Visible() ? 1 : 0;
  }
  placement["flash.Left"] = fake.flash.Left();
  placement["flash.Top"] = fake.flash.Top();
  placement["flash.Width"] = fake.flash.Width();
  placement["flash.Height"] = fake.flash.Height();
  return placement;
}

void ResizeTo(FakeForm& fake, float width, float height) {
  fake.form.width = width;
  fake.form.height = height;
  ResizePass(fake.controls);
}

Placement FreshLayout(float width, float height) {
  FakeForm fresh;
  ResizeTo(fresh, width, height);
  return PlacementOf(fresh);
}

}  // namespace zingbox::test
