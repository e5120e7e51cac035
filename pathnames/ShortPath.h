#pragma once

class PlatformServices;

// The "/-" request. pszArguments is the long path, a line feed and the output file; it is cut
// at line feeds, empty pieces skipped, and pieces after the second ignored. The output file
// receives the long path and its short form as two lines, or stays empty if the system has no
// short form for it (a path that does not exist, or one that keeps the CR of a CR LF). Without
// an output file nothing is written; an output file that cannot be written in full is deleted.
void QueryShortPath(PlatformServices& platform, const char* pszArguments);
