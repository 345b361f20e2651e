// The player opens no network connection: a TCP and a UDP listener on the loopback hear
// nothing from a movie that tries every route it has, nor from script run in the page.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {

class NetworkTest : public QObject {
  Q_OBJECT

  QTcpServer tcp_;
  QUdpSocket udp_;
  QStringList heard_;

 private slots:
  void initTestCase() {
    QVERIFY(tcp_.listen(QHostAddress::LocalHost));
    QVERIFY(udp_.bind(QHostAddress::AnyIPv4));
    connect(&tcp_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* connection = tcp_.nextPendingConnection()) {
        heard_.append("TCP connection");
        connection->close();
        connection->deleteLater();
      }
    });
    connect(&udp_, &QUdpSocket::readyRead, this, [this] {
      while (udp_.hasPendingDatagrams()) heard_.append(QString::fromUtf8(udp_.receiveDatagram().data()));
    });

    // The listeners hear what does arrive.
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, tcp_.serverPort());
    udp_.writeDatagram("probe", QHostAddress::LocalHost, udp_.localPort());
    QTRY_COMPARE(heard_.size(), 2);
    heard_.clear();

    QFile ports(QDir(PlayerHarness::ProgramFolder()).filePath("canary.txt"));
    QVERIFY(ports.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ports.write(QStringLiteral("tcp=%1&udp=%2&ready=1").arg(tcp_.serverPort()).arg(udp_.localPort()).toUtf8());
  }

  void movieReachesNothingByAnyRoute() {
    PlayerHarness harness;
    QVERIFY(harness.LoadAndWaitFor("canary.swf", "tried", "network"));
    QVERIFY(PlayFrames(harness, 10 * FramesPerSecond));
    QCOMPARE(heard_, QStringList());
  }

  void scriptInThePageReachesNothingEither() {
    // As if script had got into the page after all: the page's own ways out stay shut.
    PlayerHarness harness;
    QVERIFY(harness.LoadAndWaitFor("counter.swf", "frame"));
    const QString tries = QStringLiteral(
        "[() => fetch('http://%1/fetch').catch(() => 0),"
        " () => new WebSocket('ws://%1/ws'),"
        " () => new EventSource('http://%1/events'),"
        " () => navigator.sendBeacon('http://%1/beacon', 'x'),"
        " () => { new Image().src = 'http://%1/image'; },"
        " ...['preconnect', 'dns-prefetch', 'prefetch'].map(rel => () => {"
        "   const link = document.createElement('link');"
        "   link.rel = rel; link.href = 'http://%1/' + rel; document.head.appendChild(link); }),"
        " () => { const peer = new RTCPeerConnection({iceServers: [{urls: 'stun:127.0.0.1:%2'}]});"
        "   peer.createDataChannel('d'); peer.createOffer().then(offer => peer.setLocalDescription(offer)); }"
        "].map(route => { try { route(); return 'tried'; } catch (e) { return e.name; } })")
                              .arg(QStringLiteral("127.0.0.1:%1").arg(tcp_.serverPort()))
                              .arg(udp_.localPort());
    QCOMPARE(harness.EvaluateInPage(tries), QStringLiteral("tried,").repeated(8) + "tried");
    QVERIFY(PlayFrames(harness, 10 * FramesPerSecond, "frame"));
    QCOMPARE(heard_, QStringList());
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::NetworkTest)
#include "NetworkTest.moc"
