#include "FakeForm.h"

#include <stdexcept>
#include <string>

namespace zingbox::test {

namespace {

template <class Form>
auto PiecesOf(Form& form) {
  return std::array{&form.Label4,   &form.Image7,    &form.Label3, &form.Label2, &form.Label1, &form.Image6,
                    &form.Image5,   &form.Image4,    &form.Image3, &form.Image2, &form.Image1, &form.rightt,
                    &form.bott,     &form.leftt,     &form.top_left, &form.top_right, &form.topp, &form.top_rf,
                    &form.top_lf,   &form.bot_rf,    &form.bot_lf, &form.rightf, &form.leftf};
}

}  // namespace

std::array<const FakeLabel*, 23> FakeForm::Pieces() const { return PiecesOf(*this); }

FakeLabel& FakeForm::Named(std::string_view name) {
  for (FakeLabel* piece : PiecesOf(*this))
    if (piece->Name() == name) return *piece;
  throw std::out_of_range("no fake named " + std::string(name));
}

}  // namespace zingbox::test
