#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

namespace zingbox {

// Gives a freshly loaded player page a while to get ready, and says what kept it from
// that when it does not: a missing script, or the first script error of the page's own
// files. Use on the UI thread.
class PageStartWatch : public QObject {
  Q_OBJECT

 public:
  static constexpr int PatienceMs = 15'000;

  explicit PageStartWatch(QObject* parent);

  // The page starts loading now. `missingScript` names a script it is known to lack.
  void Start(const QString& missingScript);
  void ScriptFailed(const QString& message, int line, const QUrl& source);
  // The page got ready, or is given up on.
  void Stop() { timer_.stop(); }

 signals:
  // `file` is empty when no file is to blame.
  void NotReady(const QString& file, const QString& reason);

 private:
  void GiveUp();

  QTimer timer_;
  QString blamedFile_;
  QString reason_;
};

}  // namespace zingbox
