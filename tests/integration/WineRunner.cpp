#include "integration/WineRunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>

extern char** environ;

namespace {

void SetTestEnvironment() {
  setenv("WINEPREFIX", WINE_PREFIX, 1);
  setenv("WINEDEBUG", "-all", 1);
  setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
  setenv("DISPLAY", TEST_DISPLAY, 1);
}

// A new file name in the scratch directory of the test run.
std::filesystem::path NextScratchFile(const std::string& stem) {
  static std::atomic<int> nNext{0};
  std::filesystem::path dir = std::filesystem::path(WORK_ROOT) / "scratch";
  std::filesystem::create_directories(dir);
  return dir / (stem + std::to_string(nNext++) + ".txt");
}

// Starts argv[0] with stdout sent to pOutputFile if given; returns its process id or -1.
pid_t Spawn(const std::vector<std::string>& argv, const std::filesystem::path* pOutputFile) {
  SetTestEnvironment();
  std::vector<char*> args;
  for (const std::string& arg : argv) {
    args.push_back(const_cast<char*>(arg.c_str()));
  }
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (pOutputFile != nullptr) {
    posix_spawn_file_actions_addopen(&actions, 1, pOutputFile->c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  pid_t pid = -1;
  if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
    pid = -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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

pid_t WineRunner::Start(const std::string& commandLine, const std::filesystem::path& workDir,
                        const std::vector<std::string>& launcherOptions) {
  std::filesystem::path commandFile = NextScratchFile("command-line");
  std::ofstream(commandFile, std::ios::binary) << commandLine;
  std::vector<std::string> argv = {WINE64, LAUNCH_EXE, "--cwd", WindowsPath(workDir)};
  argv.insert(argv.end(), launcherOptions.begin(), launcherOptions.end());
  argv.push_back(WindowsPath(commandFile));
  return Spawn(argv, nullptr);
}

int WineRunner::Wait(pid_t pid) {
  int status = 0;
  if (pid <= 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
    return -1;
  }
  return WEXITSTATUS(status);
}

int WineRunner::RunProgram(const std::vector<std::string>& argv, std::string* pOutput) {
  std::filesystem::path outputFile = NextScratchFile("output");
  int status = Wait(Spawn(argv, &outputFile));
  if (pOutput != nullptr) {
    *pOutput = ReadFile(outputFile);
  }
  return status;
}

std::string WineRunner::ShortPathOf(const std::filesystem::path& path) {
  std::string shortPath;
  return RunProgram({WINE64, SHORTNAME_EXE, WindowsPath(path)}, &shortPath) == 0 ? shortPath : "";
}
