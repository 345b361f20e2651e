#pragma once

#include <string>
#include <utility>

#include "OperationLog.h"
#include "PlayerRefusals.h"
#include "platform/MoviePlayer.h"
#include "window/Form1Description.h"

namespace zingbox::test {

// Records every operation as "flash.<Operation>[=<value>]" in the shared log and keeps the
// container's place and size, from the design place on. What the real player refuses it
// refuses too, unrecorded and unchanged. Built on the contract the code under test takes:
// RecordingPlayer for the handlers and passes, HostedRecordingPlayer for the window.
template <class Contract>
class RecordingPlayerOn : public Contract {
 public:
  explicit RecordingPlayerOn(OperationLog& log) : log_(log) {}

  void SetMovie(const std::u16string& path) override {
    log_.Record("flash.Movie=" + Utf8(path));
    MovieTaken();
  }
  void SetBGColor(const std::u16string& colour) override {
    CheckColour(colour);
    log_.Record("flash.BGColor=" + Utf8(colour));
  }
  void Play() override { log_.Record("flash.Play"); }
  void StopPlay() override { log_.Record("flash.StopPlay"); }
  void SetLeft(float twips) override { Place("Left", left_, CheckedPlace(twips)); }
  void SetTop(float twips) override { Place("Top", top_, CheckedPlace(twips)); }
  void SetWidth(float twips) override { Place("Width", width_, CheckedSize(twips)); }
  void SetHeight(float twips) override { Place("Height", height_, CheckedSize(twips)); }
  void OnFSCommand(MoviePlayer::FSCommandHandler handler) override { handler_ = std::move(handler); }

  // Plays the movie's part: raises FSCommand as a movie would.
  void RaiseFSCommand(const std::u16string& command, const std::u16string& args) {
    if (handler_) handler_(command, args);
  }

  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }

 protected:
  virtual void Placed() {}
  virtual void MovieTaken() {}

 private:
  void Place(const char* property, float& field, float twips) {
    log_.Record(std::string("flash.") + property + "=" + TwipsText(twips));
    field = twips;
    Placed();
  }

  OperationLog& log_;
  MoviePlayer::FSCommandHandler handler_;
  float left_ = DescriptionOf("flash").left;
  float top_ = DescriptionOf("flash").top;
  float width_ = DescriptionOf("flash").width;
  float height_ = DescriptionOf("flash").height;
};

using RecordingPlayer = RecordingPlayerOn<MoviePlayer>;

}  // namespace zingbox::test
