#include "filedialog/DialogPresentation.h"

#include "fakes/FakePlatformServices.h"
#include "unit/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;
WindowHandle const kForeground = reinterpret_cast<WindowHandle>(0x1234);

class RunFileDialogRequestTest : public testing::Test {
protected:
  RunFileDialogRequestTest() {
    platform.foregroundWindow = kForeground;
    platform.currentDir = "C:\\Work";
    platform.bShortNamesNeedFileOnDisk = true;
  }

  // Writes a request of the four lines and the numbers, then serves it.
  void Serve(const std::string& fileName, const std::string& defaultName, const std::string& filter,
             const std::string& numbers) {
    WriteBytes(requestPath, fileName + "\r\n" + defaultName + "\r\n" + filter +
                                "\r\nChoose a file\r\n" + numbers + "\r\n");
    RunFileDialogRequest(platform, requestPath.c_str());
    EXPECT_FALSE(std::filesystem::exists(requestPath));
  }

  const FakePlatformServices::ShownDialog& OnlyDialog() {
    EXPECT_EQ(1u, platform.shownDialogs.size());
    return platform.shownDialogs.at(0);
  }

  TempDir dir;
  const std::string requestPath = dir / "REQ";
  const std::string responsePath = requestPath + "p";
  FakePlatformServices platform;
};

TEST_F(RunFileDialogRequestTest, OpenDialogSettingsComeFromTheRequest) {
  Serve("report.txt", "*.txt", "Text files (*.txt)|*.txt|All files (*.*)|*.*||", "3 77");
  const auto& shown = OnlyDialog();
  EXPECT_EQ(DialogKind::Open, shown.kind);
  EXPECT_EQ("report.txt", shown.fileName);
  EXPECT_EQ("Text files (*.txt)|*.txt|All files (*.*)|*.*||", shown.filter);
  EXPECT_EQ(0x804ul, shown.dwFlags);
  EXPECT_EQ(kForeground, shown.hOwner);
  EXPECT_EQ("Choose a file", shown.title);
  EXPECT_EQ("C:\\Work", shown.initialDir);
  EXPECT_EQ("txt", shown.defExt);
  EXPECT_EQ(1ul, shown.nFilterIndex);
  EXPECT_EQ((Calls{"GetOwnerWindow", "GetCurrentDir", "ShowFileDialog"}), platform.calls);
}

TEST_F(RunFileDialogRequestTest, RequestCodeChoosesOpenOrSave) {
  const struct {
    const char* numbers;
    DialogKind kind;
  } cases[] = {{"9 0", DialogKind::Open},
               {"10 0", DialogKind::Save},
               {"-5 0", DialogKind::Open},
               {"4294967306 0", DialogKind::Save}}; // wraps to 10
  for (const auto& c : cases) {
    platform.shownDialogs.clear();
    Serve("", "x", "Text (*.txt)|*.txt||", c.numbers);
    EXPECT_EQ(c.kind, OnlyDialog().kind) << c.numbers;
  }
}

TEST_F(RunFileDialogRequestTest, DefaultNameSelectsItsFilterWhenNoNameIsGiven) {
  Serve("", "*.txt", "All files (*.*)|*.*|Text (*.txt)|*.txt||", "3 77");
  EXPECT_EQ("*.txt", OnlyDialog().fileName);
  EXPECT_EQ(2ul, OnlyDialog().nFilterIndex);
  EXPECT_EQ("", OnlyDialog().defExt);
}

TEST_F(RunFileDialogRequestTest, InitialNameIsCutTo255Characters) {
  const std::string longDefault(300, 'd');
  Serve("", longDefault, "Text (*.txt)|*.txt||", "3 77");
  EXPECT_EQ(longDefault.substr(0, 255), OnlyDialog().fileName);
}

TEST_F(RunFileDialogRequestTest, NoOwnerAndNoWorkingDirectoryAreHandedOnAsNone) {
  platform.foregroundWindow = nullptr;
  platform.currentDir.reset();
  Serve("a.txt", "", "Text (*.txt)|*.txt||", "3 77");
  EXPECT_EQ(nullptr, OnlyDialog().hOwner);
  EXPECT_FALSE(OnlyDialog().initialDir);
}

