#pragma once

#include <QObject>
#include <QString>

namespace zingbox {

// The object the host page reaches over the web channel. Its slots run on the UI thread.
class PageBridge : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 public slots:
  void fsCommand(const QString& command, const QString& args) { emit FSCommandReceived(command, args); }
  void pageReady() { emit Ready(); }

 signals:
  void FSCommandReceived(const QString& command, const QString& args);
  void Ready();
};

}  // namespace zingbox
