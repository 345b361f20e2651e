#include "platform/ruffle/PlayerPage.h"

#include <QDesktopServices>

namespace zingbox {
namespace {

bool IsWebPage(const QUrl& url) {
  return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

void HandToDesktop(const QUrl& url) {
  if (IsWebPage(url)) QDesktopServices::openUrl(url);
}

// Stands in for a new browser window that a movie asks for: it learns the address from
// its first navigation, passes it on and goes away without loading anything.
class NewWindowCatcher : public QWebEnginePage {
 public:
  NewWindowCatcher(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
    HandToDesktop(url);
    deleteLater();
    return false;
  }
};

}  // namespace

PlayerPage::PlayerPage(QWebEngineProfile* profile, const QUrl& hostPage, QObject* parent)
    : QWebEnginePage(profile, parent), hostPage_(hostPage) {}

bool PlayerPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
  // The host page itself is loaded exactly once; nothing may replace or reload it.
  if (isMainFrame && !hostPageLoaded_ && url == hostPage_) {
    hostPageLoaded_ = true;
    return true;
  }
  HandToDesktop(url);
  return false;
}

QWebEnginePage* PlayerPage::createWindow(WebWindowType) {
  return new NewWindowCatcher(profile(), this);
}

}  // namespace zingbox
