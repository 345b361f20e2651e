// Movies made as if on Windows: they ask for their files in whatever case their authors
// typed, not the case the files have on disk. Each says what arrived.
#include "tests/support/Stages.h"
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {
namespace {

using test::SmallStage;

Movie Running(const Actions& firstFrame) {
  Movie movie(SmallStage);
  movie.timeline().actions(firstFrame).showFrame();
  return movie;
}

}  // namespace

ZINGBOX_SWF_RECIPE(Piece) { return Running(Actions().fscommand("piece", "arrived").stop()); }
ZINGBOX_SWF_RECIPE(TWIN) { return Running(Actions().fscommand("twin", "upper").stop()); }
ZINGBOX_SWF_RECIPE(Twin) { return Running(Actions().fscommand("twin", "mixed").stop()); }
ZINGBOX_SWF_RECIPE(escaped) { return Running(Actions().fscommand("escaped", "yes").stop()); }

ZINGBOX_SWF_RECIPE(into_level) { return Running(Actions().getURL("piece.SWF", "_level0")); }

// Loads a sibling into a clip and variables from a subfolder, reaches outside through
// links whose names match only without regard to case, then ticks and tells the level.
ZINGBOX_SWF_RECIPE(into_clip) {
  Movie movie(SmallStage);
  movie.timeline()
      .place(1, movie.defineSprite(Timeline().showFrame()), {.name = "holder"})
      .actions(Actions()
                   .loadMovie("PIECE.swf", "_root.holder")
                   .loadVariables("STAGES/Level.TXT", "_root")
                   .getURL("ESCAPE.swf", "_level1")
                   .getURL("extras/ESCAPED.SWF", "_level2"))
      .showFrame()
      .actions(Actions().fscommand("tick", "").when(Actions().getVariable("level").push("3").equals(),
                                                    Actions().fscommand("level", "3")))
      .showFrame()
      .actions(Actions().gotoAndPlay(2))
      .showFrame();
  return movie;
}

}  // namespace zingbox::swf
