#pragma once

// A platform for the benchmark programs: entry look-ups through FindFirstFileA, counted;
// nothing else is needed by the list conversion.
#include "platform/PlatformServices.h"

#include <windows.h>

#include <string>

class BenchPlatform : public PlatformServices {
public:
  unsigned long nLookups = 0;

  bool FindEntryName(const char* pszPath, char (&szName)[kEntryNameSize]) override {
    ++nLookups;
    WIN32_FIND_DATAA findData;
    HANDLE hFind = FindFirstFileA(pszPath, &findData);
    if (hFind == INVALID_HANDLE_VALUE) {
      return false;
    }
    FindClose(hFind);
    lstrcpynA(szName, findData.cFileName, kEntryNameSize);
    return true;
  }
  bool GetShortName(const char*, char (&)[kShortPathSize]) override { return false; }
  WindowHandle GetOwnerWindow() override { return nullptr; }
  bool GetCurrentDir(char (&)[kDirectorySize]) override { return false; }
  bool ShowFileDialog(const FileDialogSettings&, char (&)[kDialogPathSize]) override {
    return false;
  }
  void EnableControlStyling() override {}
};

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
