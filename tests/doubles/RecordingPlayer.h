#pragma once

#include "OperationLog.h"
#include "platform/MoviePlayer.h"

namespace zingbox::test {

// Records every operation as "flash.<Operation>[=<value>]" in the shared log.
class RecordingPlayer : public MoviePlayer {
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

  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }

 private:
  OperationLog& log_;
  FSCommandHandler handler_;
  // The design place of the player, as the window description gives it.
  float left_ = 720;
  float top_ = 960;
  float width_ = 9135;
  float height_ = 6855;
};

}  // namespace zingbox::test
