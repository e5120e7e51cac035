#include "app/WinApp.h"

CWinApp* CWinApp::s_pTheApp = nullptr;

CWinApp::CWinApp(const char* pszAppName) : m_pszAppName(pszAppName) {
  if (s_pTheApp == nullptr) {
    s_pTheApp = this;
  }
}

CWinApp::~CWinApp() {
  if (s_pTheApp == this) {
    s_pTheApp = nullptr;
  }
}

const MessageMapEntry* CWinApp::GetMessageMap() const {
  static const MessageMapEntry kNoEntries[] = {{0, nullptr}};
  return kNoEntries;
}

bool CWinApp::InitInstance() {
  return true;
}

int CWinApp::ExitInstance() {
  return 0;
}

bool CWinApp::HandlesCommand(unsigned nID) const {
  for (const MessageMapEntry* pEntry = GetMessageMap(); pEntry->pfnHandler != nullptr; ++pEntry) {
    if (pEntry->nID == nID) {
      return true;
    }
  }
  return false;
}

int RunApplication(CWinApp& app, const char* lpCmdLine, PlatformServices& platform) {
  app.m_lpCmdLine = lpCmdLine;
  app.m_pPlatform = &platform;
  app.InitInstance();
  return app.ExitInstance();
}
