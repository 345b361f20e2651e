#pragma once

#include <QString>

namespace zingbox {
class RufflePlayer;
}

namespace zingbox::test {

// What the player shows over its area instead of a movie, in its three parts; all empty
// while it shows none.
struct ShownMessage {
  QString title, file, reason;

  // The three parts a line each, or empty.
  QString Text() const;
};

// Read off the label the player shows over its area, as the user sees it.
ShownMessage MessageShownBy(RufflePlayer& player);

}  // namespace zingbox::test
