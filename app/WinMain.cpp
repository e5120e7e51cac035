// The Windows entry point: quiet error mode, the command tail, then the application object.
#include "app/CommandTail.h"
#include "app/WinApp.h"
#include "platform/win32/ProcessStartup.h"
#include "platform/win32/Win32PlatformServices.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  AddQuietErrorMode();
  CWinApp* pApp = CWinApp::GetApp();
  if (pApp == nullptr) {
    return 0;
  }
  Win32PlatformServices platform(pApp->HandlesCommand(ID_HELP));
  return RunApplication(*pApp, ExtractCommandTail(GetCommandLineA()), platform);
}
