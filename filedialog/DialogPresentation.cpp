#include "filedialog/DialogPresentation.h"

#include "filedialog/DialogRequest.h"
#include "filedialog/FilterAnalysis.h"
#include "platform/PlatformServices.h"
#include "platform/TextFile.h"

#include <cstddef>

namespace {

// The longest initial file name handed to the dialog.
constexpr size_t kMaxInitialName = 255;

// True if the response file can be created, so that the user's choice will not be lost.
bool CanWriteResponse(const char* pszRequestPath) {
  AnswerPathText szResponsePath;
  TextFileWriter writer;
  return FormAnswerPath(pszRequestPath, szResponsePath) && writer.Create(szResponsePath) &&
         writer.Close();
}

// Copies at most kMaxInitialName characters of pszName into szInitialName.
void CopyInitialName(const char* pszName, char (&szInitialName)[kMaxInitialName + 1]) {
  size_t nLength = 0;
  for (; nLength < kMaxInitialName && pszName[nLength] != '\0'; ++nLength) {
    szInitialName[nLength] = pszName[nLength];
  }
  szInitialName[nLength] = '\0';
}

// The short path of the chosen file, creating it empty first if it does not exist yet (as
// after a new name was typed); an existing file is left as it is.
bool GetShortPathOfChoice(PlatformServices& platform, const char* pszFullPath,
                          char (&szShortPath)[kShortPathSize]) {
  if (platform.GetShortName(pszFullPath, szShortPath)) {
    return true;
  }
  CreateFileIfMissing(pszFullPath);
  return platform.GetShortName(pszFullPath, szShortPath);
}

} // namespace

void RunFileDialogRequest(PlatformServices& platform, const char* pszRequestPath) {
  DialogRequest request;
  if (!ReadDialogRequest(pszRequestPath, request) || !CanWriteResponse(pszRequestPath)) {
    return;
  }

  char szInitialName[kMaxInitialName + 1];
  CopyInitialName(request.szFileName[0] != '\0' ? request.szFileName : request.szDefaultName,
                  szInitialName);
  char szDefExt[kMaxDefaultExtension + 1];
  ComputeDefaultExtension(request.szFilter, szDefExt);
  char szInitialDir[kDirectorySize];

  FileDialogSettings settings;
  settings.kind = request.nRequestCode < 10 ? DialogKind::Open : DialogKind::Save;
  settings.pszFileName = szInitialName;
  settings.pszFilter = request.szFilter;
  settings.dwFlags = kOfnHideReadOnly | kOfnPathMustExist;
  settings.hOwner = platform.GetOwnerWindow();
  settings.pszTitle = request.szTitle;
  settings.pszInitialDir = platform.GetCurrentDir(szInitialDir) ? szInitialDir : nullptr;
  settings.pszDefExt = szDefExt;
  settings.nFilterIndex = ComputeFilterIndex(request.szFilter, szInitialName);

  char szFullPath[kDialogPathSize];
  char szShortPath[kShortPathSize];
  if (platform.ShowFileDialog(settings, szFullPath) &&
      GetShortPathOfChoice(platform, szFullPath, szShortPath)) {
    const DialogChoice choice{szShortPath, szFullPath};
    WriteDialogResponse(pszRequestPath, request, &choice);
  } else {
    WriteDialogResponse(pszRequestPath, request, nullptr);
  }
}
