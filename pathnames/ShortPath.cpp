#include "pathnames/ShortPath.h"

#include "pathnames/LongPath.h"
#include "platform/PlatformServices.h"
#include "platform/TextFile.h"

#include <cstring>

namespace {

// The longest long path asked about: the longest the system could shorten.
constexpr size_t kMaxQueryPath = kShortPathSize - 1;

struct Piece {
  const char* pText = nullptr;
  size_t nLength = 0;
};

// The next non-empty piece between line feeds at *ppszText; false if there is none.
bool NextPiece(const char** ppszText, Piece& piece) {
  const char* p = *ppszText;
  while (*p == '\n') {
    ++p;
  }
  if (*p == '\0') {
    return false;
  }
  const char* pEnd = std::strchr(p, '\n');
  if (pEnd == nullptr) {
    pEnd = p + std::strlen(p);
  }
  piece = {p, static_cast<size_t>(pEnd - p)};
  *ppszText = pEnd;
  return true;
}

// Copies piece into szOut; false, with szOut empty, if it has more than N - 1 characters.
template <size_t N> bool CopyPiece(const Piece& piece, char (&szOut)[N]) {
  const bool bFits = piece.nLength < N;
  const size_t nLength = bFits ? piece.nLength : 0;
  std::memcpy(szOut, piece.pText, nLength);
  szOut[nLength] = '\0';
  return bFits;
}

} // namespace

void QueryShortPath(PlatformServices& platform, const char* pszArguments) {
  Piece longPath, outputFile;
  const char* p = pszArguments;
  if (!NextPiece(&p, longPath) || !NextPiece(&p, outputFile)) {
    return;
  }
  // A name too long for a file name is not cut down to one.
  LongPathText szOutputFile;
  if (!CopyPiece(outputFile, szOutputFile)) {
    return;
  }
  TextFileWriter output;
  if (!output.Create(szOutputFile)) {
    return;
  }
  char szLongPath[kMaxQueryPath + 1];
  char szShortPath[kShortPathSize];
  if (CopyPiece(longPath, szLongPath) && platform.GetShortName(szLongPath, szShortPath)) {
    output.Write(szLongPath);
    output.Write("\n");
    output.Write(szShortPath);
    output.Write("\n");
  }
  output.Commit();
}
