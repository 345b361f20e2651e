#pragma once

#include <QUrl>
#include <QWebEnginePage>

namespace zingbox {

// The page that hosts the engine. It stays on its own document for good: a movie's
// request to open a web page or a mail address goes to the desktop, every other
// navigation is refused.
class PlayerPage : public QWebEnginePage {
  Q_OBJECT

 public:
  PlayerPage(QWebEngineProfile* profile, const QUrl& hostPage, QObject* parent);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

 private:
  QUrl hostPage_;
  bool hostPageLoaded_ = false;
};

}  // namespace zingbox
