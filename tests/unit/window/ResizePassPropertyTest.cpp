#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>
#include <vector>

#include "tests/unit/window/Placement.h"
#include "window/FrameLayout.h"

namespace zingbox::test {
namespace {

// Sizes a window can report plus the ones that make the formulas fail: zero, negative,
// near the edges of float, infinite and not-a-number, and every boundary of the rows.
std::vector<float> EdgeSizes() {
  return {0,       -0.0f,    -1,       1,       1369,     1370,     2059,      2060,
          3999,    4000,     6840,     6855,    8339,     8340,     8414,      8415,
          1e38f,   -1e38f,   FLT_MAX,  -FLT_MAX, FLT_MIN, -FLT_MIN, 16777217.0f, 3e38f,
          INFINITY, -INFINITY, NAN};
}

float RandomSize(std::mt19937& random, const std::vector<float>& edges) {
  switch (std::uniform_int_distribution<int>(0, 3)(random)) {
    case 0:
      return edges[std::uniform_int_distribution<size_t>(0, edges.size() - 1)(random)];
    case 1:
      return std::uniform_real_distribution<float>(-20000, 40000)(random);
    case 2:
      return static_cast<float>(std::uniform_int_distribution<int>(0, 30000)(random));
    default: {
      const float magnitude = std::pow(10.0f, std::uniform_real_distribution<float>(0, 38.5f)(random));
      return std::bernoulli_distribution(0.8)(random) ? magnitude : -magnitude;
    }
  }
}

void ExpectFillersAndEdgesInBounds(const FakeForm& fake) {
  EXPECT_GE(fake.top_lf.Width(), 0);
  EXPECT_GE(fake.top_rf.Width(), 0);
  EXPECT_GE(fake.bot_lf.Width(), 0);
  EXPECT_GE(fake.bot_rf.Width(), 0);
  EXPECT_GE(fake.leftf.Height(), 0);
  EXPECT_GE(fake.rightf.Height(), 0);
  // A pair is closed together, or its right filler is ten twips wider than its left.
  for (const auto& [leftFiller, rightFiller] :
       {std::pair{&fake.top_lf, &fake.top_rf}, std::pair{&fake.bot_lf, &fake.bot_rf}}) {
    const float left = leftFiller->Width();
    const float right = rightFiller->Width();
    const bool closed = left == 0 && right == 0;
    EXPECT_TRUE(closed || right == static_cast<float>(double(left) + 10))
        << leftFiller->Name() << " " << left << ", " << rightFiller->Name() << " " << right;
  }
}

TEST(ResizePassProperties, HoldForAnySequenceOfSizesAndStates) {
  std::mt19937 random(20240517);
  const std::vector<float> edges = EdgeSizes();
  FakeForm fake;
  ResizeTo(fake, 11430, 9720);  // the opening pass relates the fillers of each pair

  // Pieces read before either filler of a pair is set, so a failed read of one of them
  // cannot split a pair.
  FakeControl* const readable[] = {&fake.top_left, &fake.top_right, &fake.topp,
                                   &fake.leftt,    &fake.rightt,    &fake.bott};
  for (int round = 0; round < 20000; ++round) {
    const float width = RandomSize(random, edges);
    const float height = RandomSize(random, edges);
    fake.form.state = std::bernoulli_distribution(0.05)(random) ? WindowState::Minimized
                                                                 : WindowState::Normal;
    // Now and then a piece cannot be read, as a real control might fail.
    FakeControl* failing = std::bernoulli_distribution(0.05)(random)
                               ? readable[std::uniform_int_distribution<int>(0, 5)(random)]
                               : nullptr;
    const auto pass = [&] {
      if (failing) failing->failReads = true;
      ResizeTo(fake, width, height);  // noexcept: an escaping error would end the test run
      if (failing) failing->failReads = false;
    };
    pass();
    SCOPED_TRACE(testing::Message() << "round " << round << ": " << width << " x " << height);
    ExpectFillersAndEdgesInBounds(fake);

    const Placement once = PlacementOf(fake);
    pass();
    ASSERT_EQ(PlacementOf(fake), once) << "a second pass at the same size moved something";
    fake.log.Clear();

    if (round % 1000 == 0) {
      fake.form.state = WindowState::Normal;
      ResizeTo(fake, 12000, 9000);
      ASSERT_EQ(PlacementOf(fake), FreshLayout(12000, 9000)) << "a valid size did not repair the layout";
    }
  }
}

}  // namespace
}  // namespace zingbox::test
