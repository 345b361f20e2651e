#pragma once

#include <QString>

#include "platform/ruffle/PlayerWatch.h"

namespace zingbox {
class RufflePlayer;
}

namespace zingbox::test {

// What the player shows over its area in place of a movie, read off its label as the user
// sees it; all empty while it shows none.
PlayerNotice MessageShownBy(RufflePlayer& player);
// The same, its three parts a line each, or empty.
QString MessageTextShownBy(RufflePlayer& player);

}  // namespace zingbox::test
