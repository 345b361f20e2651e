#include "platform/ruffle/RufflePlayer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QRegularExpression>
#include <QWebEngineProfile>
#include <cmath>
#include <memory>
#include <utility>

#include "platform/RuntimeError.h"
#include "platform/desktop/DesktopOpener.h"
#include "platform/qt/Twips.h"
#include "platform/ruffle/EngineInstallation.h"
#include "platform/ruffle/LinkGate.h"
#include "platform/ruffle/MovieCommands.h"
#include "platform/ruffle/MovieFileCheck.h"
#include "platform/ruffle/MovieFileServer.h"
#include "platform/ruffle/MoviePath.h"
#include "platform/ruffle/PageBridge.h"
#include "platform/ruffle/PlayerLog.h"
#include "platform/ruffle/PlayerMemory.h"
#include "platform/ruffle/PlayerMessage.h"
#include "platform/ruffle/PlayerPage.h"
#include "platform/ruffle/PlayerPolicy.h"
#include "platform/ruffle/PlayerProfile.h"
#include "platform/ruffle/ProgramFolderInterceptor.h"

namespace zingbox {
namespace {

constexpr char HostPageFile[] = "player.html";

[[noreturn]] void RefuseValue() {
  throw RuntimeError(error_number::InvalidPropertyValue, "Invalid property value");
}

// A twip value whose pixel equivalent a widget can take.
float CheckedPosition(float twips) {
  if (!std::isfinite(twips) || std::fabs(twips / TwipsPerPixel) > QWIDGETSIZE_MAX) RefuseValue();
  return twips;
}

float CheckedSize(float twips) {
  if (twips < 0) RefuseValue();
  return CheckedPosition(twips);
}

// The player page and the engine, installed with the program.
QString PageFolder(const QString& programFolder) { return QDir(programFolder).filePath(QStringLiteral("player")); }

bool IsColourText(const QString& colour) {
  static const QRegularExpression sixHexDigits(QStringLiteral("^[0-9A-Fa-f]{6}$"));
  return colour.isEmpty() || sixHexDigits.match(colour).hasMatch();
}

}  // namespace

RufflePlayer::RufflePlayer(QWidget* parent, const QString& programFolder, const QString& packFolder,
                           const QString& savedGamesFolder)
    : QWebEngineView(parent),
      watch_([] { return QDeadlineTimer::current().deadline(); },
             [message = new PlayerMessage(this)](const PlayerNotice& notice) { message->Show(notice); },
             [this] { memory_->PageFailed(); }) {
  setFocusPolicy(Qt::StrongFocus);
  // The engine draws its own menu; the browser's (Reload, View source) has no place here.
  setContextMenuPolicy(Qt::NoContextMenu);
  left_ = PixelsToTwips(x());
  top_ = PixelsToTwips(y());
  width_ = PixelsToTwips(width());
  height_ = PixelsToTwips(height());

  const QString playerFolder = PageFolder(programFolder);
  const QString missingFile = MissingEngineFile(playerFolder);
  if (!missingFile.isEmpty()) {
    watch_.EngineMissing(QDir::toNativeSeparators(QDir(playerFolder).filePath(missingFile)));
    return;
  }
  hostPage_ = QUrl::fromLocalFile(QDir(playerFolder).filePath(HostPageFile));
  StartEngine(playerFolder, packFolder.isEmpty() ? programFolder : packFolder, savedGamesFolder);
  FocusMovieWhenViewGainsFocus();
}

RufflePlayer::~RufflePlayer() {
  // The page must go before the profile it was made with. Its renderer ends with it,
  // and what that queues for the player goes with the player.
  delete page_;
}

void RufflePlayer::StartEngine(const QString& playerFolder, const QString& packFolder,
                               const QString& savedGamesFolder) {
  policy_ = std::make_unique<PlayerPolicy>(playerFolder);
  profile_ = CreatePlayerProfile(savedGamesFolder, this);
  profile_->setUrlRequestInterceptor(new ProgramFolderInterceptor(*policy_, profile_));
  movieFiles_ = new MovieFileServer(packFolder, profile_);
  profile_->installUrlSchemeHandler(PlayerPolicy::MovieScheme, movieFiles_);
  links_ = new LinkGate(this, *policy_, [](const QByteArray& address) { OpenOnDesktop(address.constData()); });
  commands_ = new MovieCommands(this);
  commands_->SetHandler([this](const QString& command, const QString& args) { DeliverFSCommand(command, args); });
  memory_ = new PlayerMemory(
      [this](const QString& script, std::function<void()> ran) {
        page_->runJavaScript(script, [ran = std::move(ran)](const QVariant&) { ran(); });
      },
      this);
  BuildPage();
}

void RufflePlayer::BuildPage() {
  const std::unique_ptr<PlayerPage> gone(page_);
  page_ = new PlayerPage(profile_, hostPage_, *policy_, nullptr);
  connect(page_, &PlayerPage::LinkRequested, links_, &LinkGate::RequestFromStartedMovie);
  connect(page_, &PlayerPage::ScriptFailed, this,
          [this](const QString& message, int line, const QUrl& source) { watch_.ScriptFailed(message, line, source); });
  // Handled once the engine is done reporting it: the dead page may go then.
  connect(
      page_, &QWebEnginePage::renderProcessTerminated, this,
      [this, page = QPointer<PlayerPage>(page_)] {
        if (page == page_) EngineGone();
      },
      Qt::QueuedConnection);

  PageBridge* bridge = page_->Bridge();
  connect(bridge, &PageBridge::Ready, this, &RufflePlayer::PageReady);
  connect(bridge, &PageBridge::MovieStarted, links_, &LinkGate::MovieStarted);
  connect(bridge, &PageBridge::MovieUnreadable, this, &RufflePlayer::MovieUnreadable);
  connect(bridge, &PageBridge::LinkRequested, links_, &LinkGate::Request);
  // Stamped as the command arrives, before it waits in the queue.
  connect(bridge, &PageBridge::FSCommandReceived, this,
          [](int, const QString& command, const QString& args) { LogFSCommand(command, args); });
  connect(bridge, &PageBridge::FSCommandReceived, commands_, &MovieCommands::Receive);
  // Queued, like a dead renderer: the page that reports it may go then.
  connect(
      bridge, &PageBridge::EnginePanicked, this,
      [this, page = QPointer<PlayerPage>(page_)](int movie, bool movieRead) {
        if (page == page_) EnginePanicked(movie, movieRead);
      },
      Qt::QueuedConnection);

  memory_->PageLoading();
  watch_.PageLoading(page_->MissingScript());
  setPage(page_);
  page_->LoadHostPage();
}

void RufflePlayer::PageReady(bool engineLoaded) {
  watch_.PageReady(engineLoaded);
  if (!engineLoaded) return;  // given up on
  memory_->PageReady();
  // A renderer that died took the keyboard focus with it, and the movie should have it.
  if (QApplication::focusWidget() == nullptr && isActiveWindow()) setFocus();
}

void RufflePlayer::EnginePanicked(int movie, bool movieRead) {
  // A panic can leave the engine unusable for every later movie of the page; a fresh
  // page has a fresh engine. One that could not even read the current movie names it.
  if (movie == movieNumber_ && !movieRead) {
    MovieUnreadable(movie);
    BuildPage();
    return;
  }
  EngineGone();
}

void RufflePlayer::MovieUnreadable(int movie) {
  if (movie != movieNumber_) return;
  memory_->Movie(PageCall(QStringLiteral("unload"), {}));
  watch_.MovieUnreadable();
}

void RufflePlayer::EngineGone() {
  if (watch_.PageDied()) BuildPage();
}

void RufflePlayer::FocusMovieWhenViewGainsFocus() {
  // Key presses go to the element that holds the page's focus; after a click elsewhere
  // the view gets Qt's focus back, and this hands it on to the movie.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != nullptr && (now == this || now == focusProxy())) CallPage(QStringLiteral("focusMovie"));
  });
}

