#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

namespace zingbox {

// The object the host page reaches over the web channel. Its slots run on the UI thread.
class PageBridge : public QObject {
  Q_OBJECT

 public:
  // The longest text, in UTF-16 units, that a movie may send as a command or a link. The
  // page drops longer commands before they cross the channel; they are refused here again.
  static constexpr qsizetype LongestCommandText = 64 * 1024;

  using QObject::QObject;

 public slots:
  void fsCommand(const QString& command, const QString& args) {
    if (command.size() > LongestCommandText || args.size() > LongestCommandText) return;
    emit FSCommandReceived(command, args);
  }
  void openLink(const QString& url) {
    if (url.size() <= LongestCommandText) emit LinkRequested(QUrl(url));
  }
  void pageReady() { emit Ready(); }

 signals:
  void FSCommandReceived(const QString& command, const QString& args);
  void LinkRequested(const QUrl& url);
  void Ready();
};

}  // namespace zingbox
