#include "platform/ruffle/PlayerProfile.h"

#include <QDir>
#include <QWebEngineProfile>

#include "platform/ruffle/DamagedStorage.h"

namespace zingbox {
namespace {

constexpr char StorageName[] = "zingbox";

}  // namespace

QWebEngineProfile* CreatePlayerProfile(const QString& savedGamesFolder, QObject* parent) {
  // Where the web engine puts a profile of this name by default when the saved-games
  // folder is the program's data folder: any other path would leave its first settings
  // file behind there.
  const QString engineFolder =
      QDir(savedGamesFolder).filePath(QStringLiteral("QtWebEngine/%1").arg(QString::fromLatin1(StorageName)));
  if (savedGamesFolder.isEmpty() || !SetAsideDamagedLocalStorage(engineFolder)) {
    return new QWebEngineProfile(parent);  // off the record
  }

  auto* profile = new QWebEngineProfile(QString::fromLatin1(StorageName), parent);
  profile->setPersistentStoragePath(engineFolder);
  // The movies come from the program folder; caching them would only copy it.
  profile->setCachePath(engineFolder);
  profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
  profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
  profile->setSpellCheckEnabled(false);
  return profile;
}

}  // namespace zingbox
