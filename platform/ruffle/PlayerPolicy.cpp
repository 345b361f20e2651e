#include "platform/ruffle/PlayerPolicy.h"

#include <QFileInfo>
#include <QList>
#include <QRegularExpression>

#include "platform/ruffle/DeviceFontFiles.h"

namespace zingbox {
namespace {

// Resolves "." and "..", and every symbolic link. Empty when the file does not exist as
// named, which is also what a name that is no valid UTF-8 on disk comes to.
QString RealPath(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

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
    if (recipients == PlayerPolicy::MostRecipients) break;
    ++recipients;
    kept.append(address.toPercentEncoding("@+"));
  }
  return kept.join(',');
}

// A mail keeps its address, copies, subject and body: nothing it could attach or hide.
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

PlayerPolicy::Verdict Opens(const QByteArray& desktopAddress) {
  return {.allowed = true, .desktopAddress = desktopAddress};
}

}  // namespace

QString FolderPrefix(const QString& folder) {
  const QString real = RealPath(folder);
  return real.isEmpty() ? real : real + QLatin1Char('/');
}

PlayerPolicy::PlayerPolicy(const QString& pageFolder) : pageFolder_(FolderPrefix(pageFolder)) {}

PlayerPolicy::Verdict PlayerPolicy::Decide(const Request& request) {
  return std::visit([this](const auto& asked) { return Answer(asked); }, request);
}

PlayerPolicy::Verdict PlayerPolicy::Answer(const File& file) {
  const QUrl& url = file.url;
  const QString scheme = url.scheme();
  if (scheme == QLatin1String("data") || scheme == QLatin1String("blob") || scheme == QLatin1String(MovieScheme))
    return {.allowed = true};
  if (!url.isLocalFile() || !url.host().isEmpty()) return {};
  const QString path = url.toLocalFile();
  if (const QString font = DeviceFontFile(path); !font.isEmpty()) {
    deviceFonts_.insert(font);
    return {.allowed = true, .redirect = QUrl::fromLocalFile(font)};
  }
  return {.allowed = deviceFonts_.contains(path) || (!pageFolder_.isEmpty() && RealPath(path).startsWith(pageFolder_))};
}

// The page's font requests, "device-fonts/<Windows font>/<style>" in its folder, name the
// file chosen for each (see DeviceFontFiles).
QString PlayerPolicy::DeviceFontFile(const QString& localPath) const {
  static const QString fontsFolder = QStringLiteral("/device-fonts/");
  const qsizetype at = localPath.lastIndexOf(fontsFolder);
  if (at < 0 || pageFolder_.isEmpty() || FolderPrefix(localPath.left(at)) != pageFolder_) return {};
  const QStringList fontAndStyle = localPath.mid(at + fontsFolder.size()).split(QLatin1Char('/'));
  if (fontAndStyle.size() != 2) return {};
  return DeviceFontFiles::Choose(fontAndStyle[0], fontAndStyle[1]);
}

PlayerPolicy::Verdict PlayerPolicy::Answer(const Link& link) const {
  if (link.address.size() > LongestText) return {};
  const QUrl requested(link.address);
  if (!requested.isValid()) return {};
  const QString scheme = requested.scheme();
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) return Opens(requested.toEncoded());
  if (scheme == QLatin1String("mailto")) return Opens(MailWithKeptFields(requested));
  return {};
}

PlayerPolicy::Verdict PlayerPolicy::Answer(const Command& command) const {
  return {.allowed = command.name.size() <= LongestText && command.args.size() <= LongestText};
}

QString PlayerPolicy::PageScript() {
  // allowScriptAccess and allowNetworking let fscommand reach the page; what a movie may
  // load or open is decided here. No right-click menu: the program's own buttons pause
  // and restart, and Ruffle's menu would offer the desktop a web page and a file dialog.
  return QStringLiteral(
             "const moviePolicy = Object.freeze({"
             "  engineOptions: Object.freeze({allowScriptAccess: true, allowNetworking: 'all', openUrlMode: 'allow',"
             "    upgradeToHttps: false, allowFullscreen: false, contextMenu: 'off', maxExecutionDuration: %1}),"
             "  longestCommandText: %2, mostCommandsPerTurn: %3, movieScheme: '%4:'});\n")
      .arg(ScriptSeconds)
      .arg(LongestText)
      .arg(MostCommandsPerTurn)
      .arg(QLatin1String(MovieScheme));
}

QString PlayerPolicy::ContentSecurityScript() {
  const QString rules = QStringLiteral(
                            "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; connect-src 'self' %1: blob:; "
                            "worker-src blob:; style-src 'self' 'unsafe-inline'; img-src 'self' data: blob:; "
                            "font-src 'self' data:; media-src 'self' data: blob:; form-action 'none'; base-uri 'none'")
                            .arg(QLatin1String(MovieScheme));
  // A policy counts only in the document's head, which the page's own text is yet to
  // make: it goes in as soon as there is one, before any of the page's scripts runs.
  return QStringLiteral(
             "new MutationObserver((changes, observer) => {"
             "  if (!document.head) return;"
             "  observer.disconnect();"
             "  const rules = {httpEquiv: 'Content-Security-Policy', content: \"%1\"};"
             "  document.head.prepend(Object.assign(document.createElement('meta'), rules));"
             "}).observe(document, {childList: true, subtree: true});\n")
      .arg(rules);
}

}  // namespace zingbox
