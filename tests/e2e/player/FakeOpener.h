#pragma once

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

namespace zingbox::test {

// A stand-in xdg-open first on PATH, in a folder whose name holds a blank as some PATHs
// do. Each call with one argument leaves it in a file named after the clicks that made it.
class FakeOpener {
 public:
  bool Install();
  // Names the calls that follow, for Addresses().
  static void NameClicks(const char* name) { qputenv("ZINGBOX_CLICK_NAME", name); }
  // What the calls under `click` handed over, sorted.
  QStringList Addresses(const QString& click = QStringLiteral("request")) const;
  void Forget();

 private:
  QTemporaryDir bin_{QDir::temp().filePath(QStringLiteral("zingbox opener XXXXXX"))};
  QTemporaryDir requests_;
};

}  // namespace zingbox::test
