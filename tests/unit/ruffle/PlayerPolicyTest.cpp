// What the policy answers to each file, link and command a movie may ask for.
#include "platform/ruffle/PlayerPolicy.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <ostream>
#include <string>

namespace zingbox {

void PrintTo(const PlayerPolicy::Verdict& verdict, std::ostream* out) {
  *out << (verdict.allowed ? "allowed" : "refused") << ' ' << verdict.redirect.toString().toStdString() << ' '
       << verdict.desktopAddress.toStdString();
}

namespace {

using Verdict = PlayerPolicy::Verdict;
const Verdict Refused{};
const Verdict Allowed{.allowed = true};
Verdict Opens(const std::string& address) {
  return {.allowed = true, .desktopAddress = QByteArray::fromStdString(address)};
}

PlayerPolicy::File File(const QString& url) { return {QUrl(url)}; }
PlayerPolicy::Link Link(const std::string& address) { return {QString::fromStdString(address)}; }

struct Row {
  const char* what;
  PlayerPolicy::Request request;
  Verdict expected;
};

// Two thousand copies, and more addresses in the mail's own, however the commas are written.
std::string ManyRecipients() {
  std::string many = "mailto:";
  for (int to = 0; to < 8; ++to) many += "t" + std::to_string(to) + "@zingbox.invalid" + (to % 2 ? "," : "%2C");
  many += "?cc=";
  for (int cc = 0; cc < 2000; ++cc) many += "c" + std::to_string(cc) + "@zingbox.invalid,";
  return many + "&subject=Hi&cc=late@zingbox.invalid";
}

// Ten in all, counted across the address and the copies.
std::string TenRecipients() {
  std::string capped = "mailto:";
  for (int to = 0; to < 8; ++to) capped += "t" + std::to_string(to) + "@zingbox.invalid,";
  capped.back() = '?';
  return capped + "cc=c0@zingbox.invalid,c1@zingbox.invalid&subject=Hi";
}

TEST(PlayerPolicy, AnswersEachRequest) {
  // <root>/player holds the page; beside it a secret, and a folder whose name starts alike.
  QTemporaryDir root;
  const QString page = root.filePath("player"), at = QUrl::fromLocalFile(page).toString();
  ASSERT_TRUE(QDir().mkpath(page + "/ruffle") && QDir().mkpath(page + "-twin"));
  for (const QString& file : {page + "/player.js", page + "-twin/player.js", root.filePath("secret.txt")})
    ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
  ASSERT_EQ(::symlink("../secret.txt", QFile::encodeName(page + "/leak.txt").constData()), 0);
  PlayerPolicy policy(page);

  const QString longest(PlayerPolicy::LongestText, QLatin1Char('x')), tooLong = longest + QLatin1Char('x');
  const std::string longestLink = "https://zingbox.invalid/" + std::string(PlayerPolicy::LongestText - 24, 'x');
  const Row rows[] = {
      {"the page's file", File(at + "/ruffle/../player.js"), Allowed},
      {"a file beside the page's folder", File(at + "/ruffle/../../secret.txt"), Refused},
      {"through a link in the folder", File(at + "/leak.txt"), Refused},
      {"in a folder whose name starts alike", File(at + "-twin/player.js"), Refused},
      {"a movie's file", File("zingbox-movies:/anywhere/movie.swf"), Allowed},
      {"in-memory data", File("data:text/plain,x"), Allowed},
      {"in-memory data by name", File("blob:file:///0e5c"), Allowed},
      {"the network", File("https://zingbox.invalid/"), Refused},

      {"a web page goes fully encoded", Link("HTTPS://zingbox.invalid/a b?q=\xC3\xBC#top"),
       Opens("https://zingbox.invalid/a%20b?q=%C3%BC#top")},
      {"a link as long as a link may be", Link(longestLink), Opens(longestLink)},
      {"a longer one", Link(longestLink + "x"), Refused},
      {"a mail keeps only its address, copies, subject and body",
       Link("mailto:a@zingbox.invalid,b@zingbox.invalid?to=c@zingbox.invalid&Subject=Hi%20there&attach=/etc/passwd"
            "&CC=d@zingbox.invalid&bcc=e@zingbox.invalid&body=L1%0AL2&%61ttach=f&attachment=g&body#frag"),
       Opens("mailto:a@zingbox.invalid,b@zingbox.invalid?Subject=Hi%20there&CC=d@zingbox.invalid&body=L1%0AL2&body")},
      {"a mail with nothing it may keep", Link("mailto:?attach=/etc/passwd"), Opens("mailto:")},
      // A line break would start a header of the movie's own; a body may have them.
      {"mail headers stay one line",
       Link("mailto:a@zingbox.invalid?subject=Hi%0D%0ABcc:%20e@zingbox.invalid"
            "&cc=d@zingbox.invalid%0a%0dBcc:x@zingbox.invalid&body=L1%0D%0AL2"),
       Opens("mailto:a@zingbox.invalid?subject=Hi%20Bcc:%20e@zingbox.invalid"
             "&cc=d@zingbox.invalid%20Bcc%3Ax@zingbox.invalid&body=L1%0D%0AL2")},
      {"recipients as few as a person writes", Link(ManyRecipients()), Opens(TenRecipients())},

      {"commands as long as they may be", PlayerPolicy::Command{longest, longest}, Allowed},
      {"a longer name", PlayerPolicy::Command{tooLong, ""}, Refused},
      {"longer arguments", PlayerPolicy::Command{"", tooLong}, Refused},
  };
  for (const Row& row : rows) EXPECT_EQ(policy.Decide(row.request), row.expected) << row.what;
  for (const char* elsewhere : {"javascript:alert(1)", "file:///etc/passwd", "data:text/html,<b>x</b>",
                                "ftp://zingbox.invalid/", "about:blank", "smb://host/share", "", "-h"})
    EXPECT_EQ(policy.Decide(Link(elsewhere)), Refused) << elsewhere;

  // A folder gone missing holds nothing, rather than everything.
  const QString secret = QUrl::fromLocalFile(root.filePath("secret.txt")).toString();
  EXPECT_EQ(PlayerPolicy(root.filePath("gone")).Decide(File(secret)), Refused);
}

}  // namespace
}  // namespace zingbox
