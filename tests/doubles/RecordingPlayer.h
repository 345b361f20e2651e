#pragma once

#include "OperationLog.h"
#include "window/ValueControls.h"

namespace zingbox::test {

// Records every operation as "flash.<Operation>[=<value>]" in the shared log and keeps
// the container's place and size from the design place on.
class RecordingPlayer : public ValuePlayer {
 public:
  explicit RecordingPlayer(OperationLog& log) : log_(log) {}

  void SetMovie(const std::u16string& path) override;
  void SetBGColor(const std::u16string& colour) override;
  void Play() override;
  void StopPlay() override;
  void SetLeft(float twips) override;
  void SetTop(float twips) override;
  void SetWidth(float twips) override;
  void SetHeight(float twips) override;
  void OnFSCommand(FSCommandHandler handler) override { handler_ = std::move(handler); }

  // Plays the movie's part: raises FSCommand as a movie would.
  void RaiseFSCommand(const std::u16string& command, const std::u16string& args);

 private:
  OperationLog& log_;
  FSCommandHandler handler_;
};

}  // namespace zingbox::test
