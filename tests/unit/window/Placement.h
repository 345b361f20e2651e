#pragma once

#include <map>
#include <string>

#include "tests/support/FakeForm.h"

namespace zingbox::test {

// Everything the layout can change, keyed "<control>.<Property>" (Visible as 1 or 0),
// so a test can compare whole layouts or pick out single values.
using Placement = std::map<std::string, float>;

Placement PlacementOf(const FakeForm& fake);

// Gives the window a new outer size and raises Resize, as the toolkit does.
void ResizeTo(FakeForm& fake, float width, float height);

// The layout one pass gives a fresh window of that outer size.
Placement FreshLayout(float width, float height);

}  // namespace zingbox::test
