#include "app/FileServiceApp.h"

#include "fakes/FakePlatformServices.h"
#include "unit/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// Runs one request the way the entry point does; returns the exit status.
int RunRequest(const std::string& tail, FakePlatformServices& platform) {
  CFileServiceApp app;
  return RunApplication(app, tail.c_str(), platform);
}

TEST(CFileServiceApp, EveryRequestExitsWithZeroAfterStylingControlsOnce) {
  const std::string tooLong(201, 'a');
  for (const std::string& tail : std::vector<std::string>{
           "", "/", "//", "/+", "/-", "/a", "//list.txt", "/-x", "/-x\n\n", "C:\\TMP\\REQ",
           "/" + tooLong + " out", "/a " + tooLong, "//" + tooLong}) {
    FakePlatformServices platform;
    EXPECT_EQ(0, RunRequest(tail, platform)) << "tail: " << tail;
    EXPECT_EQ(Calls{"EnableControlStyling"}, platform.calls) << "tail: " << tail;
  }
}

// The path requests reach their services with the words of the tail.
TEST(CFileServiceApp, PathRequestsAnswerInTheFilesTheTailNames) {
  TempDir dir;
  const std::string list = dir / "list.tmp";
  WriteBytes(list, "c:\\windows\r\n");
  FakePlatformServices platform;
  platform.entryNames["c:\\windows"] = "WINDOWS";
  platform.shortNames["C:\\Program Files"] = "C:\\PROGRA~1";

  RunRequest("/ c:\\windows\t" + (dir / "long.txt") + " ignored", platform);
  RunRequest("//" + list + " ignored", platform);
  RunRequest("/-C:\\Program Files\n" + (dir / "short.txt"), platform);

  EXPECT_EQ("c:\\windows\r\nC:\\WINDOWS\r\n", ReadBytes(dir / "long.txt"));
  EXPECT_EQ("C:\\WINDOWS\r\n", ReadBytes(list + "p"));
  EXPECT_FALSE(std::filesystem::exists(list));
  EXPECT_EQ("C:\\Program Files\r\nC:\\PROGRA~1\r\n", ReadBytes(dir / "short.txt"));
}

TEST(CFileServiceApp, InitInstanceNeverAsksForAMessageLoop) {
  FakePlatformServices platform;
  CFileServiceApp app;
  app.m_pPlatform = &platform;
  app.m_lpCmdLine = "/+";
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(0, app.ExitInstance());
}

TEST(CFileServiceApp, HandlesHelpSoOldDialogsOfferIt) {
  CFileServiceApp app;
  EXPECT_TRUE(app.HandlesCommand(ID_HELP));
  EXPECT_FALSE(app.HandlesCommand(ID_HELP + 1));

  CWinApp plain;
  EXPECT_FALSE(plain.HandlesCommand(ID_HELP));
}

TEST(CFileServiceApp, TheGlobalApplicationIsTheOneTheEntryPointRuns) {
  EXPECT_EQ(&theApp, CWinApp::GetApp());
}

TEST(CreateEmptyFile, CreatesOrEmptiesTheWholeRestOfTheTail) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "dir with blanks");
  const std::string fresh = dir / "dir with blanks/flag.tmp";
  const std::string existing = dir / "dir with blanks/old.tmp";
  WriteBytes(existing, "contents\r\n");

  FakePlatformServices platform;
  for (int nRun = 0; nRun < 2; ++nRun) { // a second run behaves like the first
    RunRequest("/+" + fresh, platform);
    RunRequest("/+" + existing, platform);
    ASSERT_TRUE(std::filesystem::exists(fresh));
    EXPECT_EQ(0u, std::filesystem::file_size(fresh));
    EXPECT_EQ(0u, std::filesystem::file_size(existing));
  }
}

TEST(CreateEmptyFile, DoesNothingWhereTheFileCannotBeCreated) {
  TempDir dir;
  FakePlatformServices platform;
  EXPECT_EQ(0, RunRequest("/+" + (dir / "missing dir/flag.tmp"), platform));
  EXPECT_EQ(0, RunRequest("/+", platform));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

} // namespace
