#pragma once

#include "app/WinApp.h"

// The utility: one request per process, chosen by the command tail, answered in files.
class CFileServiceApp : public CWinApp {
public:
  CFileServiceApp() = default;
  ~CFileServiceApp() override = default;

  const MessageMapEntry* GetMessageMap() const override;

  // Runs the one handler the command tail asks for; always false, so no message loop runs.
  bool InitInstance() override;

  // Creates pszPath as an empty file, or empties an existing one; does nothing if it cannot.
  void CreateEmptyFile(const char* pszPath);
};

extern CFileServiceApp theApp;
