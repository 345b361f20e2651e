#include "platform/ruffle/PlayerPage.h"

#include <QDesktopServices>
#include <QWebEngineNewWindowRequest>

namespace zingbox {
namespace {

// What a movie may hand to the desktop: web pages and mail. Local files and scripts
// never leave the player.
bool IsForTheDesktop(const QUrl& url) {
  const QString scheme = url.scheme();
  return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
         scheme == QLatin1String("mailto");
}

void HandToDesktop(const QUrl& url) {
  if (IsForTheDesktop(url)) QDesktopServices::openUrl(url);
}

}  // namespace

PlayerPage::PlayerPage(QWebEngineProfile* profile, const QUrl& hostPage, QObject* parent)
    : QWebEnginePage(profile, parent), hostPage_(hostPage) {
  // A new window is never opened here; what it would have shown goes to the desktop.
  connect(this, &QWebEnginePage::newWindowRequested, this,
          [](QWebEngineNewWindowRequest& request) { HandToDesktop(request.requestedUrl()); });
}

bool PlayerPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
  // The host page itself is loaded exactly once; nothing may replace or reload it.
  if (isMainFrame && !hostPageLoaded_ && url == hostPage_) {
    hostPageLoaded_ = true;
    return true;
  }
  HandToDesktop(url);
  return false;
}

}  // namespace zingbox
