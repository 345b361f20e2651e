#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace zingbox::test {

// The X display, driven as a user drives it, through xdotool.

// Clicks `local` of `widget` with the pointer of the X display.
bool ClickOnDisplay(const QWidget& widget, QPoint local);
// Holds `key` down on the X display while `wait` runs, and tells what it gave.
bool WhileKeyHeld(const QString& key, const std::function<bool()>& wait);
// The first visible window of process `pid` whose caption is exactly `caption`; empty if none.
QString WindowOf(qint64 pid, const QString& caption);
// The outer place and size of `window` on the display.
QRect GeometryOf(const QString& window);

}  // namespace zingbox::test