void RufflePlayer::CallPage(const QString& function, const QStringList& textArguments) {
  if (memory_ != nullptr) memory_->Call(PageCall(function, textArguments));
}

QString RufflePlayer::PageCall(const QString& function, const QStringList& textArguments) {
  const QByteArray arguments =
      QJsonDocument(QJsonArray::fromStringList(textArguments)).toJson(QJsonDocument::Compact);
  return QStringLiteral("zingbox.%1(...%2);").arg(function, QString::fromUtf8(arguments));
}

void RufflePlayer::DeliverFSCommand(const QString& command, const QString& args) {
  if (fsCommandHandler_) fsCommandHandler_(command.toStdU16String(), args.toStdU16String());
}

void RufflePlayer::SetMovie(const std::u16string& path) {
  // Like the original control, the movie is taken now and shown once the handler is done.
  if (memory_ == nullptr) return;
  const QString pathText = QString::fromStdU16String(path);
  // What the movie before it still sends, or has sent and waits, goes unheard.
  ++movieNumber_;
  commands_->MovieReplaced(movieNumber_);
  links_->MovieChosen(movieNumber_);
  memory_->Movie(MovieCall(pathText));
  // A player that was given up on tries again when the user asks for a movie.
  if (memory_->HasPageFailed()) {
    watch_.ForgetDeaths();
    BuildPage();
  }
}

