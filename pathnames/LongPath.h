#pragma once

#include <cstddef>

class PlatformServices;
class ProbeMemo;

// How far the walk of ExpandLongPath got.
enum class ExpandOutcome {
  Complete,     // every component after the first was found
  LastMissing,  // every component was found but the last, which the result carries unchanged
  InnerMissing, // a directory on the way was not found, or the path is beyond the limits below
};

// The limits of a path, given or produced.
constexpr size_t kMaxPathComponents = 63;
constexpr size_t kMaxLongPath = 255; // characters, terminator excluded
using LongPathText = char[kMaxLongPath + 1];

// Rebuilds pszPath from the names the file system has stored. The path is cut at backslashes,
// empty pieces dropped. The first component is taken as given (its first character upper-cased
// if it is a to z) and never looked up; each further component is looked up on the path as
// given up to it, and replaced by the stored name. szResult is only meaningful unless the
// outcome is InnerMissing, which is also the answer for a path without components, with more
// than kMaxPathComponents, or of more than kMaxLongPath characters given or produced.
// pMemo, if given, answers probes already made in this run.
ExpandOutcome ExpandLongPath(PlatformServices& platform, const char* pszPath,
                             LongPathText& szResult, ProbeMemo* pMemo = nullptr);

// The "/" request: writes pszPath and its long form to pszOutputFile as two lines. The file is
// left empty when a directory on the way is missing or the long form is the path itself, and
// is not left at all if it cannot be created or written in full.
void ConvertLongPath(PlatformServices& platform, const char* pszPath, const char* pszOutputFile);
