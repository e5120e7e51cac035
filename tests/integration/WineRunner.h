#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

// Runs the real Windows executable under Wine the way a calling program starts it: the test
// launcher hands it a raw command line through CreateProcessA and reports its exit status.
class WineRunner {
public:
  // The Windows form of a local path, through Wine's drive Z: ("/tmp/a b" -> "Z:\tmp\a b").
  static std::string WindowsPath(const std::filesystem::path& path);

  // The command line that starts the utility with tail: its quoted program path, a blank,
  // then the tail unchanged.
  static std::string CommandLineFor(const std::string& tail);

  // Starts the launcher on commandLine, exactly as given, in the working directory workDir,
  // with launcherOptions before the command line (see launch.c); returns its process id.
  static pid_t Start(const std::string& commandLine, const std::filesystem::path& workDir,
                     const std::vector<std::string>& launcherOptions = {});

  // Waits for a process of Start: the utility's exit status, or the launcher's own status
  // (124 and up) if it failed; -1 if the process did not end normally.
  static int Wait(pid_t pid);

  // Starts the utility with commandLine in workDir and waits for it.
  static int RunCommandLine(const std::string& commandLine, const std::filesystem::path& workDir) {
    return Wait(Start(commandLine, workDir));
  }

  // Starts the utility with the command tail in workDir and waits for it.
  static int RunTail(const std::string& tail, const std::filesystem::path& workDir) {
    return RunCommandLine(CommandLineFor(tail), workDir);
  }

  // The short form of a local path as Windows reports it, or "" if there is none.
  static std::string ShortPathOf(const std::filesystem::path& path);

  // Runs a program with the test environment (Wine's prefix and display); returns its exit
  // status, with what it printed in *pOutput if given.
  static int RunProgram(const std::vector<std::string>& argv, std::string* pOutput = nullptr);
};