QString RufflePlayer::MovieCall(const QString& pathText) {
  const QString localPath = movieFiles_->Locate(
      QDir::cleanPath(QFileInfo(MovieLocalPath(pathText.toStdU16String())).absoluteFilePath()));

  QString problem = MovieFileProblem(localPath);
  if (problem.isEmpty() && !movieFiles_->Holds(localPath))
    problem = QStringLiteral("The player opens only movies inside the pack folder.");
  watch_.MovieChosen(pathText, problem);
  if (!problem.isEmpty()) return PageCall(QStringLiteral("unload"), {});

  movieFiles_->AssignMovie(localPath);
  const QUrl url = QUrl::fromLocalFile(localPath);
  return PageCall(QStringLiteral("load"), {url.toString(QUrl::FullyEncoded), QString::number(movieNumber_)});
}

void RufflePlayer::SetBGColor(const std::u16string& colour) {
  const QString colourText = QString::fromStdU16String(colour);
  if (!IsColourText(colourText)) RefuseValue();
  if (memory_ != nullptr) memory_->Colour(PageCall(QStringLiteral("setBackgroundColor"), {colourText}));
}

void RufflePlayer::Play() {
  if (memory_ != nullptr) memory_->Playback(PageCall(QStringLiteral("resume"), {}));
}

void RufflePlayer::StopPlay() {
  if (memory_ != nullptr) memory_->Playback(PageCall(QStringLiteral("suspend"), {}));
}

void RufflePlayer::SetLeft(float twips) {
  left_ = CheckedPosition(twips);
  ApplyGeometry();
}

void RufflePlayer::SetTop(float twips) {
  top_ = CheckedPosition(twips);
  ApplyGeometry();
}

void RufflePlayer::SetWidth(float twips) {
  width_ = CheckedSize(twips);
  ApplyGeometry();
}

void RufflePlayer::SetHeight(float twips) {
  height_ = CheckedSize(twips);
  ApplyGeometry();
}

void RufflePlayer::ApplyGeometry() {
  setGeometry(TwipsToPixels(left_), TwipsToPixels(top_), TwipsToPixels(width_),
              TwipsToPixels(height_));
}

void RufflePlayer::OnFSCommand(FSCommandHandler handler) { fsCommandHandler_ = std::move(handler); }

}  // namespace zingbox
