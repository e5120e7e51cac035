#pragma once

#include "platform/win32/WindowApi.h"

#include <windows.h>

// A window object that can borrow an existing window: Attach takes the handle, Detach gives
// it back without touching the window.
class CWnd {
public:
  bool Attach(HWND hWnd) {
    m_hWnd = hWnd;
    return hWnd != nullptr;
  }
  HWND Detach() {
    HWND hWnd = m_hWnd;
    m_hWnd = nullptr;
    return hWnd;
  }
  HWND GetSafeHwnd() const { return m_hWnd; }

private:
  HWND m_hWnd = nullptr;
};

// The system's Open or Save dialog. m_ofn may be adjusted between construction and DoModal.
class CFileDialog {
public:
  // pszFilter holds description|pattern pairs separated by "|"; pParentWnd may be nullptr.
  // bHelpAvailable shows a Help button on systems older than Windows 4.0.
  // api must be loaded.
  CFileDialog(bool bOpenFileDialog, const char* pszDefExt, const char* pszFileName, DWORD dwFlags,
              const char* pszFilter, CWnd* pParentWnd, bool bHelpAvailable, const WindowApi& api);
  CFileDialog(const CFileDialog&) = delete;
  CFileDialog& operator=(const CFileDialog&) = delete;

  // Runs the dialog modally: IDOK if the user accepted, IDCANCEL otherwise.
  INT_PTR DoModal();

  // The full path the user chose.
  const char* GetPathName() const { return m_szFileName; }

  OPENFILENAMEA m_ofn;

private:
  static UINT_PTR CALLBACK HookProc(HWND hDlg, UINT uMessage, WPARAM wParam, LPARAM lParam);
  void CenterOverOwner(HWND hDialog) const;

  const WindowApi& m_api;
  bool m_bOpenFileDialog;
  CWnd* m_pParentWnd;
  char m_szFileName[MAX_PATH];
  char m_szFilter[1024 + 2]; // the filter text with each "|" turned into a string end
};
