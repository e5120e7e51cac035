// The least a run of the utility can cost: a GUI program of the same toolchain and flags that
// does nothing but exit. bench/startup.sh sets the utility's start-up against it.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return 0;
}
