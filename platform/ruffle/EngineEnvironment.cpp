#include "platform/ruffle/EngineEnvironment.h"

#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>

#include "platform/ruffle/MovieFileServer.h"
#include "platform/ruffle/PlayerPolicy.h"

namespace zingbox {
namespace {

void AppendChromiumFlags(const QByteArray& flags) {
  QByteArray current = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (!current.isEmpty()) current += ' ';
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", current + flags);
}

// A desktop login always names its session type; Xvfb and other bare X servers don't,
// and there the GPU process only burns CPU emulating GL (WebGL is blocklisted anyway).
bool RunsWithoutDesktopSession() { return qEnvironmentVariableIsEmpty("XDG_SESSION_TYPE"); }

}  // namespace

void PrepareEngineEnvironment() {
  // Chromium refuses to start its sandbox as root; as any other user it stays on. The
  // switch does what Qt's QTWEBENGINE_DISABLE_SANDBOX does without announcing it.
  if (geteuid() == 0) AppendChromiumFlags("--no-sandbox");

  // What a movie saves reaches the disk a second after the save, so a killed program
  // loses at most that second. Left alone, Chromium waits five seconds and, for a movie
  // that saves more than once a minute, up to a minute.
  AppendChromiumFlags("--enable-aggressive-domstorage-flushing");

  // Ruffle is 14 MB of WebAssembly, of which a movie runs a small part. Compiled as each
  // function is first called, rather than all of it before the first movie starts, the
  // menu is on the screen about a fifth of a second sooner.
  AppendChromiumFlags("--js-flags=--wasm-lazy-compilation");

  for (const char* flag : PlayerPolicy::EngineSwitches) AppendChromiumFlags(flag);

  if (RunsWithoutDesktopSession()) {
    AppendChromiumFlags("--disable-gpu");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) qputenv("QT_QUICK_BACKEND", "software");
  }

  // The engine's report of its GL and process set-up is for whoever asks for it with
  // QT_LOGGING_RULES, which overrides rules set here.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));

  MovieFileServer::RegisterScheme();

  // Qt WebEngine shares its GL context with the widgets; must be set before QApplication.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace zingbox
