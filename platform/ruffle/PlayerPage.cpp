#include "platform/ruffle/PlayerPage.h"

#include <QWebEngineNewWindowRequest>

namespace zingbox {

PlayerPage::PlayerPage(QWebEngineProfile* profile, const QUrl& hostPage, QObject* parent)
    : QWebEnginePage(profile, parent), hostPage_(hostPage) {
  // A new window is never opened here; what it would have shown is a link request.
  connect(this, &QWebEnginePage::newWindowRequested, this,
          [this](QWebEngineNewWindowRequest& request) { emit LinkRequested(request.requestedUrl()); });
}

bool PlayerPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
  if (isMainFrame && !hostPageLoaded_ && url == hostPage_) {
    hostPageLoaded_ = true;
    return true;
  }
  emit LinkRequested(url);
  return false;
}

void PlayerPage::javaScriptAlert(const QUrl&, const QString&) {}

bool PlayerPage::javaScriptConfirm(const QUrl&, const QString&) { return false; }

bool PlayerPage::javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) {
  return false;
}

}  // namespace zingbox
