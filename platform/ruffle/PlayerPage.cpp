#include "platform/ruffle/PlayerPage.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

#include "platform/ruffle/PageBridge.h"

namespace zingbox {
namespace {

constexpr char WebChannelClientFile[] = ":/qtwebchannel/qwebchannel.js";

}  // namespace

PlayerPage::PlayerPage(QWebEngineProfile* profile, const QUrl& hostPage, QObject* parent)
    : QWebEnginePage(profile, parent), hostPage_(hostPage) {
  ApplySettings();
  HideWebGpu();
  OpenWebChannel();
  // A new window is never opened here; what it would have shown is a link request.
  connect(this, &QWebEnginePage::newWindowRequested, this,
          [this](QWebEngineNewWindowRequest& request) { emit LinkRequested(request.requestedUrl()); });
}

void PlayerPage::ApplySettings() {
  QWebEngineSettings* page = settings();
  page->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
  page->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  page->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
  page->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  page->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
}

// Qt 6.8's engine offers the page WebGPU but has none to give, and says so on the console
// when Ruffle, which asks for it first, tries it. Without it Ruffle goes straight to WebGL.
void PlayerPage::HideWebGpu() {
  QWebEngineScript script;
  script.setName(QStringLiteral("no-webgpu"));
  script.setSourceCode(QStringLiteral("delete Navigator.prototype.gpu;"));
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(QWebEngineScript::MainWorld);
  scripts().insert(script);
}

void PlayerPage::OpenWebChannel() {
  bridge_ = new PageBridge(this);
  auto* channel = new QWebChannel(this);
  channel->registerObject(QStringLiteral("bridge"), bridge_);
  setWebChannel(channel);

  // The page's script reaches the channel through Qt's client script, which Qt ships as
  // a resource.
  QFile source(QString::fromLatin1(WebChannelClientFile));
  if (!source.open(QIODevice::ReadOnly) || source.size() == 0) {
    missingScript_ = source.fileName();
    return;
  }
  QWebEngineScript script;
  script.setName(QStringLiteral("qwebchannel"));
  script.setSourceCode(QString::fromUtf8(source.readAll()));
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(QWebEngineScript::MainWorld);
  script.setRunsOnSubFrames(false);
  scripts().insert(script);
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

QStringList PlayerPage::chooseFiles(FileSelectionMode, const QStringList&, const QStringList&) { return {}; }

void PlayerPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                          const QString& source) {
  // The host page holds no script of its own (its policy allows none inline): an error
  // placed in it comes from a call the program made into a page whose scripts failed, and
  // follows from their error rather than causing it.
  if (level == ErrorMessageLevel && QUrl(source) != hostPage_) emit ScriptFailed(message, line, QUrl(source));
  QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
}

}  // namespace zingbox
