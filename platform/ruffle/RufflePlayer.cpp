#include "platform/ruffle/RufflePlayer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <cmath>
#include <utility>

#include "platform/RuntimeError.h"
#include "platform/qt/Twips.h"
#include "platform/ruffle/EngineInstallation.h"
#include "platform/ruffle/LinkGate.h"
#include "platform/ruffle/MovieFileCheck.h"
#include "platform/ruffle/MoviePath.h"
#include "platform/ruffle/PageCallQueue.h"
#include "platform/ruffle/PageBridge.h"
#include "platform/ruffle/PlayerLog.h"
#include "platform/ruffle/PlayerPage.h"
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

bool IsColourText(const QString& colour) {
  static const QRegularExpression sixHexDigits(QStringLiteral("^[0-9A-Fa-f]{6}$"));
  return colour.isEmpty() || sixHexDigits.match(colour).hasMatch();
}

// The page talks back over the web channel, whose client script Qt ships as a resource.
QWebEngineScript WebChannelClientScript() {
  QFile source(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
  source.open(QIODevice::ReadOnly);
  QWebEngineScript script;
  script.setName(QStringLiteral("qwebchannel"));
  script.setSourceCode(QString::fromUtf8(source.readAll()));
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(QWebEngineScript::MainWorld);
  script.setRunsOnSubFrames(false);
  return script;
}

}  // namespace

RufflePlayer::RufflePlayer(QWidget* parent, const QString& programFolder, const QString& savedGamesFolder)
    : QWebEngineView(parent) {
  setFocusPolicy(Qt::StrongFocus);
  // The engine draws its own menu; the browser's (Reload, View source) has no place here.
  setContextMenuPolicy(Qt::NoContextMenu);
  left_ = PixelsToTwips(x());
  top_ = PixelsToTwips(y());
  width_ = PixelsToTwips(width());
  height_ = PixelsToTwips(height());

  const QString playerFolder = QDir(programFolder).filePath(QStringLiteral("player"));
  const QString missingFile = MissingEngineFile(playerFolder);
  if (!missingFile.isEmpty()) {
    ShowMissingEngine(QDir(playerFolder).filePath(missingFile));
    return;
  }
  LoadHostPage(programFolder, playerFolder, savedGamesFolder);
  FocusMovieWhenViewGainsFocus();
}

RufflePlayer::~RufflePlayer() {
  // The page must go before the profile it was made with.
  delete page_;
}

void RufflePlayer::ShowMissingEngine(const QString& missingFile) {
  setHtml(QStringLiteral("<body style=\"background:#000;color:#fff;font:16px sans-serif;"
                         "margin:24px\"><p><b>The Flash player cannot start.</b></p>"
                         "<p>A file of its installation is missing or empty:</p><p>%1</p>"
                         "<p>Reinstall the program to play the games.</p></body>")
              .arg(QDir::toNativeSeparators(missingFile).toHtmlEscaped()));
}

void RufflePlayer::LoadHostPage(const QString& programFolder, const QString& playerFolder,
                                const QString& savedGamesFolder) {
  QWebEngineProfile* profile = CreatePlayerProfile(savedGamesFolder, this);
  interceptor_ = new ProgramFolderInterceptor(programFolder, profile);
  profile->setUrlRequestInterceptor(interceptor_);

  const QUrl hostPage = QUrl::fromLocalFile(QDir(playerFolder).filePath(HostPageFile));
  page_ = new PlayerPage(profile, hostPage, nullptr);
  QWebEngineSettings* settings = page_->settings();
  settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
  settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);

  bridge_ = new PageBridge(page_);
  auto* links = new LinkGate(this);
  connect(page_, &PlayerPage::LinkRequested, links, &LinkGate::Request);
  connect(bridge_, &PageBridge::LinkRequested, links, &LinkGate::Request);
  auto* channel = new QWebChannel(page_);
  channel->registerObject(QStringLiteral("bridge"), bridge_);
  page_->setWebChannel(channel);
  page_->scripts().insert(WebChannelClientScript());

  calls_ = new PageCallQueue(
      [this](const QString& script, std::function<void()> ran) {
        page_->runJavaScript(script, [ran = std::move(ran)](const QVariant&) { ran(); });
      },
      this);
  connect(bridge_, &PageBridge::Ready, calls_, &PageCallQueue::PageReady);
  // Stamped as the command arrives, before it waits in the queue.
  connect(bridge_, &PageBridge::FSCommandReceived, this, &LogFSCommand);
  // Queued, so the handler runs as an event of its own and may throw to the event loop.
  connect(bridge_, &PageBridge::FSCommandReceived, this, &RufflePlayer::DeliverFSCommand,
          Qt::QueuedConnection);

  setPage(page_);
  page_->load(hostPage);
}

void RufflePlayer::FocusMovieWhenViewGainsFocus() {
  // Key presses go to the element that holds the page's focus; after a click elsewhere
  // the view gets Qt's focus back, and this hands it on to the movie.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != nullptr && (now == this || now == focusProxy())) CallPage(QStringLiteral("focusMovie"));
  });
}

void RufflePlayer::CallPage(const QString& function, const QStringList& textArguments) {
  if (calls_ != nullptr) calls_->Call(PageCall(function, textArguments));
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
  if (calls_ != nullptr) calls_->Movie(MovieCall(QString::fromStdU16String(path)));
}

QString RufflePlayer::MovieCall(const QString& pathText) {
  const QString localPath = interceptor_->Locate(
      QDir::cleanPath(QFileInfo(MovieLocalPath(pathText.toStdU16String())).absoluteFilePath()));

  QString problem = MovieFileProblem(localPath);
  if (problem.isEmpty() && !interceptor_->HoldsMovie(localPath))
    problem = QStringLiteral("The player opens only movies inside the program folder.");
  if (!problem.isEmpty()) return PageCall(QStringLiteral("showProblem"), {pathText, problem});

  interceptor_->AssignMovie(localPath);
  const QUrl url = QUrl::fromLocalFile(localPath);
  return PageCall(QStringLiteral("load"), {url.toString(QUrl::FullyEncoded), pathText});
}

void RufflePlayer::SetBGColor(const std::u16string& colour) {
  const QString colourText = QString::fromStdU16String(colour);
  if (!IsColourText(colourText)) RefuseValue();
  if (calls_ != nullptr) calls_->Colour(PageCall(QStringLiteral("setBackgroundColor"), {colourText}));
}

void RufflePlayer::Play() { CallPage(QStringLiteral("resume")); }

void RufflePlayer::StopPlay() { CallPage(QStringLiteral("suspend")); }

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
