#pragma once

#include <string>
#include <string_view>

#include "OperationLog.h"
#include "platform/ProgramFolder.h"
#include "window/ValueControls.h"

namespace zingbox::test {

// A picture or label of Form1 at its design values that logs every assignment as
// "<name>.<Property>=<value>"; a refused one is not logged. Reads are not logged, but
// failReads makes every read throw, for tests of a failing property read.
class FakeLabel : public ValueControl {
 public:
  FakeLabel(OperationLog& log, std::string_view name) : ValueControl(DescriptionOf(name)), log_(log), name_(name) {}

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

  const std::string& Name() const { return name_; }
  bool failReads = false;

 private:
  void CheckRead() const;
  OperationLog& log_;
  std::string name_;
};

// Pictures have no caption; the fake is one class so that tests treat all alike.
using FakeControl = FakeLabel;

class FakeTimer : public ValueTimer {
 public:
  explicit FakeTimer(OperationLog& log) : log_(log) {}
  void SetEnabled(bool enabled) override;

 private:
  OperationLog& log_;
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
