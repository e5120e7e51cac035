#include "integration/WineTest.h"

#include <string>

namespace {

using Names = std::vector<std::string>;

class CommandTail : public WineTest {};

// Requests that name no file the utility could use end quietly: exit status 0, no file made.
TEST_F(CommandTail, UnservableRequestsExitWithZeroAndLeaveNothing) {
  const std::string tooLong(201, 'a');
  const std::string tails[] = {
      "",
      "/",
      "//",
      "/+",
      "/path-without-output-file",
      "/-no line feed, so no output file",
      "//missing-list.txt",
      "missing-request-file",
      "\"quoted request file\"",
      "/" + tooLong + " out.txt",
      "//" + tooLong,
      "\xff\x80\xe9 bytes from 0x80 up",
      "/  \t\n  ",
  };
  for (const std::string& tail : tails) {
    EXPECT_EQ(0, RunTail(tail)) << "tail: " << tail;
    EXPECT_EQ(Names{}, ListWorkDir()) << "tail: " << tail;
  }
}

TEST_F(CommandTail, CreateEmptyMakesOrEmptiesAFileWithBlanksInItsPath) {
  std::filesystem::create_directory(Local("dir with blanks"));
  WriteBytes(Local("dir with blanks/old.tmp"), "contents\r\n");

  for (int nRun = 0; nRun < 2; ++nRun) { // a second identical run behaves like the first
    EXPECT_EQ(0, RunTail("/+" + Win("dir with blanks/flag.tmp")));
    EXPECT_EQ(0, RunTail("/+" + Win("dir with blanks/old.tmp")));
    EXPECT_EQ((Names{"flag.tmp", "old.tmp"}), [&] {
      Names names;
      for (const auto& entry : std::filesystem::directory_iterator(Local("dir with blanks"))) {
        names.push_back(entry.path().filename().string());
      }
      std::sort(names.begin(), names.end());
      return names;
    }());
    EXPECT_EQ("", ReadBytes(Local("dir with blanks/flag.tmp")));
    EXPECT_EQ("", ReadBytes(Local("dir with blanks/old.tmp")));
  }
}

TEST_F(CommandTail, RelativePathsResolveAgainstTheCallersWorkingDirectory) {
  EXPECT_EQ(0, RunTail("/+relative.tmp"));
  EXPECT_EQ(Names{"relative.tmp"}, ListWorkDir());
}

// However the caller writes the program name, the tail starts after it and its blanks.
TEST_F(CommandTail, ProgramNameFormsAllLeaveTheSameTail) {
  const std::string exe = WineRunner::WindowsPath(FILESVC_EXE);
  const struct {
    std::string prefix;
    std::string file;
  } forms[] = {
      {"\"" + exe + "\"", "quoted-then-tail.tmp"}, // no blank between name and tail
      {"\"" + exe + "\" \t\n ", "control-bytes-skipped.tmp"},
      {exe + " ", "unquoted.tmp"},
  };
  for (const auto& form : forms) {
    if (form.prefix.find(' ') < form.prefix.size() - 1 && form.prefix[0] != '"') {
      continue; // an unquoted name cannot hold a blank
    }
    EXPECT_EQ(0, WineRunner::RunCommandLine(form.prefix + "/+" + Win(form.file), workDir_));
    EXPECT_TRUE(std::filesystem::exists(Local(form.file))) << form.prefix;
  }
}

} // namespace
