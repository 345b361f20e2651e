// Movies made as if on Windows: they ask for their files in whatever case their authors
// typed, which need not be the case the files have on disk. Each says what arrived.
#include <string>

#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {
namespace {

constexpr Stage SmallStage = {.width = 320, .height = 240, .frameRate = 30, .background = Color::rgb(0x304020)};

Movie Saying(const char* command, const char* args) {
  Movie movie(SmallStage);
  movie.timeline().actions(Actions().fscommand(command, args).stop()).showFrame();
  return movie;
}

// A loader: an empty clip "holder" to load into, `requests` in the first frame, then a
// tick and `everyFrame` in every frame after it.
Movie Loader(const Actions& requests, const Actions& everyFrame = Actions()) {
  Movie movie(SmallStage);
  const CharacterId empty = movie.defineSprite(Timeline().showFrame());
  movie.timeline()
      .place(1, empty, {.name = "holder"})
      .actions(requests)
      .showFrame()
      .actions(Actions().fscommand("tick", "").append(everyFrame))
      .showFrame()
      .actions(Actions().gotoAndPlay(2))
      .showFrame();
  return movie;
}

}  // namespace

// What the loaders ask for; the test lays them out on disk under other names.
ZINGBOX_SWF_RECIPE(Piece) { return Saying("piece", "arrived"); }
ZINGBOX_SWF_RECIPE(TWIN) { return Saying("twin", "upper"); }
ZINGBOX_SWF_RECIPE(Twin) { return Saying("twin", "mixed"); }
ZINGBOX_SWF_RECIPE(escaped) { return Saying("escaped", "yes"); }

ZINGBOX_SWF_RECIPE(into_level) { return Loader(Actions().getURL("piece.SWF", "_level0")); }

ZINGBOX_SWF_RECIPE(into_clip) { return Loader(Actions().loadMovie("PIECE.swf", "_root.holder")); }

ZINGBOX_SWF_RECIPE(into_folder) {
  return Loader(
      Actions().loadMovie("stages/BONUS.swf", "_root.holder").loadVariables("STAGES/Level.TXT", "_root"),
      Actions().when(Actions().getVariable("level").push("3").equals(), Actions().fscommand("level", "3")));
}

// Reaches outside through links whose names match only when case is ignored, beside a
// file of its own folder asked for in the same frame.
ZINGBOX_SWF_RECIPE(escape_attempts) {
  return Loader(Actions()
                    .getURL("ESCAPE.swf", "_level1")
                    .getURL("extras/ESCAPED.SWF", "_level2")
                    .loadMovie("piece.swf", "_root.holder"));
}

}  // namespace zingbox::swf
