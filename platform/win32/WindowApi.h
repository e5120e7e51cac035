#pragma once

#include <windows.h>

#include <commdlg.h> // after windows.h, which it needs

// The exported function pszName of hLibrary as a Proc, or nullptr.
template <typename Proc> Proc LoadProc(HMODULE hLibrary, const char* pszName) {
  // Through a generic function type: FARPROC's own type is unrelated to Proc.
  return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(hLibrary, pszName)));
}

// The functions of the window system and the common dialogs that the file dialog needs. They
// are loaded when a dialog is asked for instead of being imported: loading the window system
// is most of what starting the utility costs, and no other request needs it.
struct WindowApi {
  decltype(&::EnableWindow) EnableWindow;
  decltype(&::GetForegroundWindow) GetForegroundWindow;
  decltype(&::GetParent) GetParent;
  decltype(&::GetWindowLongA) GetWindowLongA;
  decltype(&::GetWindowRect) GetWindowRect;
  decltype(&::IsIconic) IsIconic;
  decltype(&::IsWindowEnabled) IsWindowEnabled;
  decltype(&::IsWindowVisible) IsWindowVisible;
  decltype(&::SetWindowPos) SetWindowPos;
  decltype(&::SystemParametersInfoA) SystemParametersInfoA;
  decltype(&::GetOpenFileNameA) GetOpenFileNameA;
  decltype(&::GetSaveFileNameA) GetSaveFileNameA;

  // The functions, loaded on the first call; nullptr if the system lacks any of them.
  static const WindowApi* Load();
};
