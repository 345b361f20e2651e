#pragma once

#include <QUrl>
#include <QWebEnginePage>

namespace zingbox {

// The page that hosts the engine. It stays on its own document for good: it is loaded
// once, and every later navigation, new window or form is refused and reported as a
// link the movie asked for. It never shows a dialog.
class PlayerPage : public QWebEnginePage {
  Q_OBJECT

 public:
  PlayerPage(QWebEngineProfile* profile, const QUrl& hostPage, QObject* parent);

 signals:
  void LinkRequested(const QUrl& url);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  // Only a movie could ask for these boxes, and a movie gets no say on the desktop. The
  // leave-page question comes here too, and is answered no.
  void javaScriptAlert(const QUrl& origin, const QString& message) override;
  bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
  bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& defaultValue,
                        QString* result) override;

 private:
  QUrl hostPage_;
  bool hostPageLoaded_ = false;
};

}  // namespace zingbox
