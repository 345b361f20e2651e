#pragma once

#include <QByteArray>
#include <QUrl>

namespace zingbox {

// What a movie's request to open `requested` may hand to the desktop, as the exact bytes
// to hand over; empty when it goes nowhere. Only web pages and mail leave the player,
// and a mail keeps its address, copies, subject and body: nothing it could attach or
// hide.
QByteArray DesktopAddress(const QUrl& requested);

}  // namespace zingbox
