#include "app/CommandTail.h"

namespace {

bool IsNameEnd(unsigned char c) {
  return c <= ' ';
}
bool IsSkippedAfterName(unsigned char c) {
  return c != '\0' && c <= ' ';
}

// The white space that ends a word of a "/" or "//" tail.
bool IsWordSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Skips white space at *ppszText, then copies the word there into szWord and moves past it.
// False if there is no word or it does not fit.
bool ScanWord(const char** ppszText, CommandWord& szWord) {
  const char* p = *ppszText;
  while (IsWordSpace(*p)) {
    ++p;
  }
  size_t nLength = 0;
  for (; *p != '\0' && !IsWordSpace(*p); ++p) {
    if (nLength == kMaxCommandWord) {
      return false;
    }
    szWord[nLength++] = *p;
  }
  szWord[nLength] = '\0';
  *ppszText = p;
  return nLength > 0;
}

} // namespace

const char* ExtractCommandTail(const char* pszCommandLine) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(pszCommandLine);
  if (*p == '"') {
    ++p;
    while (*p != '\0' && *p != '"') {
      ++p;
    }
    if (*p == '"') {
      ++p;
    }
  } else {
    while (!IsNameEnd(*p)) {
      ++p;
    }
  }
  while (IsSkippedAfterName(*p)) {
    ++p;
  }
  return reinterpret_cast<const char*>(p);
}

CommandKind ClassifyCommand(const char* pszTail) {
  if (pszTail[0] != '/') {
    return CommandKind::FileDialog;
  }
  switch (pszTail[1]) {
  case '/':
    return CommandKind::ListConvert;
  case '+':
    return CommandKind::CreateEmpty;
  case '-':
    return CommandKind::ShortName;
  default:
    return CommandKind::LongName;
  }
}

bool ScanListConvertWord(const char* pszTail, CommandWord& szListFile) {
  if (ClassifyCommand(pszTail) != CommandKind::ListConvert) {
    return false;
  }
  const char* p = pszTail + 2;
  return ScanWord(&p, szListFile);
}

bool ScanLongNameWords(const char* pszTail, CommandWord& szPath, CommandWord& szOutputFile) {
  if (ClassifyCommand(pszTail) != CommandKind::LongName) {
    return false;
  }
  const char* p = pszTail + 1;
  return ScanWord(&p, szPath) && ScanWord(&p, szOutputFile);
}
