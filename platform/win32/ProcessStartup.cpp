#include "platform/win32/ProcessStartup.h"

#include <windows.h>

void AddQuietErrorMode() {
  UINT uMode = SetErrorMode(0);
  SetErrorMode(uMode | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}
