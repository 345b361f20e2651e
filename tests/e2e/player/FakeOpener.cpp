#include "tests/e2e/player/FakeOpener.h"

#include <QFile>

namespace zingbox::test {

bool FakeOpener::Install() {
  QFile script(QDir(bin_.path()).filePath(QStringLiteral("xdg-open")));
  if (!script.open(QIODevice::WriteOnly)) return false;
  // Written aside and renamed, so that a request is never seen half written.
  script.write(QStringLiteral("#!/bin/sh\n[ $# = 1 ] && printf '%s' \"$1\" > \"%1/partial.$$\" &&"
                              " mv \"%1/partial.$$\" \"%1/${ZINGBOX_CLICK_NAME:-request}.$$\"\n")
                   .arg(requests_.path())
                   .toUtf8());
  script.close();
  qputenv("PATH", (bin_.path() + QLatin1Char(':') + qEnvironmentVariable("PATH")).toUtf8());
  return script.setPermissions(QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
}

QStringList FakeOpener::Addresses(const QString& click) const {
  QStringList addresses;
  const QDir folder(requests_.path());
  for (const QString& name : folder.entryList({click + QStringLiteral(".*")}, QDir::Files)) {
    QFile request(folder.filePath(name));
    if (request.open(QIODevice::ReadOnly)) addresses.append(QString::fromUtf8(request.readAll()));
  }
  addresses.sort();
  return addresses;
}

void FakeOpener::Forget() {
  QDir folder(requests_.path());
  for (const QString& name : folder.entryList(QDir::Files)) folder.remove(name);
}

}  // namespace zingbox::test
