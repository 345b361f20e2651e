// The resize pass alone, with nothing painted, while a border is dragged. Over value
// controls it times the pass itself; over the tests' recording fakes, for comparison,
// it also pays for their log.
#include <benchmark/benchmark.h>

#include "bench/DragSteps.h"
#include "tests/support/FakeForm.h"
#include "window/FrameLayout.h"
#include "window/ValueForm.h"

namespace zingbox::bench {
namespace {

const float OpeningWidth = ValueWindow().width;

float DraggedWidth(int step) { return OpeningWidth + 15.0f * static_cast<float>(DraggedPixels(step)); }

void ResizePassOverValueControls(benchmark::State& state) {
  ValueForm values;
  int step = 0;
  for (auto _ : state) {
    values.form.width = DraggedWidth(step++);
    ResizePass(values.Controls());
  }
  if (values.flash.Width() != values.form.width - 1370)
    state.SkipWithError("the pass did not size the player; nothing was measured");
}
BENCHMARK(ResizePassOverValueControls)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

void ResizePassOverRecordingFakes(benchmark::State& state) {
  test::FakeForm fake;
  int step = 0;
  for (auto _ : state) {
    fake.form.width = DraggedWidth(step++);
    ResizePass(fake.controls);
    fake.log.Clear();  // or the log grows without end
  }
  if (fake.flash.Width() != fake.form.width - 1370)
    state.SkipWithError("the pass did not size the player; nothing was measured");
}
BENCHMARK(ResizePassOverRecordingFakes)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

}  // namespace
}  // namespace zingbox::bench

BENCHMARK_MAIN();
