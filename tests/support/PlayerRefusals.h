#pragma once

#include <cmath>
#include <string>
#include <string_view>

namespace zingbox::test {

// The largest widget side Qt takes, QWIDGETSIZE_MAX; the player's own test holds the two equal.
inline constexpr float LargestWidgetPixels = 16777215;

// What the real player refuses with run-time error 380, so that a recording player takes
// the same path through a handler: a place or size that is not finite or that no widget
// could take, a negative size, a colour text that is neither empty nor six hex digits.
float CheckedPlace(float twips);
float CheckedSize(float twips);
void CheckColour(std::u16string_view colour);

// Values the real player refuses, for its own test and the recording player's alike.
inline constexpr float RefusedPlaces[] = {INFINITY, -INFINITY, NAN, 3e8f, -3e8f};
inline constexpr float RefusedSizes[] = {-15, -0.5f, INFINITY, NAN, 3e8f};
inline constexpr std::u16string_view RefusedColours[] = {u"#99cc99", u"99cc9", u"99cc99 ", u"red", u"99cg99"};

}  // namespace zingbox::test
