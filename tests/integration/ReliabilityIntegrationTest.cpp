#include "integration/WineTest.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

class Reliability : public WineTest {
protected:
  // Writes to a new file at path until its disk is full, to the last byte.
  static void FillUp(const std::filesystem::path& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const std::string block(4096, 'x');
    for (size_t nSize = block.size(); nSize > 0; nSize /= 2) {
      while (write(fd, block.data(), nSize) == static_cast<ssize_t>(nSize)) {
      }
    }
    close(fd);
  }

  // Starts the utility with tail and waits at most timeout seconds; the visible windows it
  // showed meanwhile are in *pWindows.
  int RunWatched(const std::string& tail, std::string* pWindows) {
    const std::filesystem::path report = workDir_.string() + ".windows";
    int status = WineRunner::Wait(
        WineRunner::Start(WineRunner::CommandLineFor(tail), workDir_,
                          {"--timeout", "20", "--watch-windows", WineRunner::WindowsPath(report)}));
    *pWindows = ReadBytes(report);
    return status;
  }
};

// Whatever bytes a caller passes, the utility ends by itself, with status 0, showing nothing:
// only a valid dialog request shows a window, and random bytes name no request file here.
TEST_F(Reliability, RandomTailsEndPromptlyWithoutAWindow) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> byte(1, 255), length(0, 300);
  std::vector<std::string> tails = {"", "/", "//", "/-\n\n\n", "/+", "\x7f", "/\xff\xfe"};
  for (int i = 0; i < 12; ++i) {
    std::string tail(static_cast<size_t>(length(random)), ' ');
    for (char& c : tail) {
      c = static_cast<char>(byte(random));
    }
    tails.push_back(tail);
  }
  for (const std::string& tail : tails) {
    std::string windows;
    EXPECT_EQ(0, RunWatched(tail, &windows)) << "tail of " << tail.size() << " bytes";
    EXPECT_EQ("", windows) << "tail of " << tail.size() << " bytes";
  }
}

// A disk too full for the answer: the list file, the caller's only copy of its paths, stays.
TEST_F(Reliability, FullDiskKeepsTheListFile) {
  const std::filesystem::path disk = Local("disk");
  std::filesystem::create_directory(disk);
  if (geteuid() != 0 || mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "mounting a small disk needs root";
  }
  const std::string list = "C:\\\r\nc:\\windows\r\nc:\\missing\\x.txt\r\n";
  WriteBytes(disk / "list.txt", list);
  FillUp(disk / "filler");
  const int status = RunTail("//" + Win("disk/list.txt"));
  const std::string kept = ReadBytes(disk / "list.txt");
  const bool bAnswered = std::filesystem::exists(disk / "list.txtp");
  umount2(disk.c_str(), MNT_DETACH);

  EXPECT_EQ(0, status);
  EXPECT_EQ(list, kept);
  EXPECT_FALSE(bAnswered) << "a partial answer was left";
}

} // namespace
