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

TEST(DesktopAddress, MailHeadersStayOneLineAndRecipientsFewAsAPersonWrites) {
  // A line break would start a header of the movie's own; a body may have them.
  EXPECT_EQ(AddressOf("mailto:a@zingbox.invalid?subject=Hi%0D%0ABcc:%20e@zingbox.invalid"
                      "&cc=d@zingbox.invalid%0a%0dBcc:x@zingbox.invalid&body=L1%0D%0AL2"),
            "mailto:a@zingbox.invalid?subject=Hi%20Bcc:%20e@zingbox.invalid"
            "&cc=d@zingbox.invalid%20Bcc%3Ax@zingbox.invalid&body=L1%0D%0AL2");

  // Two thousand copies, and more addresses in the mail's own: ten in all, counted across
  // both, however the commas are written.
  std::string many = "mailto:";
  for (int to = 0; to < 8; ++to) many += "t" + std::to_string(to) + "@zingbox.invalid" + (to % 2 ? "," : "%2C");
  many += "?cc=";
  for (int cc = 0; cc < 2000; ++cc) many += "c" + std::to_string(cc) + "@zingbox.invalid,";
  many += "&subject=Hi&cc=late@zingbox.invalid";
  std::string capped = "mailto:";
  for (int to = 0; to < 8; ++to) capped += "t" + std::to_string(to) + "@zingbox.invalid,";
  capped.back() = '?';
  EXPECT_EQ(AddressOf(many.c_str()), capped + "cc=c0@zingbox.invalid,c1@zingbox.invalid&subject=Hi");
}

// A gesture whose movie 1 the program chose and the page started.
UserGesture FirstMoviePlaying() {
  UserGesture gesture;
  gesture.MovieChosen(1);
  gesture.MovieStarted(1);
  return gesture;
}

TEST(UserGesture, GrantsOneRequestPerPressWithinASecond) {
  UserGesture gesture = FirstMoviePlaying();
  EXPECT_FALSE(gesture.Spend(1, 0)) << "nobody pressed anything";

  gesture.Pressed(100);
  EXPECT_TRUE(gesture.Spend(1, 1100));
  EXPECT_FALSE(gesture.Spend(1, 1150)) << "one request per press";

  gesture.Pressed(2000);
  EXPECT_FALSE(gesture.Spend(1, 3001)) << "too late";
}

TEST(UserGesture, AButtonHeldDownCountsFromItsRelease) {
  UserGesture gesture = FirstMoviePlaying();
  gesture.Pressed(0);
  gesture.Released(5000);
  EXPECT_TRUE(gesture.Spend(1, 5900));
  gesture.Released(6000);
  EXPECT_FALSE(gesture.Spend(1, 6100)) << "a release grants nothing by itself";
}

TEST(UserGesture, OnlyTheMovieThatReceivedThePressSpendsIt) {
  UserGesture gesture = FirstMoviePlaying();
  gesture.Pressed(0);
  EXPECT_FALSE(gesture.Spend(2, 10)) << "no movie 2 yet";

  // The press that chose the next movie, as a menu's button does.
  gesture.MovieChosen(2);
  EXPECT_FALSE(gesture.Spend(1, 20)) << "movie 1 has been replaced";
  gesture.Pressed(30);  // reaches movie 1, which still plays
  gesture.MovieStarted(2);
  EXPECT_FALSE(gesture.Spend(2, 40)) << "movie 2 starts with nothing to spend";

  gesture.Pressed(50);
  EXPECT_FALSE(gesture.Spend(1, 60)) << "a late request of movie 1";
  EXPECT_TRUE(gesture.Spend(2, 70));
}

}  // namespace
}  // namespace zingbox
