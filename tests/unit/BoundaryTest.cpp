// Every stated limit, at the limit and one past it: what a request leaves on disk.
#include "app/FileServiceApp.h"

#include "fakes/FakePlatformServices.h"
#include "unit/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// A file the row expects: its path and its bytes, or nothing if it must not exist.
using ExpectedFile = std::pair<std::string, std::optional<std::string>>;

struct Row {
  const char* name;
  // Lays out files and the platform; returns the command tail.
  std::function<std::string(const TempDir&, FakePlatformServices&)> setUp;
  std::function<std::vector<ExpectedFile>(const TempDir&)> expected;
};

void PrintTo(const Row& row, std::ostream* pOut) {
  *pOut << row.name;
}

std::string Repeat(char c, size_t n) {
  return std::string(n, c);
}

// A path of nLength characters for a file in dir.
std::string PathOfLength(const TempDir& dir, size_t nLength) {
  const std::string prefix = dir / "";
  return prefix + Repeat('f', nLength - prefix.size());
}

// The same, written relative to the working directory: an absolute path here begins with a
// slash, which asks for another service.
std::string RelativePathOfLength(const TempDir& dir, size_t nLength) {
  const std::string prefix = std::filesystem::relative(dir.path()).string() + "/";
  return prefix + Repeat('r', nLength - prefix.size());
}

// "c:\d\d...\x": a drive and nComponents - 1 further components, each probe known.
std::string DeepPath(size_t nComponents, FakePlatformServices& platform) {
  std::string path = "c:";
  for (size_t i = 1; i < nComponents; ++i) {
    path += "\\d";
    platform.entryNames[path] = "D";
  }
  return path;
}

std::string DeepLongPath(size_t nComponents) {
  std::string path = "C:";
  for (size_t i = 1; i < nComponents; ++i) {
    path += "\\D";
  }
  return path;
}

const std::string kRequestTail = "\r\nText (*.txt)|*.txt||\r\nTitle\r\n3 77\r\n";

// A dialog request whose first line is line1 and second line line2.
std::string Request(const std::string& line1, const std::string& line2) {
  return line1 + "\r\n" + line2 + kRequestTail;
}

