// Checks the start-up code of the Windows build where it runs: the quiet error mode is added
// to the bits the process already has. Exits with 0 when it holds, else 1 with a message.
#include "platform/win32/ProcessStartup.h"

#include <windows.h>

#include <cstdio>

int main() {
  const UINT uKept = SEM_NOGPFAULTERRORBOX;
  SetErrorMode(uKept);
  AddQuietErrorMode();
  const UINT uExpected = uKept | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;
  UINT uMode = GetErrorMode();
  if (uMode != uExpected) {
    std::printf("error mode 0x%x, expected 0x%x\n", uMode, uExpected);
    return 1;
  }
  std::printf("error mode 0x%x\n", uMode);
  return 0;
}
