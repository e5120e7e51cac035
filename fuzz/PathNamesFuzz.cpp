// Long-name expansion and list conversion over a file system made from the input. The input
// is the file system, a NUL byte, then the bytes of the list file. Each line of the file
// system is a path as probed, "|", and the name stored for it, for example
// 'c:\progra~1|Program Files'.

#include "pathnames/LongPath.h"
#include "pathnames/PathList.h"
#include "pathnames/ProbeMemo.h"

#include "fakes/FakePlatformServices.h"

#include "FuzzSupport.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

void FillFileSystem(const std::string& description, FakePlatformServices& platform) {
  size_t nStart = 0;
  while (nStart < description.size()) {
    size_t nEnd = description.find('\n', nStart);
    if (nEnd == std::string::npos) {
      nEnd = description.size();
    }
    const std::string line = description.substr(nStart, nEnd - nStart);
    const size_t nBar = line.find('|');
    if (nBar != std::string::npos) {
      platform.entryNames[line.substr(0, nBar)] = line.substr(nBar + 1);
    }
    nStart = nEnd + 1;
  }
}

struct Expansion {
  ExpandOutcome outcome;
  std::string result;
};

// The long form of a path, walked component by component over the file system's table: the
// first component as given (its first letter upper-cased), each further one replaced by its
// stored name, a missing last one kept. Beyond 255 characters, given or produced, or beyond
// 63 components, or without any, the walk fails.
Expansion ExpectedExpansion(const FakePlatformServices& platform, const std::string& path) {
  const Expansion fails = {ExpandOutcome::InnerMissing, ""};
  std::vector<std::string> components;
  size_t nFirstEnd = 0;
  for (size_t i = 0; i < path.size();) {
    if (path[i] == '\\') {
      ++i;
      continue;
    }
    size_t nEnd = path.find('\\', i);
    if (nEnd == std::string::npos) {
      nEnd = path.size();
    }
    if (components.empty()) {
      nFirstEnd = nEnd;
    }
    components.push_back(path.substr(i, nEnd - i));
    i = nEnd;
  }
  if (path.size() > kMaxLongPath || components.empty() || components.size() > kMaxPathComponents) {
    return fails;
  }
  std::string probe = path.substr(0, nFirstEnd);
  std::string result = probe;
  if (result[0] >= 'a' && result[0] <= 'z') {
    result[0] = static_cast<char>(result[0] - 'a' + 'A');
  }
  for (size_t i = 1; i < components.size(); ++i) {
    probe += "\\" + components[i];
    const auto found = platform.entryNames.find(probe);
    // A stored name too long for the platform's buffer is not found.
    if (found != platform.entryNames.end() && found->second.size() < kEntryNameSize) {
      result += "\\" + fuzz::CString(found->second);
    } else if (i + 1 == components.size()) {
      result += "\\" + components[i];
      return result.size() <= kMaxLongPath ? Expansion{ExpandOutcome::LastMissing, result} : fails;
    } else {
      return fails;
    }
    if (result.size() > kMaxLongPath) {
      return fails;
    }
  }
  return {ExpandOutcome::Complete, result};
}

// The lines of a list's data: cut at line feeds; a last line without one counts too.
std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t nStart = 0;
  while (nStart < text.size()) {
    size_t nEnd = text.find('\n', nStart);
    if (nEnd == std::string::npos) {
      nEnd = text.size();
    }
    lines.push_back(text.substr(nStart, nEnd - nStart));
    nStart = nEnd + 1;
  }
  return lines;
}

size_t CountLineEnds(const std::string& bytes) {
  size_t nCount = 0;
  for (size_t i = bytes.find("\r\n"); i != std::string::npos; i = bytes.find("\r\n", i + 2)) {
    ++nCount;
  }
  return nCount;
}

void CheckExpansion(FakePlatformServices& platform, ProbeMemo& memo, const std::string& line,
                    const Expansion& expected) {
  LongPathText szResult;
  const ExpandOutcome outcome = ExpandLongPath(platform, line.c_str(), szResult);
  FUZZ_CHECK(outcome == expected.outcome);
  if (outcome == ExpandOutcome::InnerMissing) {
    return;
  }
  FUZZ_CHECK(strnlen(szResult, sizeof(szResult)) <= kMaxLongPath);
  FUZZ_CHECK(expected.result == szResult);
  // Through the memo the walk gives the same.
  LongPathText szMemoResult;
  FUZZ_CHECK(ExpandLongPath(platform, line.c_str(), szMemoResult, &memo) == outcome);
  FUZZ_CHECK(std::strcmp(szResult, szMemoResult) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
  const std::string bytes = fuzz::Bytes(pData, nSize);
  const size_t nSeparator = bytes.find('\0');
  if (nSeparator == std::string::npos) {
    return 0;
  }
  FakePlatformServices platform;
  FillFileSystem(bytes.substr(0, nSeparator), platform);
  const std::string listBytes = bytes.substr(nSeparator + 1);

  // Every line read is answered: by its long form where the walk succeeds, else unchanged (as
  // is a line holding a NUL byte, which cannot be a path).
  std::string expectedAnswer;
  const std::vector<std::string> lines = LinesOf(fuzz::TextOf(listBytes));
  ProbeMemo smallMemo(3, 600); // starts over often
  for (const std::string& line : lines) {
    const bool bPath = line.find('\0') == std::string::npos;
    const Expansion expected =
        bPath ? ExpectedExpansion(platform, line) : Expansion{ExpandOutcome::InnerMissing, ""};
    if (bPath) {
      CheckExpansion(platform, smallMemo, line, expected);
    }
    expectedAnswer +=
        (expected.outcome == ExpandOutcome::InnerMissing ? line : expected.result) + "\r\n";
  }

  const std::string listPath = fuzz::WorkDirectory() + "/LIST.TMP";
  const std::string answerPath = listPath + "p";
  fuzz::WriteBytes(listPath, listBytes);
  ConvertPathList(platform, listPath.c_str());
  // Read to its end and answered in full, the list is gone; one answer line per list line.
  FUZZ_CHECK(!fuzz::FileExists(listPath));
  FUZZ_CHECK(fuzz::FileExists(answerPath));
  const std::string answer = fuzz::ReadBytes(answerPath);
  FUZZ_CHECK(CountLineEnds(answer) == lines.size());
  FUZZ_CHECK(answer == expectedAnswer);
  std::remove(answerPath.c_str());
  return 0;
}
