#include "platform/win32/WindowApi.h"

namespace {

WindowApi g_api;
enum class LoadState { NotTried, Loaded, Failed } g_loadState = LoadState::NotTried;

bool LoadAll(WindowApi& api) {
  HMODULE hUser = LoadLibraryA("user32.dll");
  HMODULE hDialogs = LoadLibraryA("comdlg32.dll");
  if (hUser == nullptr || hDialogs == nullptr) {
    return false;
  }
  api.EnableWindow = LoadProc<decltype(api.EnableWindow)>(hUser, "EnableWindow");
  api.GetForegroundWindow =
      LoadProc<decltype(api.GetForegroundWindow)>(hUser, "GetForegroundWindow");
  api.GetParent = LoadProc<decltype(api.GetParent)>(hUser, "GetParent");
  api.GetWindowLongA = LoadProc<decltype(api.GetWindowLongA)>(hUser, "GetWindowLongA");
  api.GetWindowRect = LoadProc<decltype(api.GetWindowRect)>(hUser, "GetWindowRect");
  api.IsIconic = LoadProc<decltype(api.IsIconic)>(hUser, "IsIconic");
  api.IsWindowEnabled = LoadProc<decltype(api.IsWindowEnabled)>(hUser, "IsWindowEnabled");
  api.IsWindowVisible = LoadProc<decltype(api.IsWindowVisible)>(hUser, "IsWindowVisible");
  api.SetWindowPos = LoadProc<decltype(api.SetWindowPos)>(hUser, "SetWindowPos");
  api.SystemParametersInfoA =
      LoadProc<decltype(api.SystemParametersInfoA)>(hUser, "SystemParametersInfoA");
  api.GetOpenFileNameA = LoadProc<decltype(api.GetOpenFileNameA)>(hDialogs, "GetOpenFileNameA");
  api.GetSaveFileNameA = LoadProc<decltype(api.GetSaveFileNameA)>(hDialogs, "GetSaveFileNameA");
  return api.EnableWindow && api.GetForegroundWindow && api.GetParent && api.GetWindowLongA &&
         api.GetWindowRect && api.IsIconic && api.IsWindowEnabled && api.IsWindowVisible &&
         api.SetWindowPos && api.SystemParametersInfoA && api.GetOpenFileNameA &&
         api.GetSaveFileNameA;
}

} // namespace

const WindowApi* WindowApi::Load() {
  // Loaded once; the libraries stay loaded for the rest of the process. (A plain flag, not a
  // function-local static: the process has one thread, and a guarded static would link in
  // the run-time's exception support.)
  if (g_loadState == LoadState::NotTried) {
    g_loadState = LoadAll(g_api) ? LoadState::Loaded : LoadState::Failed;
  }
  return g_loadState == LoadState::Loaded ? &g_api : nullptr;
}
