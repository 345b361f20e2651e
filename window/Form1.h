#pragma once

#include <map>
#include <optional>
#include <string_view>

#include <QCoreApplication>
#include <QWidget>

#include "platform/qt/HostedPlayer.h"
#include "platform/qt/QtLabel.h"
#include "platform/qt/QtPicture.h"
#include "platform/qt/QtProgramFolder.h"
#include "platform/qt/QtTimer.h"
#include "platform/qt/QtWindowMetrics.h"
#include "shell/ShellState.h"
#include "window/ErrorBoundary.h"
#include "window/Form1Controls.h"
#include "window/Form1Description.h"

namespace zingbox {

// The program's one window: the player framed by the skin, the buttons and their
// captions. It routes exactly eight events to their handlers; nothing else reacts.
class Form1 : public QWidget, private NamedControls {
  Q_OBJECT

 public:
  // Hosts flash's widget as a child window for Form1's lifetime; flash keeps owning it.
  // The movies come from packFolder.
  explicit Form1(HostedPlayer& flash, const QString& packFolder = QCoreApplication::applicationDirPath());
  ~Form1() override;

  ShellState& State() { return state_; }

  // Load runs here, once, right before the window is first shown.
  void setVisible(bool visible) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateControl(const ControlDescription& control);
  void ArrangeInDescriptionOrder();
  void ConnectEvents();
  void WhenClicked(QtPicture& button, const QString& duringAction, std::function<void()> handler);
  void Resize();
  QtPicture& Picture(std::string_view name) override;
  QtLabel& Caption(std::string_view name) override;

  HostedPlayer& flash_;
  QtWindowMetrics metrics_{*this};
  QtProgramFolder folder_;
  QtTimer Timer1_{this, QStringLiteral("Timer1"), Timer1IntervalMilliseconds};
  std::map<std::string_view, QtPicture*> pictures_;
  std::map<std::string_view, QtLabel*> labels_;
  std::optional<Form1Controls> controls_;
  ShellState state_;
  ErrorBoundary boundary_{*this};
  bool loaded_ = false;
};

}  // namespace zingbox
