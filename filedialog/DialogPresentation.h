#pragma once

class PlatformServices;

// The dialog flags the utility asks for: read-only check box hidden, and the directory of a
// typed name must exist. Existing names are neither required nor confirmed.
constexpr unsigned long kOfnHideReadOnly = 0x00000004;
constexpr unsigned long kOfnPathMustExist = 0x00000800;

// Serves the request file pszRequestPath (the whole command tail): reads and deletes it, shows
// the Open or Save dialog owned by the foreground window, and answers in the request path with
// "p" appended. No dialog is shown for an invalid request or one whose answer cannot be
// written.
void RunFileDialogRequest(PlatformServices& platform, const char* pszRequestPath);
