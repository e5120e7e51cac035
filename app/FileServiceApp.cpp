#include "app/FileServiceApp.h"

#include "app/CommandTail.h"
#include "filedialog/DialogPresentation.h"
#include "pathnames/LongPath.h"
#include "pathnames/PathList.h"
#include "pathnames/ShortPath.h"
#include "platform/PlatformServices.h"
#include "platform/TextFile.h"

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
  case CommandKind::ListConvert: {
    CommandWord szListFile;
    if (ScanListConvertWord(pszTail, szListFile)) {
      ConvertPathList(*m_pPlatform, szListFile);
    }
    break;
  }
  case CommandKind::ShortName:
    QueryShortPath(*m_pPlatform, pszTail + 2);
    break;
  case CommandKind::LongName: {
    CommandWord szPath, szOutputFile;
    if (ScanLongNameWords(pszTail, szPath, szOutputFile)) {
      ConvertLongPath(*m_pPlatform, szPath, szOutputFile);
    }
    break;
  }
  case CommandKind::FileDialog:
    RunFileDialogRequest(*m_pPlatform, pszTail);
    break;
  }
  return false;
}

void CFileServiceApp::CreateEmptyFile(const char* pszPath) {
  CreateOrTruncateFile(pszPath);
}
