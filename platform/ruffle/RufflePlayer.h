#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QWebEngineView>
#include <memory>

#include "platform/qt/HostedPlayer.h"
#include "platform/ruffle/PlayerWatch.h"

namespace zingbox {

class LinkGate;
class MovieCommands;
class PlayerMemory;
class PlayerPage;
class PlayerPolicy;
class MovieFileServer;

// The movie player: Ruffle running in a web view on a small host page of ours, which the
// build puts in "player/" of the program folder. Movies play from `packFolder` (the program
// folder when it is empty) and load nothing from outside it. Operations issued before the
// page is ready are kept and applied in order once it is. When the page's renderer dies or
// its engine panics, a fresh page replays what the program last told the player. What movies store is kept in
// `savedGamesFolder`, or only until the player goes when it is empty. Use on the UI thread only.
class RufflePlayer : public QWebEngineView, public HostedPlayer {
  Q_OBJECT

 public:
  explicit RufflePlayer(QWidget* parent = nullptr,
                        const QString& programFolder = QCoreApplication::applicationDirPath(),
                        const QString& packFolder = QString(), const QString& savedGamesFolder = QString());
  ~RufflePlayer() override;

  void SetMovie(const std::u16string& path) override;
  void SetBGColor(const std::u16string& colour) override;
  void Play() override;
  void StopPlay() override;

  void SetLeft(float twips) override;
  void SetTop(float twips) override;
  void SetWidth(float twips) override;
  void SetHeight(float twips) override;

  // The handler runs on the UI thread from a queued event, never inside the engine's own
  // call, so it may assign Movie at once.
  void OnFSCommand(FSCommandHandler handler) override;

  QWidget* Widget() override { return this; }

 private:
  void StartEngine(const QString& playerFolder, const QString& packFolder, const QString& savedGamesFolder);
  // Replaces the page, if any, with a fresh one that will be told everything again.
  void BuildPage();
  void PageReady(bool engineLoaded);
  // The page's renderer or its engine ended while the player lives: a crash, a kill, a
  // panic of the engine.
  void EngineGone();
  void EnginePanicked(int movie, bool movieRead);
  // The engine could not read the movie: it is named, and a fresh page does not try it again.
  void MovieUnreadable(int movie);
  void CallPage(const QString& function, const QStringList& textArguments = {});
  static QString PageCall(const QString& function, const QStringList& textArguments);
  // The page call that loads the movie, or that unloads the last one when this cannot play.
  QString MovieCall(const QString& pathText);
  void DeliverFSCommand(const QString& command, const QString& args);
  void FocusMovieWhenViewGainsFocus();
  void ApplyGeometry();

  QUrl hostPage_;
  std::unique_ptr<PlayerPolicy> policy_;
  QWebEngineProfile* profile_ = nullptr;
  PlayerPage* page_ = nullptr;
  MovieFileServer* movieFiles_ = nullptr;
  LinkGate* links_ = nullptr;
  MovieCommands* commands_ = nullptr;
  int movieNumber_ = 0;  // how many movies the program has asked for: the current one's number
  PlayerMemory* memory_ = nullptr;  // none when the engine is missing
  PlayerWatch watch_;  // shows what it decides on a PlayerMessage
  FSCommandHandler fsCommandHandler_;
  float left_ = 0;
  float top_ = 0;
  float width_ = 0;
  float height_ = 0;
};

}  // namespace zingbox
