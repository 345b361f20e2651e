#include "FakeForm.h"

namespace zingbox::test {

FakeForm::FakeForm()
    : controls{form,   Timer1, flash,  Label4, Image7,   Label3,    Label2, Label1, Image6,
               Image5, Image4, Image3, Image2, Image1,   rightt,    bott,   leftt,  top_left,
               top_right, topp, top_rf, top_lf, bot_rf, bot_lf, rightf, leftf} {
  Label3.SetCaption(u"Pause");
  log.Clear();
}

}  // namespace zingbox::test
