#pragma once

#include <QUrl>
#include <QWebEnginePage>

namespace zingbox {

class PageBridge;
class PlayerPolicy;

// The page that hosts the engine, with the web channel its script talks back over. It
// stays on its own document for good: it is loaded once, and every later navigation, new
// window or form is refused and reported as a link. It never shows a dialog, nor a file
// chooser. It is given the policy's script and content policy as it is created, before
// any script of its own. A page whose renderer has died is replaced by a fresh one, never
// reloaded.
class PlayerPage : public QWebEnginePage {
  Q_OBJECT

 public:
  PlayerPage(QWebEngineProfile* profile, const QUrl& hostPage, PlayerPolicy& policy, QObject* parent);

  void LoadHostPage() { load(hostPage_); }
  PageBridge* Bridge() const { return bridge_; }
  // The file of Qt's own that the page's script needs and that could not be read, if any.
  QString MissingScript() const { return missingScript_; }

 signals:
  // A navigation or new window that got past the page's script, which reports the
  // movie's links over the bridge.
  void LinkRequested(const QUrl& url);
  // An error that a script of the page ran into, with the address of that script.
  void ScriptFailed(const QString& message, int line, const QUrl& source);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  // Only a movie could ask for these boxes, and a movie gets no say on the desktop. The
  // leave-page question comes here too, and is answered no.
  void javaScriptAlert(const QUrl& origin, const QString& message) override;
  bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
  bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& defaultValue,
                        QString* result) override;
  // The engine's file dialogs (a movie's FileReference) are answered as cancelled.
  QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                          const QStringList& acceptedMimeTypes) override;
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                const QString& source) override;

 private:
  void ApplySettings();
  void AddScript(const QString& name, const QString& source);
  void OpenWebChannel(PlayerPolicy& policy);

  QUrl hostPage_;
  bool hostPageLoaded_ = false;
  PageBridge* bridge_ = nullptr;
  QString missingScript_;
};

}  // namespace zingbox
