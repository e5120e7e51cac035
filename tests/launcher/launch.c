/* Starts a program the way a calling program does: with a raw command line, read byte for
 * byte from a file, so that blanks, quotes and line feeds reach the program unchanged.
 *
 *   launch.exe [--cwd DIR] [--timeout SECONDS] COMMAND-LINE-FILE
 *
 * Waits for the program while pumping messages, then exits with its exit status; 124 if it
 * ran past the timeout (it is then ended), 125 on a usage or file error, 126 if it could not
 * be started. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

enum { kTimedOut = 124, kUsageError = 125, kNotStarted = 126 };

static char* ReadWholeFile(const char* pszPath) {
  FILE* pFile = fopen(pszPath, "rb");
  if (pFile == NULL) {
    return NULL;
  }
  char* pBuffer = NULL;
  if (fseek(pFile, 0, SEEK_END) == 0) {
    long nSize = ftell(pFile);
    rewind(pFile);
    pBuffer = nSize >= 0 ? malloc((size_t)nSize + 1) : NULL;
    if (pBuffer != NULL) {
      size_t nRead = fread(pBuffer, 1, (size_t)nSize, pFile);
      pBuffer[nRead] = '\0';
    }
  }
  fclose(pFile);
  return pBuffer;
}

/* Waits for hProcess, dispatching the messages of this thread meanwhile. */
static BOOL WaitPumpingMessages(HANDLE hProcess, DWORD nTimeoutMs) {
  DWORD nStart = GetTickCount();
  for (;;) {
    DWORD nElapsed = GetTickCount() - nStart;
    if (nElapsed >= nTimeoutMs) {
      return FALSE;
    }
    DWORD nWait =
        MsgWaitForMultipleObjects(1, &hProcess, FALSE, nTimeoutMs - nElapsed, QS_ALLINPUT);
    if (nWait == WAIT_OBJECT_0) {
      return TRUE;
    }
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

int main(int argc, char** argv) {
  const char* pszCwd = NULL;
  DWORD nTimeoutMs = 60000;
  int i = 1;
  for (; i + 1 < argc && strncmp(argv[i], "--", 2) == 0; i += 2) {
    if (strcmp(argv[i], "--cwd") == 0) {
      pszCwd = argv[i + 1];
    } else if (strcmp(argv[i], "--timeout") == 0) {
      nTimeoutMs = (DWORD)atoi(argv[i + 1]) * 1000u;
    } else {
      return kUsageError;
    }
  }
  if (i + 1 != argc) {
    fprintf(stderr, "usage: launch [--cwd DIR] [--timeout SECONDS] COMMAND-LINE-FILE\n");
    return kUsageError;
  }
  char* pszCommandLine = ReadWholeFile(argv[i]);
  if (pszCommandLine == NULL) {
    fprintf(stderr, "launch: cannot read %s\n", argv[i]);
    return kUsageError;
  }

  STARTUPINFOA startup;
  PROCESS_INFORMATION process;
  memset(&startup, 0, sizeof(startup));
  startup.cb = sizeof(startup);
  if (!CreateProcessA(NULL, pszCommandLine, NULL, NULL, FALSE, 0, NULL, pszCwd, &startup,
                      &process)) {
    fprintf(stderr, "launch: cannot start [%s]: error %lu\n", pszCommandLine, GetLastError());
    return kNotStarted;
  }
  CloseHandle(process.hThread);
  DWORD nExitCode = kTimedOut;
  if (WaitPumpingMessages(process.hProcess, nTimeoutMs)) {
    GetExitCodeProcess(process.hProcess, &nExitCode);
  } else {
    TerminateProcess(process.hProcess, kTimedOut);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hProcess);
  free(pszCommandLine);
  return (int)nExitCode;
}
