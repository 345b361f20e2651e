// A border drag on the real window: each step resizes Form1, which runs the resize
// pass, and repaints the whole skin at once, as the desktop would show it. A still
// black widget stands in for the player, so only the window's own work is timed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>

#include "bench/DragSteps.h"
#include "bench/StillPlayer.h"
#include "platform/qt/Twips.h"
#include "window/Form1.h"

namespace zingbox::bench {
namespace {

bool WaitUntilExposed(QWidget& window) {
  for (int round = 0; round < 500 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++round)
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  return window.windowHandle() && window.windowHandle()->isExposed();
}

void BorderDrag(benchmark::State& state) {
  StillPlayer flash;
  Form1 form(flash);
  form.show();
  if (!WaitUntilExposed(form)) {
    state.SkipWithError("the window never appeared");
    return;
  }
  int step = 0;
  for (auto _ : state) {
    const int dragged = DraggedPixels(step++);
    form.resize(Form1ClientWidth + dragged, Form1ClientHeight + dragged);
    form.repaint();
  }
  // The player's width follows the window's through the pass: W - 605 - 765 twips.
  const float outerWidth = PixelsToTwips(form.width()) + ClassicFrameWidth;
  if (flash.Widget()->width() != TwipsToPixels(outerWidth - 1370))
    state.SkipWithError("the resize pass did not run on resize; nothing was measured");
}
BENCHMARK(BorderDrag)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace zingbox::bench

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
