#include "pathnames/PathList.h"

#include "pathnames/LongPath.h"
#include "pathnames/ProbeMemo.h"
#include "platform/TextFile.h"

#include <cstring>

namespace {

// One read takes a path of the longest length and its line end; a line that does not fit
// cannot be a path and is passed through in pieces of this size.
constexpr size_t kLineReadLimit = kMaxLongPath + 1;

// Copies the rest of a line that did not fit in one read, its line end excluded.
void CopyRestOfLine(TextFileReader& list, TextFileWriter& answer, char* szPiece) {
  for (;;) {
    size_t nLength = 0;
    const LineRead read = list.ReadLine(szPiece, kLineReadLimit, &nLength);
    if (read == LineRead::Line) {
      --nLength;
    }
    answer.Write(szPiece, nLength);
    if (read != LineRead::Cut) {
      return;
    }
  }
}

// Answers one line that was read whole.
void AnswerLine(PlatformServices& platform, ProbeMemo& memo, const char* pLine, size_t nLength,
                TextFileWriter& answer) {
  // A NUL byte inside the line would cut the path short: such a line is passed through.
  if (std::strlen(pLine) == nLength) {
    LongPathText szResult;
    if (ExpandLongPath(platform, pLine, szResult, &memo) != ExpandOutcome::InnerMissing) {
      answer.Write(szResult);
      answer.Write("\n");
      return;
    }
  }
  answer.Write(pLine, nLength);
  answer.Write("\n");
}

void AnswerEveryLine(PlatformServices& platform, TextFileReader& list, TextFileWriter& answer) {
  ProbeMemo memo;
  char szLine[kLineReadLimit + 1];
  for (;;) {
    size_t nLength = 0;
    const LineRead read = list.ReadLine(szLine, kLineReadLimit, &nLength);
    switch (read) {
    case LineRead::EndOfData:
      return;
    case LineRead::Line:
      szLine[--nLength] = '\0';
      AnswerLine(platform, memo, szLine, nLength, answer);
      break;
    case LineRead::LastLine:
      AnswerLine(platform, memo, szLine, nLength, answer);
      break;
    case LineRead::Cut:
      answer.Write(szLine, nLength);
      CopyRestOfLine(list, answer, szLine);
      answer.Write("\n");
      break;
    }
  }
}

} // namespace

void ConvertPathList(PlatformServices& platform, const char* pszListFile) {
  AnswerPathText szAnswerFile;
  if (!FormAnswerPath(pszListFile, szAnswerFile)) {
    return;
  }

  TextFileReader list;
  if (!list.Open(pszListFile)) {
    return;
  }
  TextFileWriter answer;
  if (!answer.Create(szAnswerFile)) {
    return;
  }
  AnswerEveryLine(platform, list, answer);
  const bool bReadToEnd = !list.ReadFailed();
  list.Close();
  if (!bReadToEnd) {
    answer.Discard(); // it answers only part of the list
    return;
  }
  if (answer.Commit()) {
    RemoveFile(pszListFile);
  }
}
