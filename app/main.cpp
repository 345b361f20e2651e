// Zingbox: the window is the program; showing it starts everything.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "app/CommandLine.h"
#include "app/PackFolder.h"
#include "platform/desktop/DesktopOpener.h"
#include "platform/qt/BringToFront.h"
#include "platform/qt/QuitOnSignals.h"
#include "platform/qt/RuntimeFolder.h"
#include "platform/qt/SavedGames.h"
#include "platform/qt/StandardError.h"
#include "platform/ruffle/EngineEnvironment.h"
#include "platform/ruffle/RufflePlayer.h"
#include "window/Form1.h"

namespace {

constexpr int UsageErrorStatus = 2;

QStringList ArgumentsAfterProgramName(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(QFile::decodeName(argv[i]));
  return arguments;
}

int Answer(const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  zingbox::KeepStartingEnvironment();
  // Settled before anything is shown, started or locked: a command-line answer or refusal
  // needs no display and leaves a running copy alone.
  const zingbox::CommandLine line = zingbox::ReadCommandLine(ArgumentsAfterProgramName(argc, argv));
  switch (line.request) {
    case zingbox::CommandLine::Request::Help:
      return Answer(zingbox::HelpText());
    case zingbox::CommandLine::Request::Version:
      return Answer(zingbox::VersionText());
    case zingbox::CommandLine::Request::UsageError:
      zingbox::SayOnStandardError(line.problem);
      return UsageErrorStatus;
    case zingbox::CommandLine::Request::Play:
      break;
  }
  if (!line.folder.isEmpty()) {
    const QString reason = zingbox::UnusableFolderReason(line.folder);
    if (!reason.isEmpty()) {
      zingbox::SayOnStandardError(
          QStringLiteral("cannot play the pack folder %1: %2.").arg(QDir::toNativeSeparators(line.folder), reason));
      return UsageErrorStatus;
    }
  }

  zingbox::ProvideRuntimeFolder();
  zingbox::PrepareEngineEnvironment();
  QApplication application(argc, argv);
  const QString programFolder = QCoreApplication::applicationDirPath();
  const zingbox::PackFolder pack = zingbox::ChoosePackFolder(
      line.folder, QDir(zingbox::SavedGames::DefaultFolder()).filePath(QStringLiteral("pack")), programFolder);
  qCInfo(zingbox::PackLog).noquote() << "playing" << QDir::toNativeSeparators(pack.path) << "-" << pack.reason;

  zingbox::SavedGames savedGames;
  if (savedGames.ShownByRunningCopy()) return 0;
  zingbox::RufflePlayer flash(nullptr, programFolder, pack.path, savedGames.Folder());
  zingbox::QuitOnTerminationSignals();
  zingbox::Form1 form(flash, pack.path);
  QObject::connect(&savedGames, &zingbox::SavedGames::ShowWindowRequested, &form,
                   [&form] { zingbox::BringToFront(form); });
  form.show();
  return application.exec();
}
