#pragma once

#include <string>

#include "OperationLog.h"
#include "platform/Label.h"
#include "platform/ProgramFolder.h"
#include "platform/Timer.h"
#include "platform/WindowMetrics.h"

namespace zingbox::test {

struct Rect {
  float left, top, width, height;
};

// Stores assignments exactly and logs them as "<name>.<Property>=<value>"; refuses a
// negative size as the real controls do. Reads are not logged, but failReads makes
// every read throw, for tests of a failing property read.
class FakeLabel : public Label {
 public:
  FakeLabel(OperationLog& log, std::string name, Rect design, bool visible = true)
      : log_(log), name_(std::move(name)), rect_(design), visible_(visible) {}

  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;
  bool Visible() const override;
  void SetLeft(float twips) override;
  void SetTop(float twips) override;
  void SetWidth(float twips) override;
  void SetHeight(float twips) override;
  void SetVisible(bool visible) override;
  void SetCaption(const std::u16string& caption) override;

  const std::u16string& Caption() const { return caption_; }
  const std::string& Name() const { return name_; }
  bool failReads = false;

 private:
  void CheckRead() const;
  OperationLog& log_;
  std::string name_;
  Rect rect_;
  bool visible_;
  std::u16string caption_;
};

// Pictures have no caption; the fake is one class so that tests treat all alike.
using FakeControl = FakeLabel;

class FakeTimer : public Timer {
 public:
  explicit FakeTimer(OperationLog& log) : log_(log) {}
  void SetEnabled(bool enabled) override;
  bool Enabled() const { return enabled_; }

 private:
  OperationLog& log_;
  bool enabled_ = false;
};

class FakeWindowMetrics : public WindowMetrics {
 public:
  float Width() const override { return width; }
  float Height() const override { return height; }
  WindowState State() const override { return state; }

  // The opening size: client 11310 x 9315 plus the classic frame.
  float width = 11430;
  float height = 9720;
  WindowState state = WindowState::Normal;
};

class FakeProgramFolder : public ProgramFolder {
 public:
  FakeProgramFolder(OperationLog& log, std::u16string folder) : log_(log), folder_(std::move(folder)) {}
  // Logged as "MovieFolder", so tests see that it is asked at every load.
  std::u16string MovieFolder() const override;

 private:
  OperationLog& log_;
  std::u16string folder_;
};

}  // namespace zingbox::test
