#pragma once

class PlatformServices;

// The command that asks for help; an application whose message map handles it is regarded
// as offering help, so an old-style file dialog shows a Help button.
constexpr unsigned ID_HELP = 0xE146;

class CWinApp;

// One row of a message map: a command and the operation that handles it. A map ends with a
// row whose pfnHandler is null.
struct MessageMapEntry {
  unsigned nID;
  void (CWinApp::*pfnHandler)();
};

// The application object: constructed once by static initialisation, then started by
// RunApplication with the command tail and the platform.
class CWinApp {
public:
  explicit CWinApp(const char* pszAppName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // The command handlers of this application.
  virtual const MessageMapEntry* GetMessageMap() const;

  // Does the application's work; true would ask for a message loop, which this layer does
  // not run, so an application returns false.
  virtual bool InitInstance();

  // The exit status of the process.
  virtual int ExitInstance();

  // Handles ID_HELP. There is no help file to show, so it does nothing.
  void OnHelp() {}

  // True if the message map has a handler for the command nID.
  bool HandlesCommand(unsigned nID) const;

  // The first application object constructed, or nullptr.
  static CWinApp* GetApp() { return s_pTheApp; }

  const char* m_pszAppName;
  const char* m_lpCmdLine = "";
  PlatformServices* m_pPlatform = nullptr;

private:
  static CWinApp* s_pTheApp;
};

// Starts app with the command tail and the platform, runs InitInstance and ExitInstance, and
// returns the exit status.
int RunApplication(CWinApp& app, const char* lpCmdLine, PlatformServices& platform);
