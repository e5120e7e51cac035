#pragma once

#include "platform/PlatformServices.h"

// The operating system's own services.
class Win32PlatformServices final : public PlatformServices {
public:
  // bHelpAvailable: the application handles help, so an old-style dialog shows a Help button.
  explicit Win32PlatformServices(bool bHelpAvailable) : m_bHelpAvailable(bHelpAvailable) {}

  bool FindEntryName(const char* pszPath, char (&szName)[kEntryNameSize]) override;
  bool GetShortName(const char* pszPath, char (&szShortPath)[kShortPathSize]) override;
  WindowHandle GetOwnerWindow() override;
  bool GetCurrentDir(char (&szDir)[kDirectorySize]) override;
  bool ShowFileDialog(const FileDialogSettings& settings, char (&szPath)[kDialogPathSize]) override;
  void EnableControlStyling() override;

private:
  bool m_bHelpAvailable;
};
