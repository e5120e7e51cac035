#pragma once

class PlatformServices;

// The "//" request: answers every line of the list file pszListFile with its long form, in a
// file named like the list with "p" appended, one answer line per list line, in order. A line
// whose directories are not all found, or that cannot be a path (no components, more than
// kMaxPathComponents, longer than kMaxLongPath given or expanded), is answered unchanged. The
// list file is deleted once it has been read to its end and every answer line is on disk; if
// anything failed it stays, so the caller still holds its paths.
void ConvertPathList(PlatformServices& platform, const char* pszListFile);
