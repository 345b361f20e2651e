#include "tests/support/Display.h"

#include <QProcess>

namespace zingbox::test {
namespace {

// Whether xdotool did what it was asked.
bool Xdotool(const QStringList& arguments) { return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0; }

// What xdotool printed, trimmed.
QString XdotoolOutput(const QStringList& arguments) {
  QProcess xdotool;
  xdotool.start(QStringLiteral("xdotool"), arguments);
  xdotool.waitForFinished();
  return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

}  // namespace

bool ClickOnDisplay(const QWidget& widget, QPoint local) {
  const QPoint global = widget.mapToGlobal(local);
  return Xdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
                  QStringLiteral("click"), QStringLiteral("1")});
}

bool WhileKeyHeld(const QString& key, const std::function<bool()>& wait) {
  if (!Xdotool({QStringLiteral("keydown"), key})) return false;
  const bool gave = wait();
  Xdotool({QStringLiteral("keyup"), key});
  return gave;
}

QString WindowOf(qint64 pid, const QString& caption) {
  return XdotoolOutput({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                        QString::number(pid), QStringLiteral("--name"), QLatin1Char('^') + caption + QLatin1Char('$')})
      .section(QLatin1Char('\n'), 0, 0);
}

QRect GeometryOf(const QString& window) {
  QRect geometry;
  const QString shell = XdotoolOutput({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
  for (const QString& line : shell.split(QLatin1Char('\n'))) {
    const QString name = line.section(QLatin1Char('='), 0, 0);
    const int value = line.section(QLatin1Char('='), 1).toInt();
    if (name == QLatin1String("X")) geometry.moveLeft(value);
    if (name == QLatin1String("Y")) geometry.moveTop(value);
    if (name == QLatin1String("WIDTH")) geometry.setWidth(value);
    if (name == QLatin1String("HEIGHT")) geometry.setHeight(value);
  }
  return geometry;
}

}  // namespace zingbox::test
