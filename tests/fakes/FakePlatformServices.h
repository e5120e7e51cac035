#pragma once

#include "platform/PlatformServices.h"

#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// An in-memory stand-in for the operating system. Tests fill in the entries, short names and
// dialog answers it should report; every call is recorded in calls, in order, as the
// operation's name followed by its argument ("FindEntryName c:\\dir"), so a test can assert
// which look-ups happened.
class FakePlatformServices : public PlatformServices {
public:
  // A copy of what ShowFileDialog was given, its texts owned.
  struct ShownDialog {
    DialogKind kind;
    std::string fileName, filter, title, defExt;
    std::optional<std::string> initialDir;
    unsigned long dwFlags, nFilterIndex;
    WindowHandle hOwner;
  };

  std::map<std::string, std::string> entryNames; // path as probed -> stored name
  std::map<std::string, std::string> shortNames; // path -> short path
  bool bShortNamesNeedFileOnDisk = false;        // as the system: no short name for a missing file
  WindowHandle foregroundWindow = nullptr;
  std::optional<std::string> currentDir;
  std::optional<std::string> dialogChoice; // the path accepted, or nothing for a cancel

  std::vector<std::string> calls;
  std::vector<ShownDialog> shownDialogs;

  bool FindEntryName(const char* pszPath, char (&szName)[kEntryNameSize]) override {
    calls.push_back(std::string("FindEntryName ") + pszPath);
    return Lookup(entryNames, pszPath, szName);
  }

  bool GetShortName(const char* pszPath, char (&szShortPath)[kShortPathSize]) override {
    calls.push_back(std::string("GetShortName ") + pszPath);
    if (bShortNamesNeedFileOnDisk && !std::filesystem::exists(pszPath)) {
      return false;
    }
    return Lookup(shortNames, pszPath, szShortPath);
  }

  WindowHandle GetOwnerWindow() override {
    calls.push_back("GetOwnerWindow");
    return foregroundWindow;
  }

  bool GetCurrentDir(char (&szDir)[kDirectorySize]) override {
    calls.push_back("GetCurrentDir");
    return currentDir && Copy(*currentDir, szDir);
  }

  bool ShowFileDialog(const FileDialogSettings& settings,
                      char (&szPath)[kDialogPathSize]) override {
    calls.push_back("ShowFileDialog");
    shownDialogs.push_back({settings.kind, settings.pszFileName, settings.pszFilter,
                            settings.pszTitle, settings.pszDefExt,
                            settings.pszInitialDir != nullptr
                                ? std::optional<std::string>(settings.pszInitialDir)
                                : std::nullopt,
                            settings.dwFlags, settings.nFilterIndex, settings.hOwner});
    return dialogChoice && Copy(*dialogChoice, szPath);
  }

  void EnableControlStyling() override { calls.push_back("EnableControlStyling"); }

private:
  template <int N> static bool Copy(const std::string& text, char (&szOut)[N]) {
    if (text.size() >= N) {
      return false;
    }
    std::memcpy(szOut, text.c_str(), text.size() + 1);
    return true;
  }

  template <int N>
  static bool Lookup(const std::map<std::string, std::string>& table, const char* pszKey,
                     char (&szOut)[N]) {
    auto it = table.find(pszKey);
    return it != table.end() && Copy(it->second, szOut);
  }
};
