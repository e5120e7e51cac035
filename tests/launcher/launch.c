/* Starts a program the way a calling program does: with a raw command line, read byte for
 * byte from a file, so that blanks, quotes and line feeds reach the program unchanged.
 *
 *   launch.exe [--cwd DIR] [--timeout SECONDS] [--window | --disabled-window]
 *              [--inspect DIALOG-TITLE REPORT-FILE] [--watch-windows REPORT-FILE]
 *              COMMAND-LINE-FILE
 *
 * Waits for the program while pumping messages, then exits with its exit status; 124 if it
 * ran past the timeout (it is then ended), 125 on a usage or file error, 126 if it could not
 * be started.
 *
 * --window shows a caller window in the foreground first (--disabled-window: then disables
 * it). --inspect writes what a caller can see of the dialog titled DIALOG-TITLE to
 * REPORT-FILE once it is up, as key=value lines, and adds the caller window's state after
 * the program ended (see InspectDialog). --watch-windows writes the title of every visible
 * top-level window the program shows, one per line, so that a test can prove it shows none. */
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

static HWND g_hCaller;
static const char* g_pszDialogTitle;
static const char* g_pszReportPath;
static BOOL g_bReported;
static DWORD g_nChildId;
static HANDLE g_hChild;
static FILE* g_pWindowReport;

/* Records a visible top-level window of the started program. */
static BOOL CALLBACK RecordChildWindow(HWND hWnd, LPARAM lParam) {
  (void)lParam;
  DWORD nProcessId = 0;
  GetWindowThreadProcessId(hWnd, &nProcessId);
  if (nProcessId == g_nChildId && IsWindowVisible(hWnd)) {
    char szTitle[256] = "";
    GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
    fprintf(g_pWindowReport, "window=%s\n", szTitle);
    fflush(g_pWindowReport);
  }
  return TRUE;
}

/* Shows a window of this process in the foreground, as a calling program has. */
static HWND CreateCallerWindow(BOOL bDisabled) {
  WNDCLASSA windowClass;
  memset(&windowClass, 0, sizeof(windowClass));
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(NULL);
  windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "TestCaller";
  RegisterClassA(&windowClass);
  HWND hWnd = CreateWindowA("TestCaller", "Test caller", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150,
                            600, 450, NULL, NULL, windowClass.hInstance, NULL);
  UpdateWindow(hWnd);
  SetForegroundWindow(hWnd);
  if (bDisabled) {
    EnableWindow(hWnd, FALSE);
  }
  return hWnd;
}

/* The child of hDialog, at any depth, whose control ID is nID. */
static HWND FindControl(HWND hDialog, int nID) {
  for (HWND hChild = GetWindow(hDialog, GW_CHILD); hChild != NULL;
       hChild = GetWindow(hChild, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(hChild) == nID) {
      return hChild;
    }
    HWND hFound = FindControl(hChild, nID);
    if (hFound != NULL) {
      return hFound;
    }
  }
  return NULL;
}

/* Once the dialog is up, writes what a caller sees of it: its owner, whether the caller
 * window is enabled meanwhile, the selected filter (1-based), the text of the file-name box,
 * and the rectangles of the dialog, the caller window and the work area. */
static void InspectDialog(void) {
  HWND hDialog = FindWindowA("#32770", g_pszDialogTitle);
  if (hDialog == NULL || !IsWindowVisible(hDialog)) {
    return;
  }
  /* Let the dialog finish its initialisation: its thread waits for input when it is done. */
  WaitForInputIdle(g_hChild, 5000);
  Sleep(500);
  FILE* pReport = fopen(g_pszReportPath, "wb");
  if (pReport == NULL) {
    return;
  }
  HWND hOwner = GetWindow(hDialog, GW_OWNER);
  fprintf(pReport, "owner=%s\n",
          hOwner == NULL ? "none" : (hOwner == g_hCaller ? "caller" : "other"));
  if (g_hCaller != NULL) {
    fprintf(pReport, "caller-enabled-during=%d\n", IsWindowEnabled(g_hCaller) ? 1 : 0);
  }
  HWND hFilter = FindControl(hDialog, 0x470);
  if (hFilter != NULL) {
    fprintf(pReport, "filter=%ld\n", (long)SendMessageA(hFilter, CB_GETCURSEL, 0, 0) + 1);
  }
  HWND hName = FindControl(hDialog, 0x480); /* the file-name box */
  if (hName == NULL) {
    hName = FindControl(hDialog, 0x47c);
  }
  char szName[512] = "";
  if (hName != NULL) { /* a message: GetWindowText does not read controls of other processes */
    SendMessageA(hName, WM_GETTEXT, sizeof(szName), (LPARAM)szName);
  }
  fprintf(pReport, "name=%s\n", szName);
  RECT rc;
  GetWindowRect(hDialog, &rc);
  fprintf(pReport, "dialog=%ld %ld %ld %ld\n", rc.left, rc.top, rc.right, rc.bottom);
  if (g_hCaller != NULL) {
    GetWindowRect(g_hCaller, &rc);
    fprintf(pReport, "caller=%ld %ld %ld %ld\n", rc.left, rc.top, rc.right, rc.bottom);
  }
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
  fprintf(pReport, "workarea=%ld %ld %ld %ld\n", rc.left, rc.top, rc.right, rc.bottom);
  fclose(pReport);
  g_bReported = TRUE;
}

