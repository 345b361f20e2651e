#pragma once

#include <QString>

class QObject;
class QWebEngineProfile;

namespace zingbox {

// The web profile the player runs in. Given a folder, it keeps there what movies store
// (Ruffle keeps a movie's local shared objects in the page's local storage) and nothing
// else of note: no HTTP cache on disk, no cookies that outlive the run, no spell-check
// dictionaries. Without a folder nothing outlives the player.
QWebEngineProfile* CreatePlayerProfile(const QString& savedGamesFolder, QObject* parent);

}  // namespace zingbox
