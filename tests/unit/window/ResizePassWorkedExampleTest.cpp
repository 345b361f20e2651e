#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

#include "platform/RuntimeError.h"
#include "tests/unit/window/Placement.h"
#include "window/FrameLayout.h"

namespace zingbox::test {
namespace {

struct WorkedColumn {
  const char* name;
  float width, height;
  std::vector<std::pair<const char*, float>> expected;
};

// Both columns of the worked example, to the twip.
const WorkedColumn kWide{
    "Wide", 12000, 9000,
    {{"flash.Width", 10630},    {"flash.Height", 6940},     {"top_right.Left", 11085},
     {"top_lf.Left", 750},      {"top_lf.Width", 1830},     {"topp.Left", 2580},
     {"topp.Width", 6675},      {"top_rf.Left", 9255},      {"top_rf.Width", 1840},
     {"leftt.Top", 7345},       {"rightt.Left", 10800},     {"rightt.Top", 7510},
     {"bott.Left", 2752.5},     {"bott.Width", 6255},       {"bott.Top", 7705},
     {"bot_lf.Left", 960},      {"bot_lf.Width", 1792.5},   {"bot_lf.Top", 7690},
     {"bot_rf.Left", 9007.5},   {"bot_rf.Width", 1802.5},   {"bot_rf.Top", 7720},
     {"rightf.Left", 11205},    {"rightf.Top", 5775},       {"rightf.Height", 2145},
     {"leftf.Left", 0},         {"leftf.Top", 5595},        {"leftf.Height", 2160},
     {"Image1.Top", 7750},      {"Image2.Top", 7750},       {"Image3.Top", 7750},
     {"Image4.Top", 7750},      {"Image5.Top", 7750},       {"Image6.Top", 7750},
     {"Image7.Top", 7750},      {"Label1.Top", 8280},       {"Label2.Top", 8280},
     {"Label3.Top", 8280},      {"Label4.Top", 8280},       {"Image7.Left", 11010},
     {"Label4.Left", 10800},    {"Image7.Visible", 1},      {"Label4.Visible", 1}}};

const WorkedColumn kNarrow{
    "Narrow", 3600, 6000,
    {{"flash.Width", 2230},     {"flash.Height", 3940},     {"top_right.Left", 2685},
     {"top_lf.Left", 750},      {"top_lf.Width", 0},        {"topp.Left", 750},
     {"topp.Width", 1935},      {"top_rf.Left", 2685},      {"top_rf.Width", 0},
     {"leftt.Top", 4345},       {"rightt.Left", 2400},      {"rightt.Top", 4510},
     {"bott.Left", 960},        {"bott.Width", 1440},       {"bott.Top", 4705},
     {"bot_lf.Left", 960},      {"bot_lf.Width", 0},        {"bot_lf.Top", 4690},
     {"bot_rf.Left", 2400},     {"bot_rf.Width", 10},       {"bot_rf.Top", 4720},
     {"rightf.Left", 2805},     {"rightf.Top", 5775},       {"rightf.Height", 0},
     {"leftf.Left", 0},         {"leftf.Top", 5595},        {"leftf.Height", 0},
     {"Image1.Top", 4750},      {"Image2.Top", 4750},       {"Image3.Top", 4750},
     {"Image4.Top", 4750},      {"Image5.Top", 4750},       {"Image6.Top", 4750},
     {"Image7.Top", 4750},      {"Label1.Top", 5280},       {"Label2.Top", 5280},
     {"Label3.Top", 5280},      {"Label4.Top", 5280},       {"Image7.Left", 2610},
     {"Label4.Left", 2400},     {"Image7.Visible", 0},      {"Label4.Visible", 0}}};

void PrintTo(const WorkedColumn& column, std::ostream* out) { *out << column.name; }

class WorkedExample : public testing::TestWithParam<WorkedColumn> {};

void ExpectColumn(const Placement& placement, const WorkedColumn& column) {
  for (const auto& [key, value] : column.expected) {
    ASSERT_TRUE(placement.count(key)) << key;
    EXPECT_EQ(placement.at(key), value) << key;
  }
}

TEST_P(WorkedExample, ResizePassPlacesEveryPieceToTheTwip) {
  FakeForm fake;
  ResizeTo(fake, GetParam().width, GetParam().height);
  ExpectColumn(PlacementOf(fake), GetParam());
}

TEST_P(WorkedExample, AStartUpPassBeforehandLeavesTheSameLayout) {
  FakeForm fake;
  fake.form.width = GetParam().width;
  fake.form.height = GetParam().height;
  // The narrow column's start-up pass refuses its negative top filler; the resize pass
  // must still place everything from whatever the start-up pass left.
  try {
    StartupPass(fake.controls);
  } catch (const RuntimeError&) {
  }
  ResizePass(fake.controls);
  ExpectColumn(PlacementOf(fake), GetParam());
}

INSTANTIATE_TEST_SUITE_P(BothColumns, WorkedExample, testing::Values(kWide, kNarrow),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zingbox::test
