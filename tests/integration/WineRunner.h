#pragma once

#include <filesystem>
#include <string>

// Runs the real Windows executable under Wine the way a calling program starts it: the test
// launcher hands it a raw command line through CreateProcessA and reports its exit status.
class WineRunner {
public:
  // The Windows form of a local path, through Wine's drive Z: ("/tmp/a b" -> "Z:\tmp\a b").
  static std::string WindowsPath(const std::filesystem::path& path);

  // The command line that starts the utility with tail: its quoted program path, a blank,
  // then the tail unchanged.
  static std::string CommandLineFor(const std::string& tail);

  // Starts the utility with commandLine exactly as given, in the working directory workDir;
  // returns its exit status, or the launcher's own status (124 and up) if it failed.
  static int RunCommandLine(const std::string& commandLine, const std::filesystem::path& workDir);

  // Starts the utility with the command tail in the working directory workDir.
  static int RunTail(const std::string& tail, const std::filesystem::path& workDir) {
    return RunCommandLine(CommandLineFor(tail), workDir);
  }
};
