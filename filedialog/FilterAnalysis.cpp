#include "filedialog/FilterAnalysis.h"

#include <cstring>

namespace {

bool CanEndExtension(char c) {
  return static_cast<unsigned char>(c) <= ' ' || std::strchr("\"*./:;<>?\\|)", c) != nullptr;
}

bool IsStarDot(const char* p) {
  return p[0] == '*' && p[1] == '.';
}

// A position in the filter text and the number of the "|"-separated field it lies in.
struct FilterCursor {
  const char* p;
  unsigned nField;
};

// Moves to the next "*." at or after the cursor; false if there is none.
bool SeekStarDot(FilterCursor& cursor) {
  for (; *cursor.p != '\0'; ++cursor.p) {
    if (IsStarDot(cursor.p)) {
      return true;
    }
    if (*cursor.p == '|') {
      ++cursor.nField;
    }
  }
  return false;
}

// Moves past the next "|"; false if there is none.
bool SkipPastBar(FilterCursor& cursor) {
  for (; *cursor.p != '\0'; ++cursor.p) {
    if (*cursor.p == '|') {
      ++cursor.p;
      ++cursor.nField;
      return true;
    }
  }
  return false;
}

} // namespace

void ComputeDefaultExtension(const char* pszFilter, char (&szDefExt)[kMaxDefaultExtension + 1]) {
  int nLength = 0;
  if (const char* pStarDot = std::strstr(pszFilter, "*.")) {
    const char* pExt = pStarDot + 2;
    while (nLength < kMaxDefaultExtension && !CanEndExtension(pExt[nLength])) {
      szDefExt[nLength] = pExt[nLength];
      ++nLength;
    }
  }
  szDefExt[nLength] = '\0';
}

unsigned long ComputeFilterIndex(const char* pszFilter, const char* pszInitialName) {
  const size_t nNameLength = std::strlen(pszInitialName);
  FilterCursor cursor{pszFilter, 0};
  for (unsigned long nPair = 0;; ++nPair) {
    // The "*." of the next description, then past its "|" to the "*." of its pattern; each
    // must lie in the field where that pair's description or pattern belongs.
    if (!SeekStarDot(cursor) || cursor.nField != 2 * nPair || !SkipPastBar(cursor) ||
        !SeekStarDot(cursor) || cursor.nField != 2 * nPair + 1) {
      return 1;
    }
    if (std::strncmp(cursor.p, pszInitialName, nNameLength) == 0) {
      return nPair + 1;
    }
    if (!SkipPastBar(cursor)) {
      return 1;
    }
  }
}
