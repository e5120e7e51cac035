#pragma once

#include <cstdint>

// Read limits of the request lines, the line end included.
constexpr int kNameLineLimit = 199;   // lines 1 and 4
constexpr int kFilterLineLimit = 999; // lines 2 and 3

// What a calling program asks of the file dialog, read from its request file.
struct DialogRequest {
  char szFileName[kNameLineLimit + 1];      // initial file name; may be empty
  char szDefaultName[kFilterLineLimit + 1]; // initial file name when szFileName is empty
  char szFilter[kFilterLineLimit + 1];      // description|pattern|...| pairs, ended by "|"
  char szTitle[kNameLineLimit + 1];         // the dialog's title
  std::int32_t nRequestCode;                // below 10: Open dialog; else Save
  std::int32_t nCookie;                     // echoed to the caller
};

// The file the user chose, as the response reports it.
struct DialogChoice {
  const char* pszShortPath;
  const char* pszFullPath;
};

// Reads the request file pszRequestPath into request and deletes the file, whether or not it
// could be read. False if it is missing, incomplete, or has a line longer than its limit.
bool ReadDialogRequest(const char* pszRequestPath, DialogRequest& request);

// Writes the response to request: the short path, the full path and the two numbers of the
// request if pChoice is given, else nothing. False if the response path cannot be formed or
// the file could not be written in full; such a file is deleted.
bool WriteDialogResponse(const char* pszRequestPath, const DialogRequest& request,
                         const DialogChoice* pChoice);
