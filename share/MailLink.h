#pragma once

#include <string_view>

namespace zingbox {

// Handed over exactly as written: the only escapes are the four "%0A" (line feeds by the
// mailto scheme); blanks, "!" and the en dashes travel unescaped.
inline constexpr std::u16string_view MailLink =
    u"mailto:"
    u" "
    u"?subject="
    u"You have to try this!!!"
    u"&body="
    u"I just installed Zingbox! Classic Zingbox Pack and I am hooked."
    u"%0A%0A"
    u"You are about to experience the original sights, sounds, and game play that made these "
    u"games a classic in the Zingbox \u2013 every roar and flash is identical to the original "
    u"\u2013 the only difference \u2013 the quarters are free! Zingbox! Classic Zingbox Pack "
    u"includes six addictive games: Krellmoor, Gobalan, Tibb, Wuzz, Vexo Vexorians, and Quib."
    u"%0A%0A"
    u"Zingbox! is totally free and available for download at: "
    u"https://zingbox.org/download";

}  // namespace zingbox
