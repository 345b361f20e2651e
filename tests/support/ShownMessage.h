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

// Read wherever the player shows it: its own label over the page, else the page's message.
ShownMessage MessageShownBy(RufflePlayer& player);

}  // namespace zingbox::test
