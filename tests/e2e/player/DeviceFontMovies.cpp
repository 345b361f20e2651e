// The device-font test movies (see DeviceFontSheet.h).
#include <string>

#include "tests/e2e/player/DeviceFontSheet.h"
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {
namespace {

namespace sheet = test::device_fonts;

Movie FontSheet(sheet::Style style, const char* name) {
  Movie movie({.width = 320, .height = 240, .frameRate = 30, .background = Color::rgb(0xffffff)});
  int depth = 1;
  for (const sheet::Row& row : sheet::Rows) {
    const double top = (depth - 1) * sheet::RowHeight;
    const double width = row.windowsWidth[static_cast<int>(style)] + sheet::Slack;
    const CharacterId field = movie.defineText({.content = sheet::Sample,
                                                .area = {sheet::Left, top, width, sheet::RowHeight},
                                                .size = sheet::TextSize,
                                                .color = Color::rgb(0x000000),
                                                .font = row.name,
                                                .bold = style == sheet::Style::Bold,
                                                .italic = style == sheet::Style::Italic});
    movie.timeline().place(depth++, field);
  }
  movie.timeline().actions(Actions().fscommand("started", name).stop()).showFrame();
  return movie;
}

}  // namespace

ZINGBOX_SWF_RECIPE(fonts_plain) { return FontSheet(sheet::Style::Plain, "fonts_plain"); }
ZINGBOX_SWF_RECIPE(fonts_bold) { return FontSheet(sheet::Style::Bold, "fonts_bold"); }
ZINGBOX_SWF_RECIPE(fonts_italic) { return FontSheet(sheet::Style::Italic, "fonts_italic"); }

}  // namespace zingbox::swf
