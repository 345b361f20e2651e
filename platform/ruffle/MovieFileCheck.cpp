#include "platform/ruffle/MovieFileCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace zingbox {
namespace {

constexpr qint64 HeaderSize = 8;  // signature (3), version (1), file length (4)

bool IsSwfSignature(const QByteArray& header) {
  const QByteArray signature = header.left(3);
  return signature == "FWS" || signature == "CWS" || signature == "ZWS";
}

}  // namespace

QString MovieFileProblem(const QString& localPath) {
  const QFileInfo info(localPath);
  if (!info.exists()) return QStringLiteral("The file does not exist.");
  if (!info.isFile()) return QStringLiteral("This is a folder, not a movie file.");

  QFile file(localPath);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("The file cannot be read.");
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
