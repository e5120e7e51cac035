/* Prints the short form of a path as the system reports it, so that tests never have to
 * guess the short names of a file system.
 *
 *   shortname.exe PATH
 *
 * Exits with 1, printing nothing, if the system has no short form for PATH. */
#include <stdio.h>
#include <windows.h>

int main(int argc, char** argv) {
  char szShortPath[1024];
  DWORD nLength = argc == 2 ? GetShortPathNameA(argv[1], szShortPath, sizeof(szShortPath)) : 0;
  if (nLength == 0 || nLength >= sizeof(szShortPath)) {
    return 1;
  }
  fputs(szShortPath, stdout);
  return 0;
}
