// Every request, with each file operation it makes failing in turn: the process still ends
// with status 0, and what is left on disk is one of the outcomes a caller can rely on.
#include "app/FileServiceApp.h"
#include "platform/TextFile.h"

#include "fakes/FakePlatformServices.h"
#include "unit/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace {

int g_nOperations = 0;
int g_nFailAt = 0; // the operation that fails, counted from 1; 0: none
std::optional<FileOperation> g_failedOperation;

bool FailNthOperation(FileOperation operation) {
  if (++g_nOperations != g_nFailAt) {
    return false;
  }
  g_failedOperation = operation;
  return true;
}

// The files of one request as they are after a run, read back.
struct Files {
  std::optional<std::string> input;  // the list or request file
  std::optional<std::string> answer; // the answer file
};

std::optional<std::string> ReadIfPresent(const TempDir& dir, const std::string& name) {
  const std::string path = dir / name;
  return !name.empty() && std::filesystem::exists(path)
             ? std::optional<std::string>(ReadBytes(path))
             : std::nullopt;
}

// A request: how to lay out its files, its tail, and where its input and answer lie.
struct Scenario {
  const char* name;
  std::function<void(const TempDir&, FakePlatformServices&)> prepare;
  std::function<std::string(const TempDir&)> tail;
  std::string inputName, answerName;
  bool bListLike; // the input is kept unless its whole answer is on disk
};

void PrintTo(const Scenario& scenario, std::ostream* pOut) {
  *pOut << scenario.name;
}

class FaultInjection : public testing::TestWithParam<Scenario> {
protected:
  void TearDown() override { SetFileFaultInjector(nullptr); }

  // Runs the scenario in a fresh directory with the nFailAt-th operation failing.
  Files Run(int nFailAt) {
    dir_.emplace();
    FakePlatformServices platform;
    const Scenario& scenario = GetParam();
    scenario.prepare(*dir_, platform);
    g_nOperations = 0;
    g_nFailAt = nFailAt;
    g_failedOperation.reset();
    SetFileFaultInjector(&FailNthOperation);
    CFileServiceApp app;
    const std::string tail = scenario.tail(*dir_);
    EXPECT_EQ(0, RunApplication(app, tail.c_str(), platform));
    SetFileFaultInjector(nullptr);
    return {ReadIfPresent(*dir_, scenario.inputName), ReadIfPresent(*dir_, scenario.answerName)};
  }

  std::optional<TempDir> dir_;
};

TEST_P(FaultInjection, EveryFailureEndsInADocumentedState) {
  const Files clean = Run(0);
  const int nOperations = g_nOperations;
  ASSERT_GT(nOperations, 0);
  ASSERT_TRUE(clean.answer) << "the scenario must answer when nothing fails";
  const std::string fileName = GetParam().inputName;
  const bool bInputDeletedWhenClean = !clean.input;

  for (int nFailAt = 1; nFailAt <= nOperations; ++nFailAt) {
    const Files files = Run(nFailAt);
    const std::string context =
        "failing operation " + std::to_string(nFailAt) + " of " + std::to_string(nOperations);
    // An answer is complete or absent; an empty answer stands only for "nothing to report".
    if (files.answer && !files.answer->empty()) {
      EXPECT_EQ(*clean.answer, *files.answer) << context;
    }
    if (fileName.empty()) {
      continue;
    }
    if (GetParam().bListLike) {
      // A list is deleted only once its whole answer is on disk.
      if (!files.input) {
        EXPECT_EQ(clean.answer, files.answer) << context;
      }
    } else if (bInputDeletedWhenClean && g_failedOperation != FileOperation::Remove) {
      // A request file is deleted whenever it was tried, read or not.
      EXPECT_FALSE(files.input) << context;
    }
  }
}

void Write(const std::string& path, const std::string& bytes) {
  WriteBytes(path, bytes);
}

const Scenario kScenarios[] = {
    {"CreateEmpty", [](const TempDir&, FakePlatformServices&) {},
     [](const TempDir& dir) { return "/+" + (dir / "flag.tmp"); }, "", "flag.tmp", false},
    {"LongName",
     [](const TempDir&, FakePlatformServices& platform) {
       platform.entryNames["c:\\progra~1"] = "Program Files";
       platform.entryNames["c:\\progra~1\\commo~1"] = "Common Files";
     },
     [](const TempDir& dir) { return "/c:\\progra~1\\commo~1 " + (dir / "out.txt"); }, "",
     "out.txt", false},
    {"List",
     [](const TempDir& dir, FakePlatformServices& platform) {
       platform.entryNames["c:\\progra~1"] = "Program Files";
       Write(dir / "list.txt", "c:\\progra~1\r\nc:\\missing\\x.txt\r\n\r\nC:\\\r\n");
     },
     [](const TempDir& dir) { return "//" + (dir / "list.txt"); }, "list.txt", "list.txtp", true},
    {"ShortName",
     [](const TempDir&, FakePlatformServices& platform) {
       platform.shortNames["C:\\Program Files"] = "C:\\PROGRA~1";
     },
     [](const TempDir& dir) { return "/-C:\\Program Files\n" + (dir / "out.txt"); }, "", "out.txt",
     false},
    {"FileDialog",
     [](const TempDir& dir, FakePlatformServices& platform) {
       Write(dir / "REQ", "\r\n*.txt\r\nText (*.txt)|*.txt||\r\nPick\r\n3 77\r\n");
       Write(dir / "chosen.txt", "");
       platform.dialogChoice = dir / "chosen.txt";
       platform.shortNames[dir / "chosen.txt"] = "C:\\CHOSEN.TXT";
     },
     // Relative: an absolute path here begins with a slash, which asks for another service.
     [](const TempDir& dir) { return std::filesystem::relative(dir.path() / "REQ").string(); },
     "REQ", "REQp", false},
};

INSTANTIATE_TEST_SUITE_P(AllRequests, FaultInjection, testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
