#include "window/FrameLayout.h"

#include "window/CheckedArithmetic.h"

namespace zingbox {

namespace {

// Every step reads the window's size and the pieces' sizes afresh: a control may keep a
// value other than the one assigned, and later steps must build on what it kept.
float W(const Form1Controls& form) { return form.form.Width(); }
float H(const Form1Controls& form) { return form.form.Height(); }

// The bottom row hangs 410 twips above the window's outer bottom edge, which puts it
// flush with the bottom of the client area under a classic frame.
float Hang(const Form1Controls& form, const Control& piece) {
  return (Formula(H(form)) - piece.Height() - 410).Value();
}

void PlaceTopCorners(Form1Controls& form) {
  form.top_left.SetLeft(0);
  form.top_right.SetLeft((Formula(W(form)) - form.top_right.Width()).Value());
  form.top_lf.SetLeft(form.top_left.Width());
}

void SplitTopGap(Form1Controls& form) {
  form.top_lf.SetWidth(
      ((Formula(W(form)) - form.top_left.Width() - form.top_right.Width() - form.topp.Width()) / 2)
          .Value());
  form.top_rf.SetWidth((Formula(form.top_lf.Width()) + 10).Value());
}

void PlaceTopRow(Form1Controls& form) {
  form.topp.SetLeft((Formula(form.top_lf.Width()) + form.top_left.Width()).Value());
  form.top_rf.SetLeft(
      (Formula(form.top_lf.Width()) + form.top_left.Width() + form.topp.Width()).Value());
}

void HangBottomRow(Form1Controls& form) {
  form.leftt.SetLeft(0);
  form.leftt.SetTop(Hang(form, form.leftt));
  form.rightt.SetLeft((Formula(W(form)) - form.rightt.Width()).Value());
  form.rightt.SetTop(Hang(form, form.rightt));
  form.bott.SetTop(Hang(form, form.bott));
  form.bot_lf.SetTop(Hang(form, form.bot_lf));
  form.bot_rf.SetTop(Hang(form, form.bot_rf));
}

// Fillers and edges never go below zero; the player and the centre pieces may, and a
// control that refuses that ends the pass.
void SizeTopFillers(Form1Controls& form) {
  if ((Formula(form.top_right.Width()) + form.top_left.Width() + form.topp.Width()).Value() >
      W(form)) {
    form.top_lf.SetWidth(0);
    form.top_rf.SetWidth(0);
  } else {
    SplitTopGap(form);
  }
}

void SizeTopCentre(Form1Controls& form) {
  if ((Formula(form.top_right.Width()) + form.top_left.Width() + 6675).Value() > W(form)) {
    form.topp.SetWidth((Formula(W(form)) - form.top_left.Width() - form.top_right.Width()).Value());
  } else {
    form.topp.SetWidth(6675);
  }
}

void SizeBottomCentre(Form1Controls& form) {
  if ((Formula(form.rightt.Width()) + form.leftt.Width() + 6255).Value() > W(form)) {
    form.bott.SetWidth((Formula(W(form)) - form.leftt.Width() - form.rightt.Width()).Value());
  } else {
    form.bott.SetWidth(6255);
  }
}

void PlaceSideEdges(Form1Controls& form) {
  form.rightf.SetLeft((Formula(W(form)) - form.rightf.Width()).Value());
  form.leftf.SetLeft(0);
  form.rightf.SetTop(form.top_right.Height());
  form.leftf.SetTop(form.top_left.Height());
}

void SizeEdge(Form1Controls& form, Control& edge, const Control& upperCorner,
              const Control& lowerCorner) {
  const float gap = (Formula(H(form)) - upperCorner.Height() - lowerCorner.Height()).Value();
  edge.SetHeight(gap > 0 ? gap : 0);
}

void SizeBottomFillers(Form1Controls& form) {
  if ((Formula(form.rightt.Width()) + form.bott.Width() + form.leftt.Width()).Value() > W(form)) {
    form.bot_lf.SetWidth(0);
    form.bot_rf.SetWidth(0);
  } else {
    form.bot_lf.SetWidth(
        ((Formula(W(form)) - form.bott.Width() - form.rightt.Width() - form.leftt.Width()) / 2)
            .Value());
    form.bot_rf.SetWidth((Formula(form.bot_lf.Width()) + 10).Value());
  }
}

void PlaceBottomRow(Form1Controls& form) {
  form.bott.SetLeft((Formula(form.bot_lf.Width()) + form.leftt.Width()).Value());
  form.bot_rf.SetLeft(
      (Formula(form.bot_lf.Width()) + form.leftt.Width() + form.bott.Width()).Value());
}

void PlaceButtons(Form1Controls& form) {
  form.Image1.SetLeft(600);
  form.Image2.SetLeft(600);
  for (Control* picture :
       {&form.Image1, &form.Image2, &form.Image3, &form.Image4, &form.Image5, &form.Image6}) {
    picture->SetTop((Formula(H(form)) - 1250).Value());
  }
  form.Image3.SetLeft(2000);
  form.Image4.SetLeft(2000);
  form.Image5.SetLeft(1300);
  form.Image6.SetLeft(1300);
}

void PlaceCaptions(Form1Controls& form) {
  form.Label1.SetTop((Formula(H(form)) - 720).Value());
  form.Label1.SetLeft(664);
  form.Label2.SetTop((Formula(H(form)) - 720).Value());
  form.Label2.SetLeft(1305);
  form.Label3.SetTop((Formula(H(form)) - 720).Value());
  form.Label3.SetLeft(1955);
}

void PlaceSendAFriend(Form1Controls& form) {
  form.Image7.SetLeft((Formula(W(form)) - 990).Value());
  form.Image7.SetTop((Formula(H(form)) - 1250).Value());
  form.Label4.SetTop((Formula(H(form)) - 720).Value());
  form.Label4.SetLeft((Formula(W(form)) - 1200).Value());
}

void ShowSendAFriend(Form1Controls& form) {
  const bool narrow = W(form) < 4000;
  form.Image7.SetVisible(!narrow);
  form.Label4.SetVisible(!narrow);
}

void PlaceEverything(Form1Controls& form) {
  if (form.form.State() == WindowState::Minimized) return;
  form.topp.SetWidth(6675);
  form.bott.SetWidth(6255);
  form.flash.SetWidth((Formula(W(form)) - 605 - 765).Value());
  form.flash.SetHeight((Formula(H(form)) - 780 - 780 - 500).Value());
  PlaceTopCorners(form);
  SizeTopFillers(form);
  SizeTopCentre(form);
  SizeBottomCentre(form);
  PlaceTopRow(form);
  HangBottomRow(form);
  PlaceSideEdges(form);
  SizeEdge(form, form.rightf, form.top_right, form.rightt);
  SizeEdge(form, form.leftf, form.top_left, form.leftt);
  form.bot_lf.SetLeft(form.leftt.Width());
  SizeBottomFillers(form);
  PlaceBottomRow(form);
  PlaceButtons(form);
  PlaceCaptions(form);
  PlaceSendAFriend(form);
  ShowSendAFriend(form);
}

}  // namespace

void StartupPass(Form1Controls& form) {
  PlaceTopCorners(form);
  SplitTopGap(form);
  PlaceTopRow(form);
  HangBottomRow(form);
}

void ResizePass(Form1Controls& form) noexcept {
  try {
    PlaceEverything(form);
  } catch (...) {
    // A step that fails ends the pass where it stands; the next Resize places
    // everything again, so there is nothing to report or undo.
  }
}

}  // namespace zingbox
