#include "platform/ruffle/PlayerPage.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

#include "platform/ruffle/PageBridge.h"
#include "platform/ruffle/PlayerPolicy.h"

namespace zingbox {
namespace {

constexpr char WebChannelClientFile[] = ":/qtwebchannel/qwebchannel.js";

}  // namespace

PlayerPage::PlayerPage(QWebEngineProfile* profile, const QUrl& hostPage, PlayerPolicy& policy, QObject* parent)
    : QWebEnginePage(profile, parent), hostPage_(hostPage) {
  ApplySettings();
  AddScript(QStringLiteral("content-security"), PlayerPolicy::ContentSecurityScript());
  AddScript(QStringLiteral("movie-policy"), PlayerPolicy::PageScript());
  // Qt 6.8's engine offers the page WebGPU but has none to give, and says so on the console
  // when Ruffle, which asks for it first, tries it. Without it Ruffle goes straight to WebGL.
  AddScript(QStringLiteral("no-webgpu"), QStringLiteral("delete Navigator.prototype.gpu;"));
  OpenWebChannel(policy);
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

// Runs in the page's own world as each document is created, before the page's scripts.
void PlayerPage::AddScript(const QString& name, const QString& source) {
  QWebEngineScript script;
  script.setName(name);
  script.setSourceCode(source);
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(QWebEngineScript::MainWorld);
  script.setRunsOnSubFrames(false);
  scripts().insert(script);
}

void PlayerPage::OpenWebChannel(PlayerPolicy& policy) {
  bridge_ = new PageBridge(policy, this);
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
  AddScript(QStringLiteral("qwebchannel"), QString::fromUtf8(source.readAll()));
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
  // The host page holds no script of its own (the content policy allows none inline): an error
  // placed in it comes from a call the program made into a page whose scripts failed, and
  // follows from their error rather than causing it.
  if (level == ErrorMessageLevel && QUrl(source) != hostPage_) emit ScriptFailed(message, line, QUrl(source));
  QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
}

}  // namespace zingbox
