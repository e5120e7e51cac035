#include "integration/WineTest.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <vector>

namespace {

using Report = std::map<std::string, std::string>;

// Runs a dialog request the way a caller does: writes the request file, starts the utility
// from the launcher (which owns a caller window in the foreground unless told otherwise),
// then answers the dialog through the virtual display as a user would.
class FileDialog : public WineTest {
protected:
  // Writes the request and starts the utility on it; the dialog's title is title.
  void StartRequest(const std::string& firstLines, const std::string& title,
                    const std::string& numbers,
                    std::vector<std::string> launcherOptions = {"--window"}) {
    title_ = title;
    WriteBytes(Local("REQ"), firstLines + title + "\r\n" + numbers + "\r\n");
    launcherOptions.insert(launcherOptions.end(),
                           {"--inspect", title, WineRunner::WindowsPath(ReportPath())});
    pid_ = WineRunner::Start(WineRunner::CommandLineFor(Win("REQ")), workDir_, launcherOptions);
  }

  // What the launcher saw of the dialog once it was up, and of the caller window after it.
  Report ReadReport() const {
    Report report;
    std::istringstream lines(ReadBytes(ReportPath()));
    for (std::string line; std::getline(lines, line);) {
      auto equals = line.find('=');
      report[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return report;
  }

  // Waits until the dialog is up; false if it did not appear within half a minute.
  bool WaitForDialog() const {
    for (int i = 0; i < 300; ++i) {
      if (std::filesystem::exists(ReportPath())) {
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }

  void FocusDialog() const {
    std::string ids;
    WineRunner::RunProgram({"xdotool", "search", "--name", "^" + title_ + "$"}, &ids);
    // Without --sync: a window that never takes the focus must not hold the test up.
    Xdo({"windowfocus", ids.substr(0, ids.find('\n')), "sleep", "0.3"});
  }

  // Types name into the file-name box, replacing what is there, and accepts it; returns the
  // exit status of the utility.
  int AcceptName(const std::string& name) {
    return Answer({{"key", "ctrl+a"}, {"type", "--delay", "20", name}, {"key", "Return"}});
  }

  // Cancels the dialog; returns the exit status of the utility.
  int Cancel() { return Answer({{"key", "Escape"}}); }

  // Focuses the dialog and sends it the keys until the utility ends. A dialog that has just
  // appeared may still be laying itself out and miss the first keys, so they are sent again.
  int Answer(const std::vector<std::vector<std::string>>& keyCommands) {
    for (int nAttempt = 0; nAttempt < 10; ++nAttempt) {
      FocusDialog();
      for (const auto& command : keyCommands) {
        Xdo(command);
      }
      for (int i = 0; i < 30; ++i) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
          pid_ = -1;
          return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      }
    }
    return -1;
  }

  static void Xdo(std::vector<std::string> args) {
    args.insert(args.begin(), "xdotool");
    EXPECT_EQ(0, WineRunner::RunProgram(args)) << args[1];
  }

  std::string Response() const { return ReadBytes(Local("REQp")); }

  std::filesystem::path ReportPath() const { return workDir_.string() + ".dialog-report"; }

  void TearDown() override {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      WineRunner::Wait(pid_);
    }
  }

  std::string title_;
  pid_t pid_ = -1;
};

const char* const kTextFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*||";

TEST_F(FileDialog, AcceptedFileIsAnsweredWithItsShortAndFullPaths) {
  std::filesystem::create_directory(Local("My Documents"));
  WriteBytes(Local("My Documents/Report.txt"), "keep me");
  StartRequest(std::string("\r\n*.txt\r\n") + kTextFilter + "\r\n", "Pick a report", "3 77");
  ASSERT_TRUE(WaitForDialog());
  EXPECT_EQ(0, AcceptName(Win("My Documents/Report.txt")));

  const std::string shortPath = WineRunner::ShortPathOf(Local("My Documents/Report.txt"));
  ASSERT_NE("", shortPath);
  EXPECT_EQ(shortPath + "\r\n" + Win("My Documents/Report.txt") + "\r\n3 77", Response());
  EXPECT_EQ("keep me", ReadBytes(Local("My Documents/Report.txt")));
  EXPECT_FALSE(std::filesystem::exists(Local("REQ")));

  Report report = ReadReport();
  EXPECT_EQ("caller", report["owner"]);
  EXPECT_EQ("0", report["caller-enabled-during"]);
  EXPECT_EQ("1", report["caller-enabled-after"]);
}

TEST_F(FileDialog, CancelledDialogGivesAnEmptyResponse) {
  StartRequest(std::string("\r\n*.txt\r\n") + kTextFilter + "\r\n", "Pick or cancel", "3 77");
  ASSERT_TRUE(WaitForDialog());
  EXPECT_EQ(0, Cancel());
  EXPECT_TRUE(std::filesystem::exists(Local("REQp")));
  EXPECT_EQ("", Response());
  EXPECT_FALSE(std::filesystem::exists(Local("REQ")));
  EXPECT_EQ("1", ReadReport()["caller-enabled-after"]);
}

TEST_F(FileDialog, SaveWithANewNameLeavesAnEmptyFileAndAnswersItsPaths) {
  StartRequest(std::string("Fresh.txt\r\n*.txt\r\n") + kTextFilter + "\r\n", "Save a copy",
               "10 -1");
  ASSERT_TRUE(WaitForDialog());
  EXPECT_EQ("Fresh.txt", ReadReport()["name"]);
  EXPECT_EQ(0, AcceptName(Win("Fresh.txt")));

  ASSERT_TRUE(std::filesystem::exists(Local("Fresh.txt")));
  EXPECT_EQ(0u, std::filesystem::file_size(Local("Fresh.txt")));
  EXPECT_EQ(WineRunner::ShortPathOf(Local("Fresh.txt")) + "\r\n" + Win("Fresh.txt") + "\r\n10 -1",
            Response());
  EXPECT_FALSE(std::filesystem::exists(Local("REQ")));
}

TEST_F(FileDialog, CallerWindowDisabledBeforeStaysDisabled) {
  StartRequest(std::string("\r\n*.txt\r\n") + kTextFilter + "\r\n", "Pick while disabled", "3 77",
               {"--disabled-window"});
  ASSERT_TRUE(WaitForDialog());
  EXPECT_EQ(0, Cancel());
  Report report = ReadReport();
  EXPECT_EQ("caller", report["owner"]);
  EXPECT_EQ("0", report["caller-enabled-after"]);
}

// The dialog opens with the default name, the filter that name selects, centred over its
// owner; a screenshot of it is kept in the build tree for a person to look at.
TEST_F(FileDialog, OpensWithDefaultNameAndItsFilterCentredOverTheCaller) {
  StartRequest("\r\n*.txt\r\nAll files (*.*)|*.*|Text (*.txt)|*.txt||\r\n", "Open a text", "3 77");
  ASSERT_TRUE(WaitForDialog());
  const std::filesystem::path screenshot =
      std::filesystem::path(WORK_ROOT) / "screenshots" / "open-dialog.png";
  std::filesystem::create_directories(screenshot.parent_path());
  std::this_thread::sleep_for(std::chrono::seconds(1)); // let it paint
  EXPECT_EQ(0, WineRunner::RunProgram({"import", "-window", "root", screenshot.string()}));
  EXPECT_EQ(0, Cancel());

  Report report = ReadReport();
  EXPECT_EQ("*.txt", report["name"]);
  EXPECT_EQ("2", report["filter"]);
  int dl, dt, dr, db, cl, ct, cr, cb;
  ASSERT_EQ(4, std::sscanf(report["dialog"].c_str(), "%d %d %d %d", &dl, &dt, &dr, &db));
  ASSERT_EQ(4, std::sscanf(report["caller"].c_str(), "%d %d %d %d", &cl, &ct, &cr, &cb));
  // The dialog may grow a little after it was centred, as it lays out its controls.
  EXPECT_NEAR((cl + cr) / 2, (dl + dr) / 2, 20);
  EXPECT_NEAR((ct + cb) / 2, (dt + db) / 2, 20);
}

} // namespace
