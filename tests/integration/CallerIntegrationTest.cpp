#include "integration/WineTest.h"

#include <cstdlib>
#include <string>

namespace {

class Caller : public WineTest {};

// The example caller of the caller's guide, run by Wine's own command interpreter next to a
// copy of the utility: it writes a list, waits for the utility, reads the answer, then asks
// for a short form.
TEST_F(Caller, BatchFileExampleGetsLongNamesAndAShortForm) {
  std::filesystem::copy_file(CALLER_BAT, Local("caller.bat"));
  std::filesystem::copy_file(FILESVC_EXE, Local("filesvc.exe"));
  std::filesystem::create_directory(Local("Long Dir Name"));
  WriteBytes(Local("Long Dir Name/Some File.txt"), "x");
  const std::string longPath = Win("Long Dir Name/Some File.txt");
  const std::string shortPath = WineRunner::ShortPathOf(Local("Long Dir Name/Some File.txt"));
  ASSERT_NE("", shortPath);

  // Wine's command interpreter cannot make a line feed itself; the example takes it from the
  // environment then.
  setenv("LF", "\n", 1);
  std::string output;
  const int status = WineRunner::RunProgram(
      {WINE64, "cmd", "/c", Win("caller.bat"), longPath, shortPath, Win("missing\\x.txt")},
      &output);
  unsetenv("LF");

  EXPECT_EQ(0, status) << output;
  EXPECT_EQ(longPath + "\r\n" + longPath + "\r\n" + Win("missing\\x.txt") + "\r\n",
            ReadBytes(Local("paths.lstp")));
  EXPECT_FALSE(std::filesystem::exists(Local("paths.lst")));
  EXPECT_EQ(longPath + "\r\n" + shortPath + "\r\n", ReadBytes(Local("short.txt")));
  EXPECT_NE(std::string::npos, output.find("Short form:")) << output;
}

} // namespace
