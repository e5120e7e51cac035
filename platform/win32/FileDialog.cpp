#include "platform/win32/FileDialog.h"

#include <cstring>

namespace {

// Copies pszFilter into szOut with each "|" turned into a string end, stepping over
// double-byte characters so that a second byte equal to "|" stays part of its character.
// The copy ends with two string ends.
template <size_t N> void CopyFilter(const char* pszFilter, char (&szOut)[N]) {
  size_t n = 0;
  const char* p = pszFilter != nullptr ? pszFilter : "";
  while (*p != '\0' && n < N - 2) {
    if (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1] != '\0' && n < N - 3) {
      szOut[n++] = *p++;
      szOut[n++] = *p++;
      continue;
    }
    szOut[n++] = *p == '|' ? '\0' : *p;
    ++p;
  }
  szOut[n] = '\0';
  szOut[n + 1] = '\0';
}

bool IsWindows4OrLater() {
  return LOBYTE(LOWORD(GetVersion())) >= 4;
}

// The window itself if it is not a child window, else its nearest ancestor that is not.
HWND NearestNonChild(const WindowApi& api, HWND hWnd) {
  while (hWnd != nullptr && (api.GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) != 0) {
    hWnd = api.GetParent(hWnd);
  }
  return hWnd;
}

// The top of the parent and owner chain of hWnd.
HWND TopOfChain(const WindowApi& api, HWND hWnd) {
  for (HWND hUp = api.GetParent(hWnd); hUp != nullptr; hUp = api.GetParent(hWnd)) {
    hWnd = hUp;
  }
  return hWnd;
}

// Disables the owner, and the top of its chain if that is another window, while the dialog
// runs. Afterwards each is put back as it was: the windows disabled here are enabled again,
// and one that was disabled before stays disabled, even where the system's own modal loop
// enables the owner when the dialog ends.
class OwnerDisabler {
public:
  OwnerDisabler(const WindowApi& api, HWND hOwner) : m_api(api) {
    if (hOwner == nullptr) {
      return;
    }
    Disable(hOwner);
    HWND hTop = TopOfChain(api, hOwner);
    if (hTop != hOwner) {
      Disable(hTop);
    }
  }
  ~OwnerDisabler() {
    for (int i = m_nCount - 1; i >= 0; --i) {
      m_api.EnableWindow(m_aWindows[i].hWnd, m_aWindows[i].bWasEnabled);
    }
  }
  OwnerDisabler(const OwnerDisabler&) = delete;
  OwnerDisabler& operator=(const OwnerDisabler&) = delete;

private:
  void Disable(HWND hWnd) {
    BOOL bWasEnabled = m_api.IsWindowEnabled(hWnd);
    if (bWasEnabled) {
      m_api.EnableWindow(hWnd, FALSE);
    }
    m_aWindows[m_nCount++] = {hWnd, bWasEnabled};
  }
  struct SavedWindow {
    HWND hWnd;
    BOOL bWasEnabled;
  };
  const WindowApi& m_api;
  SavedWindow m_aWindows[2] = {};
  int m_nCount = 0;
};

} // namespace

CFileDialog::CFileDialog(bool bOpenFileDialog, const char* pszDefExt, const char* pszFileName,
                         DWORD dwFlags, const char* pszFilter, CWnd* pParentWnd,
                         bool bHelpAvailable, const WindowApi& api)
    : m_api(api), m_bOpenFileDialog(bOpenFileDialog), m_pParentWnd(pParentWnd) {
  std::memset(&m_ofn, 0, sizeof(m_ofn));
  m_szFileName[0] = '\0';
  if (pszFileName != nullptr) {
    lstrcpynA(m_szFileName, pszFileName, sizeof(m_szFileName));
  }
  CopyFilter(pszFilter, m_szFilter);

  m_ofn.lStructSize = sizeof(m_ofn);
  m_ofn.lpstrFile = m_szFileName;
  m_ofn.nMaxFile = sizeof(m_szFileName);
  m_ofn.lpstrDefExt = pszDefExt;
  m_ofn.lpstrFilter = m_szFilter;
  m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_ENABLESIZING;
  if (IsWindows4OrLater()) {
    m_ofn.Flags |= OFN_EXPLORER;
  } else if (bHelpAvailable) {
    m_ofn.Flags |= OFN_SHOWHELP;
  }
  m_ofn.lpfnHook = &CFileDialog::HookProc;
  m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
}

INT_PTR CFileDialog::DoModal() {
  m_ofn.hwndOwner =
      NearestNonChild(m_api, m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : nullptr);
  OwnerDisabler disabler(m_api, m_ofn.hwndOwner);
  BOOL bAccepted =
      m_bOpenFileDialog ? m_api.GetOpenFileNameA(&m_ofn) : m_api.GetSaveFileNameA(&m_ofn);
  return bAccepted ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hDlg, UINT uMessage, WPARAM, LPARAM lParam) {
  if (uMessage != WM_INITDIALOG) {
    return 0;
  }
  const auto* pOfn = reinterpret_cast<const OPENFILENAMEA*>(lParam);
  const auto* pDialog = reinterpret_cast<const CFileDialog*>(pOfn->lCustData);
  // An explorer-style hook runs in a child of the dialog; the dialog is its parent.
  HWND hDialog = (pOfn->Flags & OFN_EXPLORER) != 0 ? pDialog->m_api.GetParent(hDlg) : hDlg;
  pDialog->CenterOverOwner(hDialog);
  return TRUE;
}

void CFileDialog::CenterOverOwner(HWND hDialog) const {
  RECT rcWorkArea;
  m_api.SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWorkArea, 0);
  HWND hOwner = m_ofn.hwndOwner;
  RECT rcCenter = rcWorkArea;
  if (hOwner != nullptr && m_api.IsWindowVisible(hOwner) && !m_api.IsIconic(hOwner)) {
    m_api.GetWindowRect(hOwner, &rcCenter);
  }
  RECT rcDialog;
  m_api.GetWindowRect(hDialog, &rcDialog);
  LONG nWidth = rcDialog.right - rcDialog.left;
  LONG nHeight = rcDialog.bottom - rcDialog.top;
  LONG x = (rcCenter.left + rcCenter.right) / 2 - nWidth / 2;
  LONG y = (rcCenter.top + rcCenter.bottom) / 2 - nHeight / 2;
  // Keep the whole dialog inside the work area, its top-left corner first.
  if (x + nWidth > rcWorkArea.right) {
    x = rcWorkArea.right - nWidth;
  }
  if (x < rcWorkArea.left) {
    x = rcWorkArea.left;
  }
  if (y + nHeight > rcWorkArea.bottom) {
    y = rcWorkArea.bottom - nHeight;
  }
  if (y < rcWorkArea.top) {
    y = rcWorkArea.top;
  }
  m_api.SetWindowPos(hDialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