/* Waits for hProcess, dispatching the messages of this thread meanwhile. */
static BOOL WaitPumpingMessages(HANDLE hProcess, DWORD nTimeoutMs) {
  DWORD nStart = GetTickCount();
  for (;;) {
    DWORD nElapsed = GetTickCount() - nStart;
    if (nElapsed >= nTimeoutMs) {
      return FALSE;
    }
    DWORD nSlice = nTimeoutMs - nElapsed;
    if (g_pszDialogTitle != NULL && !g_bReported) {
      nSlice = nSlice < 100 ? nSlice : 100;
      InspectDialog();
    }
    if (g_pWindowReport != NULL) {
      nSlice = nSlice < 20 ? nSlice : 20;
      EnumWindows(RecordChildWindow, 0);
    }
    DWORD nWait = MsgWaitForMultipleObjects(1, &hProcess, FALSE, nSlice, QS_ALLINPUT);
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
  int nWindow = 0; /* 0 none, 1 enabled, 2 disabled */
  int i = 1;
  while (i + 1 < argc && strncmp(argv[i], "--", 2) == 0) {
    if (strcmp(argv[i], "--cwd") == 0) {
      pszCwd = argv[i + 1];
      i += 2;
    } else if (strcmp(argv[i], "--timeout") == 0) {
      nTimeoutMs = (DWORD)atoi(argv[i + 1]) * 1000u;
      i += 2;
    } else if (strcmp(argv[i], "--window") == 0) {
      nWindow = 1;
      i += 1;
    } else if (strcmp(argv[i], "--disabled-window") == 0) {
      nWindow = 2;
      i += 1;
    } else if (strcmp(argv[i], "--watch-windows") == 0) {
      g_pWindowReport = fopen(argv[i + 1], "wb");
      if (g_pWindowReport == NULL) {
        return kUsageError;
      }
      i += 2;
    } else if (strcmp(argv[i], "--inspect") == 0 && i + 2 < argc) {
      g_pszDialogTitle = argv[i + 1];
      g_pszReportPath = argv[i + 2];
      i += 3;
    } else {
      break;
    }
  }
  if (i + 1 != argc) {
    fprintf(stderr, "usage: launch [--cwd DIR] [--timeout SECONDS] [--window | "
                    "--disabled-window] [--inspect TITLE REPORT] [--watch-windows REPORT] "
                    "COMMAND-LINE-FILE\n");
    return kUsageError;
  }
  if (nWindow != 0) {
    g_hCaller = CreateCallerWindow(nWindow == 2);
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
  g_nChildId = process.dwProcessId;
  g_hChild = process.hProcess;
  DWORD nExitCode = kTimedOut;
  if (WaitPumpingMessages(process.hProcess, nTimeoutMs)) {
    GetExitCodeProcess(process.hProcess, &nExitCode);
  } else {
    TerminateProcess(process.hProcess, kTimedOut);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hProcess);
  free(pszCommandLine);
  if (g_pWindowReport != NULL) {
    fclose(g_pWindowReport);
  }
  if (g_pszReportPath != NULL && g_hCaller != NULL) {
    FILE* pReport = fopen(g_pszReportPath, "ab");
    if (pReport != NULL) {
      fprintf(pReport, "caller-enabled-after=%d\n", IsWindowEnabled(g_hCaller) ? 1 : 0);
      fclose(pReport);
    }
  }
  return (int)nExitCode;
}
