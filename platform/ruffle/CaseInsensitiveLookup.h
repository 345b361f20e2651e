#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace zingbox {

// Finds files the way Windows does, on a file system where case counts: a path that
// does not exist as written is matched one component after the other, folder by folder,
// against names that differ from it only in case. Only folders that lie inside the
// program folder once links are resolved are ever listed. Use on one thread.
class CaseInsensitiveLookup {
 public:
  explicit CaseInsensitiveLookup(const QString& programFolder);

  // The path itself when it exists as written, and then no folder is listed. Otherwise
  // the existing path that matches it without regard to case, the first name in byte
  // order where several do (said once on standard error); otherwise the path itself.
  QString Locate(const QString& path);

 private:
  // The entry of `folder` whose name matches `name` without regard to case; empty when
  // none does or the folder may not be listed.
  QString MatchInFolder(const QString& folder, const QString& name);
  QString ListableFolder(const QString& folder) const;
  void ReportAmbiguity(const QString& folder, const QString& name, const QStringList& matches);

  QString folderPrefix_;  // canonical, ends with '/'; empty when the folder is missing
  QSet<QString> reported_;
};

}  // namespace zingbox
