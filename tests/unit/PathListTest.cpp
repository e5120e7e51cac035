#include "pathnames/PathList.h"

#include "pathnames/LongPath.h"
#include "pathnames/ProbeMemo.h"

#include "fakes/FakePlatformServices.h"
#include "unit/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

void AddDriveC(FakePlatformServices& platform) {
  platform.entryNames = {
      {"c:\\progra~1", "Program Files"},
      {"c:\\progra~1\\commo~1", "Common Files"},
      {"c:\\progra~1\\commo~1\\a.txt", "A.txt"},
      {"c:\\progra~1\\commo~1\\readme~1.txt", "Read me first.txt"},
      {"C:\\WINDOWS", "WINDOWS"},
      {"c:\\windows", "WINDOWS"},
      {"c:\\docs", "Docs"},
      {"c:\\PROGRA~1", "Program Files"},
  };
}

// Converts a list file holding listBytes; returns the answer file's bytes, or "(none)".
struct ListRun {
  std::string answer;
  bool bListKept;
};
ListRun ConvertList(FakePlatformServices& platform, const std::string& listBytes) {
  TempDir dir;
  const std::string list = dir / "LIST.TMP";
  WriteBytes(list, listBytes);
  ConvertPathList(platform, list.c_str());
  const bool bAnswered = std::filesystem::exists(list + "p");
  return {bAnswered ? ReadBytes(list + "p") : "(none)", std::filesystem::exists(list)};
}

TEST(ConvertPathList, AnswersEveryLineInOrderAndDeletesTheList) {
  const std::string over255 = "c:\\" + std::string(253, 'x');
  const std::string exactly255 = "c:\\" + std::string(252, 'x');
  std::string tooManyComponents = "c:";
  for (int i = 0; i < 63; ++i) {
    tooManyComponents += "\\d";
  }
  const std::string farTooLong(5000, 'y'); // passed through in many reads
  const struct {
    std::string list;
    std::string answer;
  } cases[] = {
      {"c:\\progra~1\r\nc:\\missing\\x.txt\r\n", "C:\\Program Files\r\nc:\\missing\\x.txt\r\n"},
      {"C:\\WINDOWS\r\nc:\\windows\r\nc:\\docs\\later.txt", // no final line end
       "C:\\WINDOWS\r\nC:\\WINDOWS\r\nC:\\Docs\\later.txt\r\n"},
      {"", ""},
      {"c:\\windows\r\n\x1A"
       "c:\\docs\r\n",
       "C:\\WINDOWS\r\n"}, // Ctrl-Z ends the list
      {"\\\\server\\share\\dir\\file.txt\r\n", "\\\\server\\share\\dir\\file.txt\r\n"},
      // Lines that cannot be paths are answered unchanged, each in its place.
      {"\r\n\\\\\\\r\nc:\\windows\r\n", "\r\n\\\\\\\r\nC:\\WINDOWS\r\n"},
      {"c:\\windows\r\n" + over255 + "\r\nc:\\windows",
       "C:\\WINDOWS\r\n" + over255 + "\r\nC:\\WINDOWS\r\n"},
      {exactly255 + "\r\n" + over255, "C" + exactly255.substr(1) + "\r\n" + over255 + "\r\n"},
      {farTooLong + "\r\n" + farTooLong + "\r\nc:\\windows\r\n",
       farTooLong + "\r\n" + farTooLong + "\r\nC:\\WINDOWS\r\n"},
      {tooManyComponents + "\r\nc:\\windows\r\n", tooManyComponents + "\r\nC:\\WINDOWS\r\n"},
      {std::string("c:\\win\0dows\r\nc:\\windows\r\n", 25),
       std::string("c:\\win\0dows\r\nC:\\WINDOWS\r\n", 25)},
      {"c:\\windows\rc:\\docs\r\n", "c:\\windows\rc:\\docs\r\n"}, // a lone CR is data
  };
  for (const auto& c : cases) {
    FakePlatformServices platform;
    AddDriveC(platform);
    const ListRun run = ConvertList(platform, c.list);
    EXPECT_EQ(c.answer, run.answer) << "list: " << c.list;
    EXPECT_FALSE(run.bListKept) << "list: " << c.list;
  }
}

