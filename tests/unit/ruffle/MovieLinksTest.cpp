// What a movie's link may hand to the desktop, and when.
#include <gtest/gtest.h>

#include "platform/ruffle/DesktopAddress.h"
#include "platform/ruffle/UserGesture.h"

namespace zingbox {
namespace {

std::string AddressOf(const char* requested) {
  return DesktopAddress(QUrl(QString::fromUtf8(requested))).toStdString();
}

TEST(DesktopAddress, WebPagesGoFullyEncoded) {
  EXPECT_EQ(AddressOf("https://zingbox.invalid/a b?q=\xC3\xBC#top"), "https://zingbox.invalid/a%20b?q=%C3%BC#top");
  EXPECT_EQ(AddressOf("HTTP://zingbox.invalid/x"), "http://zingbox.invalid/x");
}

TEST(DesktopAddress, NothingButWebPagesAndMailLeaves) {
  for (const char* refused : {"javascript:alert(1)", "file:///etc/passwd", "data:text/html,<b>x</b>",
                              "ftp://zingbox.invalid/", "about:blank", "smb://host/share", "", "-h"})
    EXPECT_EQ(AddressOf(refused), "") << refused;
}

TEST(DesktopAddress, MailKeepsOnlyItsAddressCopiesSubjectAndBody) {
  EXPECT_EQ(AddressOf("mailto:a@zingbox.invalid,b@zingbox.invalid?to=c@zingbox.invalid&Subject=Hi%20there"
                      "&attach=/etc/passwd&CC=d@zingbox.invalid&bcc=e@zingbox.invalid&body=L1%0AL2"
                      "&%61ttach=f&attachment=g&body#frag"),
            "mailto:a@zingbox.invalid,b@zingbox.invalid?Subject=Hi%20there&CC=d@zingbox.invalid&body=L1%0AL2&body");
  EXPECT_EQ(AddressOf("mailto:a@zingbox.invalid?attach=/etc/passwd"), "mailto:a@zingbox.invalid");
  EXPECT_EQ(AddressOf("mailto:?subject=Hello"), "mailto:?subject=Hello");
}

TEST(UserGesture, GrantsOneRequestPerPressWithinASecond) {
  UserGesture gesture;
  EXPECT_FALSE(gesture.Spend(0)) << "nobody pressed anything";

  gesture.Pressed(100);
  EXPECT_TRUE(gesture.Spend(1100));
  EXPECT_FALSE(gesture.Spend(1150)) << "one request per press";

  gesture.Pressed(2000);
  EXPECT_FALSE(gesture.Spend(3001)) << "too late";
}

TEST(UserGesture, AButtonHeldDownCountsFromItsRelease) {
  UserGesture gesture;
  gesture.Pressed(0);
  gesture.Released(5000);
  EXPECT_TRUE(gesture.Spend(5900));
  gesture.Released(6000);
  EXPECT_FALSE(gesture.Spend(6100)) << "a release grants nothing by itself";
}

}  // namespace
}  // namespace zingbox
