#pragma once

// The seam through which the utility reaches the operating system. The logic calls only
// these operations (plus text files, see TextFile.h), so it runs unchanged against a fake.

// Buffer sizes, terminator included.
constexpr int kEntryNameSize = 260;  // a stored name as a directory search returns it
constexpr int kShortPathSize = 1024; // a short path as the system returns it
constexpr int kDirectorySize = 255;  // the working directory handed to the dialog
constexpr int kDialogPathSize = 260; // the path chosen in a file dialog

// A window of the desktop, opaque to the logic; nullptr is no window.
using WindowHandle = void*;

enum class DialogKind { Open, Save };

// Everything the Open or Save dialog is shown with.
struct FileDialogSettings {
  DialogKind kind = DialogKind::Open;
  const char* pszFileName = "";        // text of the file-name box
  const char* pszFilter = "";          // description|pattern|...| pairs, ended by one more "|"
  unsigned long dwFlags = 0;           // OFN_* flags asked for by the caller
  WindowHandle hOwner = nullptr;       // the foreground window, borrowed
  const char* pszTitle = "";           // shown even when empty
  const char* pszInitialDir = nullptr; // nullptr: the system's choice
  const char* pszDefExt = "";          // appended to a name typed without extension
  unsigned long nFilterIndex = 1;      // 1-based filter selected first
};

class PlatformServices {
public:
  virtual ~PlatformServices() = default;

  // Looks up pszPath as given (wildcards included): true with the stored name of the first
  // matching entry, without its directory, in szName; false if nothing matches.
  virtual bool FindEntryName(const char* pszPath, char (&szName)[kEntryNameSize]) = 0;

  // True with the short (8.3) form of pszPath in szShortPath; false if the system gives none,
  // as for a path that does not exist.
  virtual bool GetShortName(const char* pszPath, char (&szShortPath)[kShortPathSize]) = 0;

  // The window in the foreground now, or nullptr if there is none.
  virtual WindowHandle GetOwnerWindow() = 0;

  // True with the working directory in szDir; false if it has more than 254 characters.
  virtual bool GetCurrentDir(char (&szDir)[kDirectorySize]) = 0;

  // Shows the dialog modally: true with the chosen full path in szPath if the user accepted,
  // false if the user cancelled or the dialog failed.
  virtual bool ShowFileDialog(const FileDialogSettings& settings,
                              char (&szPath)[kDialogPathSize]) = 0;

  // Switches on 3-D drawing of dialog controls where the system does not draw them itself.
  virtual void EnableControlStyling() = 0;
};
