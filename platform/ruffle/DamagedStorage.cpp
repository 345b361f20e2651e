#include "platform/ruffle/DamagedStorage.h"

#include <leveldb/db.h>
#include <leveldb/env.h>
#include <leveldb/helpers/memenv.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include "platform/qt/StandardError.h"

namespace zingbox {
namespace {

constexpr char DatabaseFolder[] = "Local Storage/leveldb";

bool CopyInto(leveldb::Env& memory, const QString& file, const std::string& name) {
  QFile source(file);
  if (!source.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = source.readAll();
  if (source.error() != QFileDevice::NoError) return false;
  leveldb::WritableFile* copied = nullptr;
  if (!memory.NewWritableFile(name, &copied).ok()) return false;
  const std::unique_ptr<leveldb::WritableFile> owned(copied);
  return copied->Append(leveldb::Slice(bytes.constData(), static_cast<std::size_t>(bytes.size()))).ok() &&
         copied->Close().ok();
}

// Reads every record with its checksum, as the engine would, without touching the files.
bool Readable(const QString& database) {
  const QFileInfoList files = QDir(database).entryInfoList(QDir::Files | QDir::Hidden);
  if (files.isEmpty()) return QFileInfo(database).isDir();  // nothing saved yet
  const std::unique_ptr<leveldb::Env> memory(leveldb::NewMemEnv(leveldb::Env::Default()));
  const std::string copy = "/database";
  memory->CreateDir(copy);
  for (const QFileInfo& file : files) {
    if (!CopyInto(*memory, file.filePath(), copy + "/" + file.fileName().toStdString())) return false;
  }
  leveldb::Options options;
  options.env = memory.get();
  options.paranoid_checks = true;
  leveldb::DB* opened = nullptr;
  if (!leveldb::DB::Open(options, copy, &opened).ok()) return false;
  const std::unique_ptr<leveldb::DB> db(opened);
  leveldb::ReadOptions reading;
  reading.verify_checksums = true;
  const std::unique_ptr<leveldb::Iterator> records(db->NewIterator(reading));
  for (records->SeekToFirst(); records->Valid(); records->Next()) {
  }
  return records->status().ok();
}

QString AsideName(const QString& database) {
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString aside = QStringLiteral("%1.damaged-%2").arg(database, stamp);
  for (int n = 2; QFileInfo::exists(aside); ++n) aside = QStringLiteral("%1.damaged-%2-%3").arg(database, stamp).arg(n);
  return aside;
}

}  // namespace

bool SetAsideDamagedLocalStorage(const QString& engineFolder) {
  const QString database = QDir(engineFolder).filePath(QString::fromLatin1(DatabaseFolder));
  if (!QFileInfo::exists(database) || Readable(database)) return true;
  const QString aside = AsideName(database);
  if (!QDir().rename(database, aside)) {
    SayOnStandardError(QStringLiteral("cannot keep saved games: %1 cannot be read, nor moved aside. Games start "
                                      "with nothing saved, and what they save now is lost when the program ends.")
                           .arg(QDir::toNativeSeparators(database)));
    return false;
  }
  SayOnStandardError(QStringLiteral("the saved games in %1 cannot be read; they are kept in %2, and games start "
                                    "with nothing saved.")
                         .arg(QDir::toNativeSeparators(database), QDir::toNativeSeparators(aside)));
  return true;
}

}  // namespace zingbox
