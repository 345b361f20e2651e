#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "platform/RuntimeError.h"
#include "tests/unit/window/Placement.h"
#include "window/FrameLayout.h"

namespace zingbox::test {
namespace {

struct WorkedColumn {
  const char* name;
  float width, height;
  // Every assignment of the pass, in step order: the order decides what survives a failed step.
  std::vector<std::string> assignments;
};

// Both columns of the worked example, to the twip.
const WorkedColumn kWide{"Wide", 12000, 9000, {
      "topp.Width=6675",      "bott.Width=6255",      "flash.Width=10630",
      "flash.Height=6940",    "top_left.Left=0",      "top_right.Left=11085",
      "top_lf.Left=750",      "top_lf.Width=1830",    "top_rf.Width=1840",
      "topp.Width=6675",      "bott.Width=6255",      "topp.Left=2580",
      "top_rf.Left=9255",     "leftt.Left=0",         "leftt.Top=7345",
      "rightt.Left=10800",    "rightt.Top=7510",      "bott.Top=7705",
      "bot_lf.Top=7690",      "bot_rf.Top=7720",      "rightf.Left=11205",
      "leftf.Left=0",         "rightf.Top=5775",      "leftf.Top=5595",
      "rightf.Height=2145",   "leftf.Height=2160",    "bot_lf.Left=960",
      "bot_lf.Width=1792.5",  "bot_rf.Width=1802.5",  "bott.Left=2752.5",
      "bot_rf.Left=9007.5",   "Image1.Left=600",      "Image2.Left=600",
      "Image1.Top=7750",      "Image2.Top=7750",      "Image3.Top=7750",
      "Image4.Top=7750",      "Image5.Top=7750",      "Image6.Top=7750",
      "Image3.Left=2000",     "Image4.Left=2000",     "Image5.Left=1300",
      "Image6.Left=1300",     "Label1.Top=8280",      "Label1.Left=664",
      "Label2.Top=8280",      "Label2.Left=1305",     "Label3.Top=8280",
      "Label3.Left=1955",     "Image7.Left=11010",    "Image7.Top=7750",
      "Label4.Top=8280",      "Label4.Left=10800",    "Image7.Visible=true",
      "Label4.Visible=true"}};

const WorkedColumn kNarrow{"Narrow", 3600, 6000, {
      "topp.Width=6675",      "bott.Width=6255",      "flash.Width=2230",
      "flash.Height=3940",    "top_left.Left=0",      "top_right.Left=2685",
      "top_lf.Left=750",      "top_lf.Width=0",       "top_rf.Width=0",
      "topp.Width=1935",      "bott.Width=1440",      "topp.Left=750",
      "top_rf.Left=2685",     "leftt.Left=0",         "leftt.Top=4345",
      "rightt.Left=2400",     "rightt.Top=4510",      "bott.Top=4705",
      "bot_lf.Top=4690",      "bot_rf.Top=4720",      "rightf.Left=2805",
      "leftf.Left=0",         "rightf.Top=5775",      "leftf.Top=5595",
      "rightf.Height=0",      "leftf.Height=0",       "bot_lf.Left=960",
      "bot_lf.Width=0",       "bot_rf.Width=10",      "bott.Left=960",
      "bot_rf.Left=2400",     "Image1.Left=600",      "Image2.Left=600",
      "Image1.Top=4750",      "Image2.Top=4750",      "Image3.Top=4750",
      "Image4.Top=4750",      "Image5.Top=4750",      "Image6.Top=4750",
      "Image3.Left=2000",     "Image4.Left=2000",     "Image5.Left=1300",
      "Image6.Left=1300",     "Label1.Top=5280",      "Label1.Left=664",
      "Label2.Top=5280",      "Label2.Left=1305",     "Label3.Top=5280",
      "Label3.Left=1955",     "Image7.Left=2610",     "Image7.Top=4750",
      "Label4.Top=5280",      "Label4.Left=2400",     "Image7.Visible=false",
      "Label4.Visible=false"}};

void PrintTo(const WorkedColumn& column, std::ostream* out) { *out << column.name; }

class WorkedExample : public testing::TestWithParam<WorkedColumn> {};

TEST_P(WorkedExample, ResizePassAssignsEveryPropertyInStepOrderToTheTwip) {
  FakeForm fake;
  ResizeTo(fake, GetParam().width, GetParam().height);
  EXPECT_EQ(fake.log.Ops(), GetParam().assignments);
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
  const Placement placement = PlacementOf(fake);
  std::map<std::string, float> last;  // what each assignment of the column leaves
  for (const std::string& assignment : GetParam().assignments) {
    const std::string value = assignment.substr(assignment.find('=') + 1);
    last[assignment.substr(0, assignment.find('='))] = value == "true" ? 1 : value == "false" ? 0 : std::stof(value);
  }
  for (const auto& [key, value] : last) EXPECT_EQ(placement.at(key), value) << key;
}

INSTANTIATE_TEST_SUITE_P(BothColumns, WorkedExample, testing::Values(kWide, kNarrow),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zingbox::test
