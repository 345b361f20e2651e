#pragma once

#include <QWidget>

#include "platform/Control.h"
#include "platform/qt/Twips.h"

namespace zingbox {

// The twips side of a picture or label: a control keeps what was assigned exactly,
// reports it back unchanged, and mirrors it onto its widget in whole pixels.
template <class Interface, class WidgetBase>
class TwipsControl : public WidgetBase, public Interface {
 public:
  TwipsControl(QWidget* parent, const QString& name, TwipsRect design, bool visible)
      : WidgetBase(parent), rect_(design), visible_(visible) {
    RefuseNegativeSize(design.width);
    RefuseNegativeSize(design.height);
    this->setObjectName(name);
    this->setFocusPolicy(Qt::NoFocus);
    Place();
    this->setVisible(visible);
  }

  float Left() const override { return rect_.left; }
  float Top() const override { return rect_.top; }
  float Width() const override { return rect_.width; }
  float Height() const override { return rect_.height; }
  bool Visible() const override { return visible_; }

  void SetLeft(float twips) override {
    rect_.left = twips;
    Place();
  }
  void SetTop(float twips) override {
    rect_.top = twips;
    Place();
  }
  void SetWidth(float twips) override {
    RefuseNegativeSize(twips);
    rect_.width = twips;
    Place();
  }
  void SetHeight(float twips) override {
    RefuseNegativeSize(twips);
    rect_.height = twips;
    Place();
  }
  // The property, not the widget's on-screen state: a control of a window that is not
  // shown yet still reports the value it was given.
  void SetVisible(bool visible) override {
    visible_ = visible;
    this->setVisible(visible);
  }

 private:
  void Place() { this->setGeometry(TwipsToPixels(rect_)); }

  TwipsRect rect_;
  bool visible_;
};

}  // namespace zingbox
