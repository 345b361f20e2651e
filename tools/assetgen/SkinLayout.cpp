#include "tools/assetgen/SkinLayout.h"

#include "platform/qt/Twips.h"
#include "shell/StartUp.h"
#include "window/FrameLayout.h"
#include "window/ValueForm.h"

namespace zingbox::assetgen {

namespace {

class NoFolder : public ProgramFolder {
 public:
  std::u16string MovieFolder() const override { return u""; }
};

QRect Pixels(const ValueControl& control) {
  return TwipsToPixels(TwipsRect{control.Left(), control.Top(), control.Width(), control.Height()});
}

}  // namespace

SkinLayout LayOutSkin(QSize clientPixels) {
  // As the window does: Load at the opening size, then a Resize to the size asked for,
  // whose outer size adds the classic frame.
  ValueForm form;
  ShellState state;
  Form1_Load(form.Controls(), state, NoFolder());
  form.form.width = PixelsToTwips(clientPixels.width()) + ClassicFrameWidth;
  form.form.height = PixelsToTwips(clientPixels.height()) + ClassicFrameHeight;
  ResizePass(form.Controls());

  SkinLayout layout;
  layout.client = clientPixels;
  layout.player = TwipsToPixels(TwipsRect{form.flash.Left(), form.flash.Top(), form.flash.Width(), form.flash.Height()});
  for (const auto& [name, control] : form.Pieces()) {
    layout.controls[std::string(name)] = Pixels(control);
    layout.visible[std::string(name)] = control.Visible();
  }
  return layout;
}

}  // namespace zingbox::assetgen