TEST(ConvertPathList, AMissingListGetsNoAnswer) {
  TempDir dir;
  FakePlatformServices platform;
  ConvertPathList(platform, (dir / "missing.tmp").c_str());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// The caller's only copy of its paths stays whenever the answer is not complete on disk.
TEST(ConvertPathList, KeepsTheListUnlessEveryAnswerLineWasWritten) {
  TempDir dir;
  FakePlatformServices platform;
  AddDriveC(platform);
  const std::string list = dir / "LIST.TMP";
  const std::string lines = "c:\\windows\r\nc:\\progra~1\r\n";

  // The answer cannot be created: a directory holds its name.
  WriteBytes(list, lines);
  std::filesystem::create_directory(list + "p");
  ConvertPathList(platform, list.c_str());
  EXPECT_EQ(lines, ReadBytes(list));
  std::filesystem::remove(list + "p");

  // Every write of the answer fails: the device is full.
  if (std::filesystem::exists("/dev/full")) {
    std::filesystem::create_symlink("/dev/full", list + "p");
    ConvertPathList(platform, list.c_str());
    EXPECT_EQ(lines, ReadBytes(list));
    std::filesystem::remove(list + "p");
  }

  // The list opens but cannot be read: it is a directory, which deleting would remove too.
  const std::string unreadable = dir / "DIR.TMP";
  std::filesystem::create_directory(unreadable);
  ConvertPathList(platform, unreadable.c_str());
  EXPECT_TRUE(std::filesystem::is_directory(unreadable));
}

TEST(ConvertPathList, LooksUpEachProbeOncePerRun) {
  FakePlatformServices platform;
  AddDriveC(platform);
  const std::string list = "c:\\progra~1\\commo~1\\a.txt\r\n"
                           "c:\\progra~1\\commo~1\\readme~1.txt\r\n"
                           "c:\\progra~1\\missing\\x\r\n"
                           "c:\\progra~1\\missing\\y\r\n"
                           "c:\\progra~1\\commo~1\\a.txt\r\n"
                           "c:\\PROGRA~1\r\n";
  EXPECT_EQ("C:\\Program Files\\Common Files\\A.txt\r\n"
            "C:\\Program Files\\Common Files\\Read me first.txt\r\n"
            "c:\\progra~1\\missing\\x\r\n"
            "c:\\progra~1\\missing\\y\r\n"
            "C:\\Program Files\\Common Files\\A.txt\r\n"
            "C:\\Program Files\r\n",
            ConvertList(platform, list).answer);
  EXPECT_EQ((Calls{
                "FindEntryName c:\\progra~1", "FindEntryName c:\\progra~1\\commo~1",
                "FindEntryName c:\\progra~1\\commo~1\\a.txt",
                "FindEntryName c:\\progra~1\\commo~1\\readme~1.txt",
                "FindEntryName c:\\progra~1\\missing",
                "FindEntryName c:\\PROGRA~1", // another probe, though the same directory
            }),
            platform.calls);
}

// Probes through a memo of the given size; returns the answers and counts the look-ups.
std::vector<std::string> ProbeAll(FakePlatformServices& platform, ProbeMemo& memo,
                                  const std::vector<std::string>& probes) {
  std::vector<std::string> answers;
  for (const std::string& probe : probes) {
    char szName[kEntryNameSize];
    answers.push_back(memo.FindEntryName(platform, probe.c_str(), szName) ? szName : "(none)");
  }
  return answers;
}

TEST(ProbeMemo, StartsOverWhenFullAndStillAnswersAsThePlatform) {
  FakePlatformServices platform;
  AddDriveC(platform);
  platform.entryNames["c:\\long"] = std::string(259, 'L');
  const std::vector<std::string> mixed = {
      "c:\\progra~1", "c:\\missing", "c:\\progra~1", "c:\\docs",    "c:\\windows",
      "c:\\long",     "c:\\docs",    "c:\\long",     "c:\\missing", "c:\\progra~1",
  };
  // One directory asked for between files that are each asked for once.
  const std::vector<std::string> sharedDirectory = {
      "c:\\progra~1", "c:\\a", "c:\\progra~1", "c:\\b", "c:\\progra~1", "c:\\c",
      "c:\\progra~1", "c:\\d", "c:\\progra~1", "c:\\e", "c:\\progra~1",
  };
  const struct {
    const std::vector<std::string>& probes;
    size_t nEntries, nTextBytes;
    size_t nLookups;
  } cases[] = {
      {mixed, 100, 4096, 5}, // each distinct probe once
      {mixed, 3, 4096, 9},   // starts over at every fourth new probe
      {mixed, 100, 300, 9},  // c:\\long and its name take most of the text
      {mixed, 100, 10, 9},   // only c:\\missing fits; the others pass by without displacing it
      {mixed, 0, 0, 10},     // no memory: every probe goes to the platform
      {sharedDirectory, 4, 4096, 6}, // the directory asked for again outlives the start-over
  };
  for (const auto& c : cases) {
    std::vector<std::string> direct;
    for (const std::string& probe : c.probes) {
      char szName[kEntryNameSize];
      direct.push_back(platform.FindEntryName(probe.c_str(), szName) ? szName : "(none)");
    }
    platform.calls.clear();
    ProbeMemo memo(c.nEntries, c.nTextBytes);
    EXPECT_EQ(direct, ProbeAll(platform, memo, c.probes)) << c.nEntries << "/" << c.nTextBytes;
    EXPECT_EQ(c.nLookups, platform.calls.size())
        << c.nEntries << "/" << c.nTextBytes << ::testing::PrintToString(platform.calls);
  }
}

} // namespace