TEST_F(RunFileDialogRequestTest, AcceptedFileIsAnsweredWithItsShortAndFullPaths) {
  const std::string chosen = dir / "My Documents Report.txt";
  WriteBytes(chosen, "keep me");
  platform.dialogChoice = chosen;
  platform.shortNames[chosen] = "C:\\MYDOCU~1.TXT";
  Serve("", "*.txt", "Text (*.txt)|*.txt||", "3 77");
  EXPECT_EQ("C:\\MYDOCU~1.TXT\r\n" + chosen + "\r\n3 77", ReadBytes(responsePath));
  EXPECT_EQ("keep me", ReadBytes(chosen));
  EXPECT_EQ("ShowFileDialog", platform.calls.end()[-2]);
  EXPECT_EQ("GetShortName " + chosen, platform.calls.back());
}

TEST_F(RunFileDialogRequestTest, NewNameIsCreatedEmptyThenAnswered) {
  const std::string chosen = dir / "Fresh.txt";
  platform.dialogChoice = chosen;
  platform.shortNames[chosen] = "C:\\FRESH.TXT";
  Serve("", "*.txt", "Text (*.txt)|*.txt||", "10 5");
  EXPECT_EQ("", ReadBytes(chosen));
  EXPECT_TRUE(std::filesystem::exists(chosen));
  EXPECT_EQ("C:\\FRESH.TXT\r\n" + chosen + "\r\n10 5", ReadBytes(responsePath));
  EXPECT_EQ((Calls{"GetShortName " + chosen, "GetShortName " + chosen}),
            Calls(platform.calls.end() - 2, platform.calls.end()));
}

TEST_F(RunFileDialogRequestTest, ExistingFileWithoutShortPathIsAnsweredEmptyAndKept) {
  const std::string chosen = dir / "NoShortName.txt";
  WriteBytes(chosen, "contents");
  platform.dialogChoice = chosen;
  Serve("", "*.txt", "Text (*.txt)|*.txt||", "3 77");
  EXPECT_EQ("contents", ReadBytes(chosen));
  EXPECT_TRUE(std::filesystem::exists(responsePath));
  EXPECT_EQ("", ReadBytes(responsePath));
}

TEST_F(RunFileDialogRequestTest, CancelGivesAnEmptyResponse) {
  Serve("", "*.txt", "Text (*.txt)|*.txt||", "3 77");
  EXPECT_TRUE(std::filesystem::exists(responsePath));
  EXPECT_EQ("", ReadBytes(responsePath));
}

TEST_F(RunFileDialogRequestTest, InvalidRequestShowsNoDialogAndWritesNothing) {
  Serve("", "*.txt", "Text (*.txt)|*.txt||", "3");
  EXPECT_TRUE(platform.calls.empty());
  EXPECT_FALSE(std::filesystem::exists(responsePath));
}

TEST_F(RunFileDialogRequestTest, MissingRequestShowsNoDialogAndWritesNothing) {
  RunFileDialogRequest(platform, requestPath.c_str());
  EXPECT_TRUE(platform.calls.empty());
  EXPECT_FALSE(std::filesystem::exists(responsePath));
}

// A dialog whose answer could not be written would lose the user's choice: none is shown.
TEST_F(RunFileDialogRequestTest, NoDialogWhenTheResponseCannotBeWritten) {
  std::filesystem::create_directory(responsePath); // the response path is taken
  Serve("", "*.txt", "Text (*.txt)|*.txt||", "3 77");
  EXPECT_TRUE(platform.calls.empty());

  const std::string longRequest = dir.path().string() + "/" + std::string(255, 'r');
  const std::string longPath = longRequest.substr(0, 255); // leaves no room for the "p"
  WriteBytes(longPath, "a\r\nb\r\nc\r\nd\r\n3 77\r\n");
  RunFileDialogRequest(platform, longPath.c_str());
  EXPECT_FALSE(std::filesystem::exists(longPath));
  EXPECT_TRUE(platform.calls.empty());
}

} // namespace
