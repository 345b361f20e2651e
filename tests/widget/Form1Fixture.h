#pragma once

#include <memory>

#include <QtTest>

#include "platform/qt/QtLabel.h"
#include "platform/qt/QtPicture.h"
#include "tests/support/HostedRecordingPlayer.h"
#include "tests/support/StandInOpener.h"
#include "window/Form1.h"

namespace zingbox::test {

// A Form1 around the recording player, with its controls found by object name as a
// user's tools would find them. No real mail program starts while it lives.
struct Form1Fixture {
  StandInOpener opener;
  OperationLog log;
  HostedRecordingPlayer flash{log};
  std::unique_ptr<Form1> form = std::make_unique<Form1>(flash);

  QtPicture& Picture(const char* name) const {
    auto* picture = form->findChild<QtPicture*>(name);
    if (picture == nullptr) qFatal("no picture %s", name);
    return *picture;
  }
  QtLabel& Caption(const char* name) const {
    auto* label = form->findChild<QtLabel*>(name);
    if (label == nullptr) qFatal("no label %s", name);
    return *label;
  }
  QtTimer& Timer1() const { return *form->findChild<QtTimer*>("Timer1"); }

  bool ShowAndActivate() {
    form->show();
    form->activateWindow();
    return QTest::qWaitForWindowActive(form.get());
  }

  // A user's click at a place of the window, routed by Qt to whatever lies on top there.
  void ClickAt(QPoint pixel) const { QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, pixel); }
  void ClickOn(const QWidget& control) const { ClickAt(control.geometry().center()); }
};

}  // namespace zingbox::test
