#include "platform/qt/RunningCopy.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace zingbox {
namespace {

constexpr char ShowRequest[] = "show\n";
constexpr char ShownReply[] = "shown\n";
constexpr int ConnectWithinMs = 3000;  // the running copy may be starting up itself
constexpr int ReplyWithinMs = 5000;    // it answers from its event loop

QString SocketPath(const QString& savedGamesFolder) {
  const QByteArray folderHash =
      QCryptographicHash::hash(QDir(savedGamesFolder).absolutePath().toUtf8(), QCryptographicHash::Sha256);
  QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (runtimeFolder.isEmpty()) runtimeFolder = QDir::tempPath();
  return QDir(runtimeFolder).filePath(QStringLiteral("zingbox-%1").arg(QString::fromLatin1(folderHash.toHex().left(16))));
}

}  // namespace

RunningCopy::RunningCopy(const QString& savedGamesFolder, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
  const QString path = SocketPath(savedGamesFolder);
  QLocalServer::removeServer(path);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  server_->listen(path);
  connect(server_, &QLocalServer::newConnection, this, &RunningCopy::Answer);
}

void RunningCopy::Answer() {
  while (QLocalSocket* caller = server_->nextPendingConnection()) {
    connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
    connect(caller, &QLocalSocket::readyRead, caller, [this, caller] {
      if (!caller->canReadLine()) return;
      if (caller->readLine() == ShowRequest) {
        emit ShowWindowRequested();
        caller->write(ShownReply);
      }
      caller->disconnectFromServer();
    });
  }
}

bool RunningCopy::AskToShowWindow(const QString& savedGamesFolder) {
  const QString path = SocketPath(savedGamesFolder);
  QLocalSocket socket;
  const QDeadlineTimer connectDeadline(ConnectWithinMs);
  for (;;) {
    socket.connectToServer(path);
    if (socket.waitForConnected(static_cast<int>(connectDeadline.remainingTime()))) break;
    if (connectDeadline.hasExpired()) return false;
    QThread::msleep(100);  // between its lock and its socket
  }
  socket.write(ShowRequest);
  const QDeadlineTimer replyDeadline(ReplyWithinMs);
  while (!socket.canReadLine()) {
    if (!socket.waitForReadyRead(static_cast<int>(replyDeadline.remainingTime()))) return false;
  }
  return socket.readLine() == ShownReply;
}

}  // namespace zingbox
