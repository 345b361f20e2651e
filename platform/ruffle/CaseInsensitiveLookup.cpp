#include "platform/ruffle/CaseInsensitiveLookup.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "platform/ruffle/CaseFolding.h"

namespace zingbox {
namespace {

QString WithClosingSlash(const QString& folder) {
  return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool ComesFirstInByteOrder(const QString& left, const QString& right) {
  return QFile::encodeName(left) < QFile::encodeName(right);
}

}  // namespace

CaseInsensitiveLookup::CaseInsensitiveLookup(const QString& programFolder) {
  const QString canonical = QFileInfo(programFolder).canonicalFilePath();
  if (!canonical.isEmpty()) folderPrefix_ = WithClosingSlash(canonical);
}

QString CaseInsensitiveLookup::Locate(const QString& path) {
  if (QFileInfo::exists(path)) return path;

  // Windows takes "." and ".." by the letter, before it looks at the disk.
  const QString cleaned = QDir::cleanPath(path);
  if (!cleaned.startsWith(QLatin1Char('/'))) return path;
  QString located;
  for (const QString& name : cleaned.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    const QString folder = located.isEmpty() ? QStringLiteral("/") : located;
    QString entry = name;
    if (!QFileInfo::exists(located + QLatin1Char('/') + name)) {
      entry = MatchInFolder(folder, name);
      if (entry.isEmpty()) return path;
    }
    located += QLatin1Char('/') + entry;
  }
  return located;
}

QString CaseInsensitiveLookup::MatchInFolder(const QString& folder, const QString& name) {
  const QString listable = ListableFolder(folder);
  if (listable.isEmpty()) return {};

  const QString wanted = CaseFolded(name);
  QStringList matches;
  QDirIterator entries(listable, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  while (entries.hasNext()) {
    const QString entry = entries.nextFileInfo().fileName();
    if (CaseFolded(entry) == wanted) matches.append(entry);
  }
  if (matches.isEmpty()) return {};
  std::sort(matches.begin(), matches.end(), ComesFirstInByteOrder);
  if (matches.size() > 1) ReportAmbiguity(listable, name, matches);
  return matches.first();
}

QString CaseInsensitiveLookup::ListableFolder(const QString& folder) const {
  if (folderPrefix_.isEmpty()) return {};
  const QString canonical = QFileInfo(folder).canonicalFilePath();
  if (canonical.isEmpty() || !WithClosingSlash(canonical).startsWith(folderPrefix_)) return {};
  return canonical;
}

void CaseInsensitiveLookup::ReportAmbiguity(const QString& folder, const QString& name,
                                            const QStringList& matches) {
  const QString key = WithClosingSlash(folder) + matches.first();
  if (reported_.contains(key)) return;
  reported_.insert(key);
  qWarning().noquote() << QStringLiteral(
                              "Several files in %1 are named \"%2\" when case is ignored: %3. "
                              "Using \"%4\".")
                              .arg(QDir::toNativeSeparators(folder), name,
                                   matches.join(QStringLiteral(", ")), matches.first());
}

}  // namespace zingbox
