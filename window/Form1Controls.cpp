#include "window/Form1Controls.h"

namespace zingbox {

// The member and the name it is looked up by are written once, as one word.
#define ZINGBOX_PICTURE(member) .member = named.Picture(#member)
#define ZINGBOX_CAPTION(member) .member = named.Caption(#member)

Form1Controls BindForm1Controls(WindowMetrics& form, Timer& Timer1, MoviePlayer& flash, NamedControls& named) {
  return Form1Controls{
      .form = form,
      .Timer1 = Timer1,
      .flash = flash,
      ZINGBOX_CAPTION(Label4),
      ZINGBOX_PICTURE(Image7),
      ZINGBOX_CAPTION(Label3),
      ZINGBOX_CAPTION(Label2),
      ZINGBOX_CAPTION(Label1),
      ZINGBOX_PICTURE(Image6),
      ZINGBOX_PICTURE(Image5),
      ZINGBOX_PICTURE(Image4),
      ZINGBOX_PICTURE(Image3),
      ZINGBOX_PICTURE(Image2),
      ZINGBOX_PICTURE(Image1),
      ZINGBOX_PICTURE(rightt),
      ZINGBOX_PICTURE(bott),
      ZINGBOX_PICTURE(leftt),
      ZINGBOX_PICTURE(top_left),
      ZINGBOX_PICTURE(top_right),
      ZINGBOX_PICTURE(topp),
      ZINGBOX_PICTURE(top_rf),
      ZINGBOX_PICTURE(top_lf),
      ZINGBOX_PICTURE(bot_rf),
      ZINGBOX_PICTURE(bot_lf),
      ZINGBOX_PICTURE(rightf),
      ZINGBOX_PICTURE(leftf),
  };
}

#undef ZINGBOX_CAPTION
#undef ZINGBOX_PICTURE

}  // namespace zingbox
