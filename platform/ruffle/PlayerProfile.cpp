#include "platform/ruffle/PlayerProfile.h"

#include <QDir>
#include <QWebEngineProfile>

#include "platform/ruffle/DamagedStorage.h"

namespace zingbox {
namespace {

constexpr char StorageName[] = "zingbox";

// The engine's files go where it puts a profile of this name by default when the
// saved-games folder is the program's data folder: it writes its first settings file
// there before any other path can be set.
QString EngineFolder(const QString& savedGamesFolder) {
  return QDir(savedGamesFolder).filePath(QStringLiteral("QtWebEngine/%1").arg(QString::fromLatin1(StorageName)));
}

}  // namespace

QWebEngineProfile* CreatePlayerProfile(const QString& savedGamesFolder, QObject* parent) {
  if (savedGamesFolder.isEmpty()) return new QWebEngineProfile(parent);  // off the record
  const QString engineFolder = EngineFolder(savedGamesFolder);
  if (!SetAsideDamagedLocalStorage(engineFolder)) return new QWebEngineProfile(parent);

  auto* profile = new QWebEngineProfile(QString::fromLatin1(StorageName), parent);
  profile->setPersistentStoragePath(engineFolder);
  // The movies come from the pack folder on disk; caching them would only copy it.
  profile->setCachePath(engineFolder);
  profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
  profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
  // Off by default; Qt 6.8 warns of missing dictionaries on any call of the setter.
  if (profile->isSpellCheckEnabled()) profile->setSpellCheckEnabled(false);
  return profile;
}

}  // namespace zingbox
