#include "pathnames/ShortPath.h"

#include "fakes/FakePlatformServices.h"
#include "unit/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

TEST(QueryShortPath, WritesTheLongPathAndItsShortForm) {
  TempDir dir;
  const std::string out = dir / "out.txt";
  const struct {
    std::string arguments;
    std::string output;
    Calls calls;
  } cases[] = {
      {"C:\\Program Files\\Common Files\n" + out,
       "C:\\Program Files\\Common Files\r\nC:\\PROGRA~1\\COMMON~1\r\n",
       {"GetShortName C:\\Program Files\\Common Files"}},
      {"\n\nC:\\Program Files\\Common Files\n\n" + out + "\nignored\n", // empty pieces skipped
       "C:\\Program Files\\Common Files\r\nC:\\PROGRA~1\\COMMON~1\r\n",
       {"GetShortName C:\\Program Files\\Common Files"}},
      {"C:\\Missing dir\n" + out, "", {"GetShortName C:\\Missing dir"}},
      // Only the line feed separates: the CR stays in the path, which then has no short form.
      {"C:\\Program Files\\Common Files\r\n" + out,
       "",
       {"GetShortName C:\\Program Files\\Common Files\r"}},
      {"C:\\" + std::string(1024, 'x') + "\n" + out, "", {}}, // longer than any short path
  };
  for (const auto& c : cases) {
    FakePlatformServices platform;
    platform.shortNames["C:\\Program Files\\Common Files"] = "C:\\PROGRA~1\\COMMON~1";
    WriteBytes(out, "old contents\r\n");
    QueryShortPath(platform, c.arguments.c_str());
    EXPECT_EQ(c.output, ReadBytes(out)) << "arguments: " << c.arguments;
    EXPECT_EQ(c.calls, platform.calls) << "arguments: " << c.arguments;
  }
}

TEST(QueryShortPath, WritesNothingWithoutAnOutputFileItCanCreate) {
  TempDir dir;
  const std::string tooLongName = (dir / "") + std::string(256, 'o');
  for (const std::string& arguments :
       {std::string(""), std::string("\n\n"), std::string("C:\\Program Files"),
        std::string("C:\\Program Files\n\n"), "C:\\Program Files\n" + tooLongName,
        "C:\\Program Files\n" + (dir / "missing dir/out.txt")}) {
    FakePlatformServices platform;
    platform.shortNames["C:\\Program Files"] = "C:\\PROGRA~1";
    QueryShortPath(platform, arguments.c_str());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "arguments: " << arguments;
  }
}

} // namespace
