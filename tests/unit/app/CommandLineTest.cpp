#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <QDir>

namespace zingbox {
namespace {

using Request = CommandLine::Request;

struct Reading {
  QStringList arguments;
  Request request;
  QString folderOrProblem;  // the folder for Play, a part of the problem for UsageError
};

TEST(CommandLineTest, ReadsOneFolderOrOneAnswerAndRefusesTheRest) {
  const QString here = QDir::currentPath();
  const Reading readings[] = {
      {{}, Request::Play, ""},
      {{"/home/ann/Games/ClassicPack/"}, Request::Play, "/home/ann/Games/ClassicPack"},
      {{"Pack/./Old/../"}, Request::Play, here + "/Pack"},
      {{"--", "--help"}, Request::Play, here + "/--help"},
      {{"-"}, Request::Play, here + "/-"},
      {{"--help", "/no/such/folder"}, Request::Help, ""},
      {{"Pack", "-h"}, Request::Help, ""},
      {{"--version"}, Request::Version, ""},
      {{"--verbose", "--help"}, Request::UsageError, "unknown option --verbose"},
      {{"-platform", "xcb"}, Request::UsageError, "unknown option -platform"},
      {{"One", "Two"}, Request::UsageError, "not also Two"},
      {{""}, Request::UsageError, "empty"},
  };
  for (const Reading& reading : readings) {
    SCOPED_TRACE(reading.arguments.join(' ').toStdString());
    const CommandLine line = ReadCommandLine(reading.arguments);
    EXPECT_EQ(line.request, reading.request);
    if (reading.request == Request::UsageError) {
      EXPECT_TRUE(line.problem.contains(reading.folderOrProblem)) << line.problem.toStdString();
      EXPECT_FALSE(line.problem.contains('\n'));
    } else {
      EXPECT_EQ(line.folder, reading.folderOrProblem);
    }
  }
}

}  // namespace
}  // namespace zingbox
