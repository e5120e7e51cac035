#include "app/FileServiceApp.h"

#include "app/CommandTail.h"
#include "filedialog/DialogPresentation.h"
#include "platform/PlatformServices.h"

#include <cstdio>

CFileServiceApp theApp;

const MessageMapEntry* CFileServiceApp::GetMessageMap() const {
  static const MessageMapEntry kEntries[] = {
      {ID_HELP, &CWinApp::OnHelp},
      {0, nullptr},
  };
  return kEntries;
}

bool CFileServiceApp::InitInstance() {
  m_pPlatform->EnableControlStyling();
  const char* pszTail = m_lpCmdLine;
  switch (ClassifyCommand(pszTail)) {
  case CommandKind::CreateEmpty:
    CreateEmptyFile(pszTail + 2);
    break;
  case CommandKind::ListConvert:
  case CommandKind::ShortName:
  case CommandKind::LongName:
    // Recognised; this build has no service for them yet, so nothing is done.
    break;
  case CommandKind::FileDialog:
    RunFileDialogRequest(*m_pPlatform, pszTail);
    break;
  }
  return false;
}

void CFileServiceApp::CreateEmptyFile(const char* pszPath) {
  // Untranslated, so that nothing could ever be added to the empty file.
  if (std::FILE* pFile = std::fopen(pszPath, "wb")) {
    std::fclose(pFile);
  }
}
