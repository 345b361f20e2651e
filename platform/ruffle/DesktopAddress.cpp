#include "platform/ruffle/DesktopAddress.h"

#include <QList>
#include <QRegularExpression>

namespace zingbox {
namespace {

// More addresses than anyone writes into a mail by hand: beyond these a movie is
// spamming through the user's mail program.
constexpr int MostRecipients = 10;

// The header fields' values, where a line break would start a header of its own.
QByteArray WithoutLineBreaks(const QByteArray& value) {
  static const QRegularExpression lineBreaks(QStringLiteral("(%0[AaDd])+"));
  return QString::fromLatin1(value).replace(lineBreaks, QStringLiteral("%20")).toLatin1();
}

// The first of the comma-separated addresses in `encoded` that still fit under the cap,
// counted in `recipients`; what the mail program reads as a separator, encoded or not, is one.
QByteArray CappedAddresses(const QByteArray& encoded, int& recipients) {
  QList<QByteArray> kept;
  for (const QByteArray& address : QByteArray::fromPercentEncoding(encoded).split(',')) {
    if (address.trimmed().isEmpty()) continue;
    if (recipients == MostRecipients) break;
    ++recipients;
    kept.append(address.toPercentEncoding("@+"));
  }
  return kept.join(',');
}

QByteArray MailWithKeptFields(const QUrl& mail) {
  int recipients = 0;
  const QByteArray to = CappedAddresses(mail.path(QUrl::FullyEncoded).toLatin1(), recipients);
  QByteArray kept;
  for (const QByteArray& field : mail.query(QUrl::FullyEncoded).toLatin1().split('&')) {
    const qsizetype equals = field.indexOf('=');
    const QByteArray fieldName = equals < 0 ? field : field.left(equals);
    const QByteArray name = QByteArray::fromPercentEncoding(fieldName).toLower();
    const QByteArray value = equals < 0 ? QByteArray() : field.mid(equals + 1);
    QByteArray keptValue;
    if (name == "body") {
      keptValue = value;  // a body may hold line breaks
    } else if (name == "subject") {
      keptValue = WithoutLineBreaks(value);
    } else if (name == "cc") {
      keptValue = CappedAddresses(WithoutLineBreaks(value), recipients);
      if (keptValue.isEmpty()) continue;
    } else {
      continue;
    }
    kept += kept.isEmpty() ? '?' : '&';
    kept += equals < 0 ? fieldName : fieldName + '=' + keptValue;
  }
  return "mailto:" + to + kept;
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
