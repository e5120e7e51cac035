#include "integration/WineRunner.h"

#include <spawn.h>
#include <sys/wait.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <vector>

extern char** environ;

namespace {

void SetWineEnvironment() {
  setenv("WINEPREFIX", WINE_PREFIX, 1);
  setenv("WINEDEBUG", "-all", 1);
  setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
}

// A file of its own for each command line handed to the launcher.
std::filesystem::path NextCommandLineFile() {
  static std::atomic<int> nNext{0};
  std::filesystem::path dir = std::filesystem::path(WORK_ROOT) / "command-lines";
  std::filesystem::create_directories(dir);
  return dir / ("cmd" + std::to_string(nNext++) + ".txt");
}

} // namespace

std::string WineRunner::WindowsPath(const std::filesystem::path& path) {
  std::string text = "Z:" + std::filesystem::absolute(path).lexically_normal().string();
  for (char& c : text) {
    if (c == '/') {
      c = '\\';
    }
  }
  return text;
}

std::string WineRunner::CommandLineFor(const std::string& tail) {
  return "\"" + WindowsPath(FILESVC_EXE) + "\" " + tail;
}

int WineRunner::RunCommandLine(const std::string& commandLine,
                               const std::filesystem::path& workDir) {
  SetWineEnvironment();
  std::filesystem::path commandFile = NextCommandLineFile();
  std::ofstream(commandFile, std::ios::binary) << commandLine;

  std::string launcher = LAUNCH_EXE, cwd = WindowsPath(workDir);
  std::string windowsCommandFile = WindowsPath(commandFile);
  std::vector<char*> argv = {const_cast<char*>(WINE64),  launcher.data(),
                             const_cast<char*>("--cwd"), cwd.data(),
                             windowsCommandFile.data(),  nullptr};
  pid_t pid;
  if (posix_spawn(&pid, WINE64, nullptr, nullptr, argv.data(), environ) != 0) {
    return -1;
  }
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
    return -1;
  }
  return WEXITSTATUS(status);
}
