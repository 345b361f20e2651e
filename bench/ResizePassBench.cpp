// The resize pass alone, with nothing painted, while a border is dragged. Over quiet
// controls it times the pass itself; over the tests' recording fakes, for comparison,
// it also pays for their log.
#include <benchmark/benchmark.h>

#include "bench/DragSteps.h"
#include "bench/QuietForm.h"
#include "tests/doubles/FakeForm.h"
#include "window/FrameLayout.h"

namespace zingbox::bench {
namespace {

constexpr float OpeningWidth = 11430;

float DraggedWidth(int step) { return OpeningWidth + 15.0f * static_cast<float>(DraggedPixels(step)); }

void ResizePassOverQuietControls(benchmark::State& state) {
  QuietForm quiet;
  int step = 0;
  for (auto _ : state) {
    quiet.form.width = DraggedWidth(step++);
    ResizePass(quiet.Controls());
  }
  if (quiet.flash.width != quiet.form.width - 1370)
    state.SkipWithError("the pass did not size the player; nothing was measured");
}
BENCHMARK(ResizePassOverQuietControls)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

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
