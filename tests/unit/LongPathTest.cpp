#include "pathnames/LongPath.h"

#include "fakes/FakePlatformServices.h"
#include "unit/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// A drive c: with a few directories, keyed by the probe paths that reach them.
void AddDriveC(FakePlatformServices& platform) {
  platform.entryNames = {
      {"c:\\progra~1", "Program Files"},
      {"c:\\progra~1\\commo~1", "Common Files"},
      {"C:\\WINDOWS", "WINDOWS"},
      {"c:\\windows", "WINDOWS"},
      {"c:\\docs", "Docs"},
      {"c:\\dir", "Dir"},
      {"c:\\dir\\sub", "Sub"},
      {"a\\b", "Bee"},
      {"docs\\notes~1.txt", "Notes for later.txt"},
      {"\\docs\\notes~1.txt", "Notes from the root.txt"},
  };
}

// What ConvertLongPath leaves in its output file for pszPath, as bytes on disk.
std::string ConvertToFile(FakePlatformServices& platform, const std::string& path) {
  TempDir dir;
  ConvertLongPath(platform, path.c_str(), (dir / "out.txt").c_str());
  EXPECT_TRUE(std::filesystem::exists(dir / "out.txt")) << path;
  return ReadBytes(dir / "out.txt");
}

TEST(ConvertLongPath, WritesThePathAndItsLongFormUnlessTheyAreEqual) {
  const struct {
    const char* path;
    const char* output;
  } cases[] = {
      {"c:\\progra~1\\commo~1", "c:\\progra~1\\commo~1\r\nC:\\Program Files\\Common Files\r\n"},
      {"C:\\WINDOWS", ""}, // already in its stored form
      {"c:\\windows", "c:\\windows\r\nC:\\WINDOWS\r\n"},
      {"c:", "c:\r\nC:\r\n"}, // the drive letter alone makes them differ
      {"C:", ""},
      {"C:\\", "C:\\\r\nC:\r\n"},
      {"c:\\docs\\later.txt", "c:\\docs\\later.txt\r\nC:\\Docs\\later.txt\r\n"}, // last missing
      {"c:\\missing\\file.txt", ""},                                             // inner missing
      {"c:\\dir\\\\sub\\", "c:\\dir\\\\sub\\\r\nC:\\Dir\\Sub\r\n"}, // compared as received
      {"a\\b", "a\\b\r\nA\\Bee\r\n"},                               // relative to the working dir
      {"\xe9:\\windows", ""}, // only a to z are upper-cased; the probe misses here
      // The first component is kept whole, so a relative or rooted path still names its place.
      {"foo", "foo\r\nFoo\r\n"},
      {"docs\\notes~1.txt", "docs\\notes~1.txt\r\nDocs\\Notes for later.txt\r\n"},
      {"\\docs\\notes~1.txt", "\\docs\\notes~1.txt\r\n\\docs\\Notes from the root.txt\r\n"},
      {"\\\\server\\share\\dir\\file.txt", ""}, // no share is found by a look-up
      {"\\\\\\", ""},                           // no components at all
  };
  for (const auto& c : cases) {
    FakePlatformServices platform;
    AddDriveC(platform);
    EXPECT_EQ(c.output, ConvertToFile(platform, c.path)) << "path: " << c.path;
  }
}

TEST(ExpandLongPath, ProbesEachFurtherComponentOnThePathAsGiven) {
  const struct {
    const char* path;
    ExpandOutcome outcome;
    const char* result; // when not InnerMissing
    Calls calls;
  } cases[] = {
      {"c:\\progra~1\\commo~1",
       ExpandOutcome::Complete,
       "C:\\Program Files\\Common Files",
       {"FindEntryName c:\\progra~1", "FindEntryName c:\\progra~1\\commo~1"}},
      {"c:\\\\progra~1\\commo~1\\x.txt\\",
       ExpandOutcome::LastMissing,
       "C:\\Program Files\\Common Files\\x.txt",
       {"FindEntryName c:\\progra~1", "FindEntryName c:\\progra~1\\commo~1",
        "FindEntryName c:\\progra~1\\commo~1\\x.txt"}},
      {"c:\\missing\\progra~1\\x",
       ExpandOutcome::InnerMissing,
       nullptr,
       {"FindEntryName c:\\missing"}},
      {"c:\\", ExpandOutcome::Complete, "C:", {}},
      {"\\\\server\\share\\dir",
       ExpandOutcome::InnerMissing,
       nullptr,
       {"FindEntryName \\\\server\\share"}},
      {"", ExpandOutcome::InnerMissing, nullptr, {}},
  };
  for (const auto& c : cases) {
    FakePlatformServices platform;
    AddDriveC(platform);
    LongPathText szResult;
    EXPECT_EQ(c.outcome, ExpandLongPath(platform, c.path, szResult)) << c.path;
    if (c.result != nullptr) {
      EXPECT_STREQ(c.result, szResult) << c.path;
    }
    EXPECT_EQ(c.calls, platform.calls) << c.path;
  }
}

// A path of n components below "c:", each "d" + its number, all stored with long names.
std::string DeepPath(FakePlatformServices& platform, size_t nComponents, size_t nNameLength) {
  std::string path = "c:";
  for (size_t i = 1; i < nComponents; ++i) {
    path += "\\d" + std::to_string(i);
    platform.entryNames[path] = std::string(nNameLength, 'L');
  }
  return path;
}

TEST(ExpandLongPath, PathsBeyondTheLimitsAreAnsweredAsInnerMissing) {
  FakePlatformServices platform;
  LongPathText szResult;

  EXPECT_EQ(ExpandOutcome::Complete,
            ExpandLongPath(platform, DeepPath(platform, 63, 1).c_str(), szResult));
  platform.calls.clear();
  EXPECT_EQ(ExpandOutcome::InnerMissing,
            ExpandLongPath(platform, DeepPath(platform, 64, 1).c_str(), szResult));
  EXPECT_EQ(Calls{}, platform.calls); // refused before any look-up

  const std::string given255 = "c:\\" + std::string(252, 'x');
  EXPECT_EQ(ExpandOutcome::LastMissing, ExpandLongPath(platform, given255.c_str(), szResult));
  EXPECT_EQ("C" + given255.substr(1), szResult);
  EXPECT_EQ(ExpandOutcome::InnerMissing,
            ExpandLongPath(platform, (given255 + "x").c_str(), szResult));

  // Long names that grow the result to 2 + 11 * (1 + 22) = 255 characters, or past them.
  EXPECT_EQ(ExpandOutcome::Complete,
            ExpandLongPath(platform, DeepPath(platform, 12, 22).c_str(), szResult));
  EXPECT_EQ(255u, std::strlen(szResult));
  EXPECT_EQ(ExpandOutcome::InnerMissing,
            ExpandLongPath(platform, DeepPath(platform, 12, 23).c_str(), szResult));
  // A missing last component that would not fit either.
  const std::string lastTooLong = DeepPath(platform, 12, 22) + "\\z";
  EXPECT_EQ(ExpandOutcome::InnerMissing, ExpandLongPath(platform, lastTooLong.c_str(), szResult));

  EXPECT_EQ("", ConvertToFile(platform, DeepPath(platform, 12, 23)));
}

TEST(ConvertLongPath, WritesNothingWhereTheOutputFileCannotBeCreated) {
  TempDir dir;
  FakePlatformServices platform;
  AddDriveC(platform);
  ConvertLongPath(platform, "c:\\windows", (dir / "missing dir/out.txt").c_str());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

} // namespace
