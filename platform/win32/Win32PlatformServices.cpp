#include "platform/win32/Win32PlatformServices.h"

#include "platform/win32/FileDialog.h"

#include <windows.h>

bool Win32PlatformServices::FindEntryName(const char* pszPath, char (&szName)[kEntryNameSize]) {
  WIN32_FIND_DATAA findData;
  HANDLE hFind = FindFirstFileA(pszPath, &findData);
  if (hFind == INVALID_HANDLE_VALUE) {
    return false;
  }
  FindClose(hFind);
  lstrcpynA(szName, findData.cFileName, kEntryNameSize);
  return true;
}

bool Win32PlatformServices::GetShortName(const char* pszPath, char (&szShortPath)[kShortPathSize]) {
  // A result of kShortPathSize or more is the size the buffer would need: it did not fit.
  DWORD nLength = GetShortPathNameA(pszPath, szShortPath, kShortPathSize);
  return nLength != 0 && nLength < kShortPathSize;
}

WindowHandle Win32PlatformServices::GetOwnerWindow() {
  const WindowApi* pApi = WindowApi::Load();
  return pApi != nullptr ? pApi->GetForegroundWindow() : nullptr;
}

bool Win32PlatformServices::GetCurrentDir(char (&szDir)[kDirectorySize]) {
  DWORD nLength = GetCurrentDirectoryA(kDirectorySize, szDir);
  return nLength != 0 && nLength < kDirectorySize;
}

bool Win32PlatformServices::ShowFileDialog(const FileDialogSettings& settings,
                                           char (&szPath)[kDialogPathSize]) {
  const WindowApi* pApi = WindowApi::Load();
  if (pApi == nullptr) {
    return false;
  }
  CWnd wndOwner;
  wndOwner.Attach(static_cast<HWND>(settings.hOwner));
  CFileDialog dialog(settings.kind == DialogKind::Open, settings.pszDefExt, settings.pszFileName,
                     settings.dwFlags, settings.pszFilter, &wndOwner, m_bHelpAvailable, *pApi);
  dialog.m_ofn.lpstrTitle = settings.pszTitle;
  dialog.m_ofn.lpstrInitialDir = settings.pszInitialDir;
  dialog.m_ofn.nFilterIndex = settings.nFilterIndex;
  bool bAccepted = dialog.DoModal() == IDOK;
  if (bAccepted) {
    lstrcpynA(szPath, dialog.GetPathName(), kDialogPathSize);
  }
  wndOwner.Detach();
  return bAccepted;
}

void Win32PlatformServices::EnableControlStyling() {
  if (LOBYTE(LOWORD(GetVersion())) >= 4) {
    return; // the system draws its dialog controls in 3-D itself
  }
  // The 3-D control library is optional: load it at run time and do without it if absent.
  // It stays loaded for the life of the process, as the controls keep drawing through it.
  HMODULE hLibrary = LoadLibraryA("CTL3D32.DLL");
  if (hLibrary == nullptr) {
    return;
  }
  using Ctl3dProc = BOOL(WINAPI*)(HINSTANCE);
  auto pfnRegister = LoadProc<Ctl3dProc>(hLibrary, "Ctl3dRegister");
  auto pfnAutoSubclass = LoadProc<Ctl3dProc>(hLibrary, "Ctl3dAutoSubclass");
  HINSTANCE hInstance = GetModuleHandleA(nullptr);
  if (pfnRegister != nullptr && pfnAutoSubclass != nullptr && pfnRegister(hInstance)) {
    pfnAutoSubclass(hInstance);
  }
}
