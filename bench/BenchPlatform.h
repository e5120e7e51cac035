#pragma once

// A platform for the benchmark programs: the utility's own, with its entry look-ups counted.
#include "platform/PlatformServices.h"
#include "platform/win32/Win32PlatformServices.h"

#include <windows.h>

#include <string>

class BenchPlatform : public PlatformServices {
public:
  unsigned long nLookups = 0;

  bool FindEntryName(const char* pszPath, char (&szName)[kEntryNameSize]) override {
    ++nLookups;
    return m_system.FindEntryName(pszPath, szName);
  }
  bool GetShortName(const char* pszPath, char (&szShortPath)[kShortPathSize]) override {
    return m_system.GetShortName(pszPath, szShortPath);
  }
  WindowHandle GetOwnerWindow() override { return m_system.GetOwnerWindow(); }
  bool GetCurrentDir(char (&szDir)[kDirectorySize]) override {
    return m_system.GetCurrentDir(szDir);
  }
  bool ShowFileDialog(const FileDialogSettings& settings,
                      char (&szPath)[kDialogPathSize]) override {
    return m_system.ShowFileDialog(settings, szPath);
  }
  void EnableControlStyling() override { m_system.EnableControlStyling(); }

private:
  Win32PlatformServices m_system{false};
};

// Calls onLine with each line of text, without its CR LF.
template <typename OnLine> void ForEachLine(const std::string& text, OnLine onLine) {
  size_t nStart = 0;
  while (nStart < text.size()) {
    size_t nEnd = text.find("\r\n", nStart);
    const bool bLineEnd = nEnd != std::string::npos;
    onLine(text.substr(nStart, bLineEnd ? nEnd - nStart : std::string::npos));
    nStart = bLineEnd ? nEnd + 2 : text.size();
  }
}

// Reads the whole of a file into text; false if it cannot be read.
inline bool ReadWholeFile(const char* pszPath, std::string& text) {
  HANDLE hFile =
      CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (hFile == INVALID_HANDLE_VALUE) {
    return false;
  }
  DWORD nSize = GetFileSize(hFile, nullptr), nRead = 0;
  text.resize(nSize);
  BOOL bRead = ReadFile(hFile, &text[0], nSize, &nRead, nullptr);
  CloseHandle(hFile);
  text.resize(nRead);
  return bRead != FALSE;
}

// Writes text as the whole of a file; false unless all of it was written.
inline bool WriteWholeFile(const char* pszPath, const std::string& text) {
  HANDLE hFile = CreateFileA(pszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (hFile == INVALID_HANDLE_VALUE) {
    return false;
  }
  DWORD nWritten = 0;
  BOOL bWritten =
      WriteFile(hFile, text.data(), static_cast<DWORD>(text.size()), &nWritten, nullptr);
  CloseHandle(hFile);
  return bWritten && nWritten == text.size();
}
