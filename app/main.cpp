// Zingbox: the window is the program; showing it starts everything.
#include <QApplication>

#include "platform/desktop/DesktopOpener.h"
#include "platform/qt/BringToFront.h"
#include "platform/qt/QuitOnSignals.h"
#include "platform/qt/RuntimeFolder.h"
#include "platform/qt/SavedGames.h"
#include "platform/ruffle/EngineEnvironment.h"
#include "platform/ruffle/RufflePlayer.h"
#include "window/Form1.h"

int main(int argc, char* argv[]) {
  zingbox::KeepStartingEnvironment();
  zingbox::ProvideRuntimeFolder();
  zingbox::PrepareEngineEnvironment();
  QApplication application(argc, argv);
  zingbox::SavedGames savedGames;
  if (savedGames.ShownByRunningCopy()) return 0;
  zingbox::RufflePlayer flash(nullptr, QCoreApplication::applicationDirPath(), savedGames.Folder());
  zingbox::QuitOnTerminationSignals();
  zingbox::Form1 form(flash);
  QObject::connect(&savedGames, &zingbox::SavedGames::ShowWindowRequested, &form,
                   [&form] { zingbox::BringToFront(form); });
  form.show();
  return application.exec();
}
