#include "platform/ruffle/MovieFileCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>
#include <QtEndian>

namespace zingbox {
namespace {

constexpr qint64 HeaderSize = 8;  // signature (3), version (1), file length (4)

bool IsSwfSignature(const QByteArray& header) {
  const QByteArray signature = header.left(3);
  return signature == "FWS" || signature == "CWS" || signature == "ZWS";
}

// Names what an entry that is no regular file is, as far as a user knows the word.
QString NotAFileProblem(mode_t mode) {
  const auto notAMovie = [](const char* kind) {
    return QStringLiteral("This is %1, not a movie file.").arg(QLatin1String(kind));
  };
  if (S_ISDIR(mode)) return notAMovie("a folder");
  if (S_ISFIFO(mode)) return notAMovie("a named pipe");
  if (S_ISCHR(mode) || S_ISBLK(mode)) return notAMovie("a device");
  return QStringLiteral("This is not a movie file.");
}

}  // namespace

QString MovieFileProblem(const QString& localPath) {
  // Without waiting on a pipe's writer; what is looked at is what was opened.
  const int fd = ::open(QFile::encodeName(localPath).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0)
    return errno == ENOENT || errno == ENOTDIR ? QStringLiteral("The file does not exist.")
                                               : QStringLiteral("The file cannot be read.");
  struct stat status{};
  const bool known = ::fstat(fd, &status) == 0;
  QFile file;
  if (!known || !S_ISREG(status.st_mode) || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return known && !S_ISREG(status.st_mode) ? NotAFileProblem(status.st_mode)
                                             : QStringLiteral("The file cannot be read.");
  }
  if (file.size() == 0) return QStringLiteral("The file is empty.");

  const QByteArray header = file.read(HeaderSize);
  if (header.size() < HeaderSize || !IsSwfSignature(header))
    return QStringLiteral("The file is not a Flash movie.");

  // Only an uncompressed movie states its stored length; a compressed one states the
  // length after unpacking, which the engine checks itself.
  const quint32 statedLength = qFromLittleEndian<quint32>(header.constData() + 4);
  if (header.startsWith("FWS") && file.size() < statedLength)
    return QStringLiteral("The file is incomplete.");
  return {};
}

}  // namespace zingbox
