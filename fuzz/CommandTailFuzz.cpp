// Command lines and command tails of any bytes: the tail taken from a command line, its kind,
// and the words of the "//" and "/" requests.

#include "app/CommandTail.h"

#include "FuzzSupport.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

bool IsWordSpace(char c) {
  return std::strchr(" \t\n\v\f\r", c) != nullptr && c != '\0';
}

// The white-space-delimited words of text, however long.
std::vector<std::string> WordsOf(const std::string& text) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < text.size()) {
    if (IsWordSpace(text[i])) {
      ++i;
      continue;
    }
    size_t nEnd = i;
    while (nEnd < text.size() && !IsWordSpace(text[nEnd])) {
      ++nEnd;
    }
    words.push_back(text.substr(i, nEnd - i));
    i = nEnd;
  }
  return words;
}

// Where the tail of a command line (without NUL bytes) begins: after a program name that runs
// to the closing quote, or to the first byte of 0x20 or less, and the bytes up to 0x20 after it.
size_t TailOffset(const std::string& line) {
  size_t i = 0;
  if (!line.empty() && line[0] == '"') {
    const size_t nClose = line.find('"', 1);
    i = nClose == std::string::npos ? line.size() : nClose + 1;
  } else {
    while (i < line.size() && static_cast<unsigned char>(line[i]) > 0x20) {
      ++i;
    }
  }
  while (i < line.size() && static_cast<unsigned char>(line[i]) <= 0x20) {
    ++i;
  }
  return i;
}

// A scanned word: terminated within its buffer, not empty, no longer than the limit, free of
// white space, and the word expected.
void CheckWord(const CommandWord& szWord, const std::string& expected) {
  const size_t nLength = strnlen(szWord, sizeof(szWord));
  FUZZ_CHECK(nLength < sizeof(szWord));
  FUZZ_CHECK(nLength > 0 && nLength <= kMaxCommandWord);
  for (size_t i = 0; i < nLength; ++i) {
    FUZZ_CHECK(!IsWordSpace(szWord[i]));
  }
  FUZZ_CHECK(expected == szWord);
}

void CheckTail(const std::string& tail) {
  const char* pszTail = tail.c_str();
  const CommandKind kind = ClassifyCommand(pszTail);
  CommandKind expectedKind = CommandKind::FileDialog;
  if (tail.size() >= 1 && tail[0] == '/') {
    const char second = tail.size() >= 2 ? tail[1] : '\0';
    expectedKind = second == '/'   ? CommandKind::ListConvert
                   : second == '+' ? CommandKind::CreateEmpty
                   : second == '-' ? CommandKind::ShortName
                                   : CommandKind::LongName;
  }
  FUZZ_CHECK(kind == expectedKind);

  // "//": one word after the slashes, within the limit.
  CommandWord szListFile;
  const bool bListScanned = ScanListConvertWord(pszTail, szListFile);
  if (kind == CommandKind::ListConvert) {
    const std::vector<std::string> words = WordsOf(tail.substr(2));
    FUZZ_CHECK(bListScanned == (!words.empty() && words[0].size() <= kMaxCommandWord));
    if (bListScanned) {
      CheckWord(szListFile, words[0]);
    }
  } else {
    FUZZ_CHECK(!bListScanned);
  }

  // "/": two words after the slash, each within the limit; an over-long first word never
  // lends its rest to the second.
  CommandWord szPath, szOutputFile;
  const bool bLongScanned = ScanLongNameWords(pszTail, szPath, szOutputFile);
  if (kind == CommandKind::LongName) {
    const std::vector<std::string> words = WordsOf(tail.substr(1));
    FUZZ_CHECK(bLongScanned == (words.size() >= 2 && words[0].size() <= kMaxCommandWord &&
                                words[1].size() <= kMaxCommandWord));
    if (bLongScanned) {
      CheckWord(szPath, words[0]);
      CheckWord(szOutputFile, words[1]);
    }
  } else {
    FUZZ_CHECK(!bLongScanned);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
  // The input is a whole command line, as the process receives it.
  const std::string line = fuzz::CString(fuzz::Bytes(pData, nSize));
  const char* pszLine = line.c_str();
  const char* pszTail = ExtractCommandTail(pszLine);
  FUZZ_CHECK(pszTail >= pszLine && pszTail <= pszLine + line.size());
  const unsigned char first = static_cast<unsigned char>(*pszTail);
  FUZZ_CHECK(first == 0 || first > 0x20);
  FUZZ_CHECK(static_cast<size_t>(pszTail - pszLine) == TailOffset(line));

  CheckTail(pszTail);
  // The same bytes as a tail of their own, so that every kind is reached directly.
  CheckTail(line);
  return 0;
}
