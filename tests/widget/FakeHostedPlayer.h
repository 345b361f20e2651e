#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "platform/qt/HostedPlayer.h"

namespace zingbox::test {

// A plain focusable widget in the player's place: records what the window asks of the
// player, can refuse one operation, and raises FSCommand on demand. Like the real
// player, it refuses a negative size or a place no widget can take, and a load leaves
// the keyboard focus where it was.
class FakeHostedPlayer : public HostedPlayer {
 public:
  FakeHostedPlayer();

  QWidget* Widget() override { return &widget_; }
  void SetMovie(const std::u16string& path) override;
  void SetBGColor(const std::u16string& colour) override;
  void Play() override;
  void StopPlay() override;
  void SetLeft(float twips) override;
  void SetTop(float twips) override;
  void SetWidth(float twips) override;
  void SetHeight(float twips) override;
  void OnFSCommand(FSCommandHandler handler) override { fsCommand_ = std::move(handler); }

  void RaiseFSCommand(const std::u16string& command, const std::u16string& args) { fsCommand_(command, args); }

  // "Operation" or "Operation=value", in call order.
  std::vector<std::string> operations;
  // An operation (name without value) to refuse whatever its value.
  std::string refuse;
  bool windowShownAtFirstMovie = false;
  float left = 0, top = 0, width = 0, height = 0;

 private:
  // Throws RuntimeError 380 instead of recording when the operation is refused.
  void Record(const std::string& operation, const std::string& value = {}, bool acceptable = true);
  // Records the operation, stores `twips` in `field` and moves the widget there.
  void Place(const std::string& operation, float& field, float twips, bool acceptable);

  QWidget widget_;
  FSCommandHandler fsCommand_;
  bool movieLoaded_ = false;
};

}  // namespace zingbox::test
