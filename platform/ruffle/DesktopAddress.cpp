#include "platform/ruffle/DesktopAddress.h"

#include <QList>

namespace zingbox {
namespace {

bool IsKeptMailField(const QByteArray& field) {
  const QByteArray name = QByteArray::fromPercentEncoding(field.split('=').constFirst()).toLower();
  return name == "cc" || name == "subject" || name == "body";
}

QByteArray MailWithKeptFields(const QUrl& mail) {
  QByteArray kept;
  for (const QByteArray& field : mail.query(QUrl::FullyEncoded).toLatin1().split('&')) {
    if (!IsKeptMailField(field)) continue;
    kept += kept.isEmpty() ? '?' : '&';
    kept += field;
  }
  return "mailto:" + mail.path(QUrl::FullyEncoded).toLatin1() + kept;
}

}  // namespace

QByteArray DesktopAddress(const QUrl& requested) {
  if (!requested.isValid()) return {};
  const QString scheme = requested.scheme();
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
    return requested.toEncoded();
  if (scheme == QLatin1String("mailto")) return MailWithKeptFields(requested);
  return {};
}

}  // namespace zingbox
