#include "platform/ruffle/PlayerWatch.h"

#include <QDir>
#include <utility>

namespace zingbox {
namespace {

// What the player says of itself and of a movie it cannot play, each written once; what
// is wrong with a movie file MovieFileProblem words itself.
const QString CannotStart = QStringLiteral("The Flash player cannot start.");
const QString StoppedUnexpectedly = QStringLiteral("The Flash player stopped unexpectedly.");
const QString CannotBePlayed = QStringLiteral("This movie cannot be played.");
const QString CouldNotRead = QStringLiteral("The Flash player could not read it.");
const QString Reinstall = QStringLiteral("Reinstall the program to play the games.");
const QString TryAgain = QStringLiteral("Click Menu or Restart to try again.");
const QString InstallationFileMissing = QStringLiteral("A file of its installation is missing or empty. ");
const QString QtScriptMissing = QStringLiteral("A script that comes with Qt is missing. ");
const QString ScriptDamaged = QStringLiteral("Its script is damaged (line %1: %2). ");
const QString EngineScriptDamaged = QStringLiteral("Its engine is missing or damaged. ");
const QString NotReadyInTime = QStringLiteral("It did not get ready within %1 seconds. ");

constexpr int MostDeathsInAWindow = 2;
constexpr qint64 DeathWindowMs = 60'000;

}  // namespace

PlayerWatch::PlayerWatch(std::function<qint64()> now, Show show, std::function<void()> givenUp)
    : now_(std::move(now)), show_(std::move(show)), givenUp_(std::move(givenUp)) {
  patience_.setSingleShot(true);
  patience_.setTimerType(Qt::PreciseTimer);
  patience_.setInterval(PatienceMs);
  QObject::connect(&patience_, &QTimer::timeout, [this] { TimeUp(); });
}

void PlayerWatch::MovieChosen(const QString& name, const QString& problem) {
  movieName_ = name;
  movieProblem_ = problem.isEmpty() ? PlayerNotice{} : PlayerNotice{CannotBePlayed, name, problem};
  ShowWhatHolds();
}

void PlayerWatch::MovieUnreadable() { MovieChosen(movieName_, CouldNotRead); }

void PlayerWatch::PageLoading(const QString& missingScript) {
  starting_ = true;
  blamedFile_ = missingScript;
  reason_ = missingScript.isEmpty() ? QString() : QtScriptMissing + Reinstall;
  patience_.start();
}

void PlayerWatch::ScriptFailed(const QString& message, int line, const QUrl& source) {
  // The first error is the cause; those after it follow from it. Errors of a page that
  // got ready are the engine's own business.
  if (!starting_ || !reason_.isEmpty() || !source.isLocalFile()) return;
  blamedFile_ = QDir::toNativeSeparators(source.toLocalFile());
  reason_ = ScriptDamaged.arg(line).arg(message) + Reinstall;
}

void PlayerWatch::TimeUp() {
  if (starting_)
    Fail(CannotStart, blamedFile_, reason_.isEmpty() ? NotReadyInTime.arg(PatienceMs / 1000) + TryAgain : reason_);
}

void PlayerWatch::PageReady(bool engineLoaded) {
  if (!engineLoaded) {
    Fail(CannotStart, QStringLiteral("ruffle/ruffle.js"), EngineScriptDamaged + Reinstall);  // as the page names it
    return;
  }
  starting_ = false;
  patience_.stop();
  failure_ = {};
  ShowWhatHolds();
}

bool PlayerWatch::PageDied() {
  const qint64 now = now_();
  deaths_.removeIf([now](qint64 death) { return now - death >= DeathWindowMs; });
  deaths_.append(now);
  if (deaths_.size() <= MostDeathsInAWindow) return true;
  Fail(StoppedUnexpectedly, movieName_, TryAgain);
  return false;
}

void PlayerWatch::EngineMissing(const QString& file) {
  failure_ = {CannotStart, file, InstallationFileMissing + Reinstall};
  ShowWhatHolds();
}

void PlayerWatch::Fail(const QString& title, const QString& file, const QString& reason) {
  starting_ = false;
  patience_.stop();
  failure_ = {title, file, reason};
  givenUp_();
  ShowWhatHolds();
}

void PlayerWatch::ShowWhatHolds() { show_(failure_.title.isEmpty() ? movieProblem_ : failure_); }

}  // namespace zingbox