const Row kRows[] = {
    {"PathWordOf200IsTaken",
     [](const TempDir& dir, FakePlatformServices&) {
       return "/c:\\" + Repeat('a', 197) + " " + (dir / "out.txt");
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {
           {dir / "out.txt", "c:\\" + Repeat('a', 197) + "\r\nC:\\" + Repeat('a', 197) + "\r\n"}};
     }},
    {"PathWordOf201DoesNothing",
     [](const TempDir& dir, FakePlatformServices&) {
       return "/c:\\" + Repeat('a', 198) + " " + (dir / "out.txt");
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{dir / "out.txt", {}}};
     }},
    {"OutputWordOf200IsTaken",
     [](const TempDir& dir, FakePlatformServices&) { return "/c: " + PathOfLength(dir, 200); },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{PathOfLength(dir, 200), "c:\r\nC:\r\n"}};
     }},
    {"OutputWordOf201DoesNothing",
     [](const TempDir& dir, FakePlatformServices&) { return "/c: " + PathOfLength(dir, 201); },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{PathOfLength(dir, 201), {}}, {PathOfLength(dir, 200), {}}};
     }},
    {"ListWordOf201DoesNothing",
     [](const TempDir& dir, FakePlatformServices&) {
       WriteBytes(PathOfLength(dir, 201), "c:\r\n");
       return "//" + PathOfLength(dir, 201);
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{PathOfLength(dir, 201), "c:\r\n"}, {PathOfLength(dir, 201) + "p", {}}};
     }},
    {"ResultOf255IsAnswered",
     [](const TempDir& dir, FakePlatformServices& platform) {
       platform.entryNames["c:\\a"] = Repeat('L', 252);
       return "/c:\\a " + (dir / "out.txt");
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{dir / "out.txt", "c:\\a\r\nC:\\" + Repeat('L', 252) + "\r\n"}};
     }},
    {"ResultOf256LeavesAnEmptyFile",
     [](const TempDir& dir, FakePlatformServices& platform) {
       platform.entryNames["c:\\a"] = Repeat('L', 253);
       return "/c:\\a " + (dir / "out.txt");
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{dir / "out.txt", ""}};
     }},
    {"ListLinesOf63And64Components",
     [](const TempDir& dir, FakePlatformServices& platform) {
       WriteBytes(dir / "list", DeepPath(63, platform) + "\r\n" + DeepPath(64, platform) + "\r\n");
       return "//" + (dir / "list");
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       FakePlatformServices unused;
       return {{dir / "list", {}},
               {dir / "listp", DeepLongPath(63) + "\r\n" + DeepPath(64, unused) + "\r\n"}};
     }},
    {"RequestLine1Of199IsRead",
     [](const TempDir& dir, FakePlatformServices&) {
       WriteBytes(RelativePathOfLength(dir, 150), Request(Repeat('n', 198), ""));
       return RelativePathOfLength(dir, 150);
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{RelativePathOfLength(dir, 150), {}}, {RelativePathOfLength(dir, 150) + "p", ""}};
     }},
    {"RequestLine1Of200IsInvalid",
     [](const TempDir& dir, FakePlatformServices&) {
       WriteBytes(RelativePathOfLength(dir, 150), Request(Repeat('n', 199), ""));
       return RelativePathOfLength(dir, 150);
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{RelativePathOfLength(dir, 150), {}}, {RelativePathOfLength(dir, 150) + "p", {}}};
     }},
    {"RequestLine2Of999IsRead",
     [](const TempDir& dir, FakePlatformServices&) {
       WriteBytes(RelativePathOfLength(dir, 150), Request("", Repeat('d', 998)));
       return RelativePathOfLength(dir, 150);
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{RelativePathOfLength(dir, 150), {}}, {RelativePathOfLength(dir, 150) + "p", ""}};
     }},
    {"RequestLine2Of1000IsInvalid",
     [](const TempDir& dir, FakePlatformServices&) {
       WriteBytes(RelativePathOfLength(dir, 150), Request("", Repeat('d', 999)));
       return RelativePathOfLength(dir, 150);
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{RelativePathOfLength(dir, 150), {}}, {RelativePathOfLength(dir, 150) + "p", {}}};
     }},
    {"RequestPathOf254IsAnsweredIn255",
     [](const TempDir& dir, FakePlatformServices&) {
       WriteBytes(RelativePathOfLength(dir, 254), Request("a.txt", ""));
       return RelativePathOfLength(dir, 254);
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{RelativePathOfLength(dir, 254), {}}, {RelativePathOfLength(dir, 254) + "p", ""}};
     }},
    {"RequestPathOf255IsDeletedUnanswered",
     [](const TempDir& dir, FakePlatformServices&) {
       WriteBytes(RelativePathOfLength(dir, 255), Request("a.txt", ""));
       return RelativePathOfLength(dir, 255);
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{RelativePathOfLength(dir, 255), {}}, {RelativePathOfLength(dir, 255) + "p", {}}};
     }},
    {"DialogPathOf259IsAnswered",
     [](const TempDir& dir, FakePlatformServices& platform) {
       const std::string chosen = "C:\\" + Repeat('c', 256);
       platform.dialogChoice = chosen;
       platform.shortNames[chosen] = "C:\\CCCCCC~1";
       WriteBytes(dir / "REQ", Request("a.txt", ""));
       return std::filesystem::relative(dir.path() / "REQ").string();
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{dir / "REQp", "C:\\CCCCCC~1\r\nC:\\" + Repeat('c', 256) + "\r\n3 77"}};
     }},
    {"ShortPathOf1023IsWritten",
     [](const TempDir& dir, FakePlatformServices& platform) {
       platform.shortNames["C:\\long"] = "C:\\" + Repeat('s', 1020);
       return "/-C:\\long\n" + (dir / "out.txt");
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{dir / "out.txt", "C:\\long\r\nC:\\" + Repeat('s', 1020) + "\r\n"}};
     }},
    {"ShortPathOf1024IsNone",
     [](const TempDir& dir, FakePlatformServices& platform) {
       platform.shortNames["C:\\long"] = "C:\\" + Repeat('s', 1021);
       return "/-C:\\long\n" + (dir / "out.txt");
     },
     [](const TempDir& dir) -> std::vector<ExpectedFile> {
       return {{dir / "out.txt", ""}};
     }},
};

class Boundary : public testing::TestWithParam<Row> {};

TEST_P(Boundary, LeavesTheStatedFiles) {
  TempDir dir;
  FakePlatformServices platform;
  const std::string tail = GetParam().setUp(dir, platform);
  CFileServiceApp app;
  EXPECT_EQ(0, RunApplication(app, tail.c_str(), platform));
  for (const auto& [path, bytes] : GetParam().expected(dir)) {
    if (bytes) {
      ASSERT_TRUE(std::filesystem::exists(path)) << path;
      EXPECT_EQ(*bytes, ReadBytes(path)) << path;
    } else {
      EXPECT_FALSE(std::filesystem::exists(path)) << path;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Limits, Boundary, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The working directory goes to the dialog only if it fits its 255-character buffer.
TEST(Boundary, WorkingDirectoryOf254IsTheInitialDirectoryAnd255IsNone) {
  for (size_t nLength : {254u, 255u}) {
    TempDir dir;
    FakePlatformServices platform;
    platform.currentDir = "C:\\" + Repeat('w', nLength - 3);
    WriteBytes(dir / "REQ", Request("a.txt", ""));
    CFileServiceApp app;
    RunApplication(app, std::filesystem::relative(dir.path() / "REQ").c_str(), platform);
    ASSERT_EQ(1u, platform.shownDialogs.size());
    EXPECT_EQ(nLength == 254, platform.shownDialogs[0].initialDir.has_value()) << nLength;
  }
}

} // namespace
