// A movie's request to open a web or mail address goes to the desktop's opener; other
// addresses go nowhere, and the page stays where it is.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {

class LinksTest : public QObject {
  Q_OBJECT

  QTemporaryDir fakeOpener_;
  QTemporaryDir requests_;

  // The arguments the stand-in opener was started with, in no particular order.
  QStringList OpenedAddresses() const {
    QStringList addresses;
    const QDir folder(requests_.path());
    for (const QString& name : folder.entryList(QDir::Files)) {
      QFile request(folder.filePath(name));
      if (request.open(QIODevice::ReadOnly)) addresses.append(QString::fromUtf8(request.readAll()));
    }
    addresses.sort();
    return addresses;
  }

 private slots:
  void initTestCase() {
    // A stand-in xdg-open first on PATH: each call leaves a file holding its argument.
    QFile script(QDir(fakeOpener_.path()).filePath(QStringLiteral("xdg-open")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > \"%1/request.$$\"\n")
                     .arg(requests_.path())
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
    qputenv("PATH", (fakeOpener_.path() + QLatin1Char(':') + qEnvironmentVariable("PATH")).toUtf8());
  }

  void onlyWebAndMailAddressesLeaveThePlayer() {
    PlayerHarness harness;
    const QUrl hostPage = QUrl::fromLocalFile(
        QDir(PlayerHarness::ProgramFolder()).filePath(QStringLiteral("player/player.html")));
    harness.Player().SetMovie(PlayerHarness::MoviePath(QStringLiteral("links.swf")));
    QVERIFY(harness.WaitForCommand(QStringLiteral("asked"), QStringLiteral("links")));

    // The refused ones were asked for first, so they would have been opened by now.
    const QStringList expected = {QStringLiteral("http://zingbox.invalid/in-place"),
                                  QStringLiteral("https://zingbox.invalid/new-window?from=movie"),
                                  QStringLiteral("mailto:friend@zingbox.invalid?subject=Hello")};
    QTRY_COMPARE_WITH_TIMEOUT(OpenedAddresses(), expected, 10000);

    QCOMPARE(harness.EvaluateInPage(QStringLiteral("window.linkScriptRan")), QStringLiteral("undefined"));
    QCOMPARE(harness.EvaluateInPage(QStringLiteral("location.href")), hostPage.toString(QUrl::FullyEncoded));
    QCOMPARE(harness.Player().url(), hostPage);
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::LinksTest)
#include "LinksTest.moc"
