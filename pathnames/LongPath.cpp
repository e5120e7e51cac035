#include "pathnames/LongPath.h"

#include "pathnames/ProbeMemo.h"
#include "platform/PlatformServices.h"
#include "platform/TextFile.h"

#include <cstring>

namespace {

struct Component {
  const char* pText;
  size_t nLength;
};

struct Components {
  Component aItems[kMaxPathComponents];
  size_t nCount = 0;
};

// Cuts pszPath at backslashes, dropping empty pieces. False if it has more components than
// the table holds.
bool SplitComponents(const char* pszPath, Components& components) {
  components.nCount = 0;
  for (const char* p = pszPath; *p != '\0';) {
    if (*p == '\\') {
      ++p;
      continue;
    }
    const char* pEnd = p;
    while (*pEnd != '\0' && *pEnd != '\\') {
      ++pEnd;
    }
    if (components.nCount == kMaxPathComponents) {
      return false;
    }
    components.aItems[components.nCount++] = {p, static_cast<size_t>(pEnd - p)};
    p = pEnd;
  }
  return true;
}

// A path being built in a LongPathText; appending past its end fails and leaves it unchanged.
class PathBuilder {
public:
  explicit PathBuilder(LongPathText& szText) : m_szText(szText) { m_szText[0] = '\0'; }

  bool Append(const char* pText, size_t nLength) {
    if (nLength > kMaxLongPath - m_nLength) {
      return false;
    }
    std::memcpy(m_szText + m_nLength, pText, nLength);
    m_nLength += nLength;
    m_szText[m_nLength] = '\0';
    return true;
  }

  // Appends a backslash and the component, or nothing if the two do not fit.
  bool AppendComponent(const char* pText, size_t nLength) {
    if (nLength >= kMaxLongPath - m_nLength) {
      return false;
    }
    return Append("\\", 1) && Append(pText, nLength);
  }

private:
  LongPathText& m_szText;
  size_t m_nLength = 0;
};

char UpperCaseAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool FindEntryName(PlatformServices& platform, ProbeMemo* pMemo, const char* pszProbe,
                   char (&szName)[kEntryNameSize]) {
  return pMemo != nullptr ? pMemo->FindEntryName(platform, pszProbe, szName)
                          : platform.FindEntryName(pszProbe, szName);
}

} // namespace

ExpandOutcome ExpandLongPath(PlatformServices& platform, const char* pszPath,
                             LongPathText& szResult, ProbeMemo* pMemo) {
  Components components;
  if (std::strlen(pszPath) > kMaxLongPath || !SplitComponents(pszPath, components) ||
      components.nCount == 0) {
    return ExpandOutcome::InnerMissing;
  }
  // The head is the path up to the end of its first component, leading backslashes included,
  // so that both the answer and every probe name the place the path names: a drive ("c:"), a
  // relative directory ("docs"), a root directory ("\docs") or a server ("\\server").
  const Component& first = components.aItems[0];
  const size_t nHeadLength = static_cast<size_t>(first.pText - pszPath) + first.nLength;
  LongPathText szProbe;
  PathBuilder probe(szProbe);
  PathBuilder result(szResult);
  probe.Append(pszPath, nHeadLength);
  result.Append(pszPath, nHeadLength);
  szResult[0] = UpperCaseAscii(szResult[0]);

  for (size_t i = 1; i < components.nCount; ++i) {
    const Component& component = components.aItems[i];
    const bool bLast = i + 1 == components.nCount;
    // The probe never grows past the path it is taken from, which fits.
    probe.AppendComponent(component.pText, component.nLength);
    char szName[kEntryNameSize];
    if (FindEntryName(platform, pMemo, szProbe, szName)) {
      if (!result.AppendComponent(szName, std::strlen(szName))) {
        return ExpandOutcome::InnerMissing;
      }
    } else if (bLast) {
      return result.AppendComponent(component.pText, component.nLength)
                 ? ExpandOutcome::LastMissing
                 : ExpandOutcome::InnerMissing;
    } else {
      return ExpandOutcome::InnerMissing;
    }
  }
  return ExpandOutcome::Complete;
}

void ConvertLongPath(PlatformServices& platform, const char* pszPath, const char* pszOutputFile) {
  TextFileWriter output;
  if (!output.Create(pszOutputFile)) {
    return;
  }
  LongPathText szResult;
  if (ExpandLongPath(platform, pszPath, szResult) != ExpandOutcome::InnerMissing &&
      std::strcmp(pszPath, szResult) != 0) {
    output.Write(pszPath);
    output.Write("\n");
    output.Write(szResult);
    output.Write("\n");
  }
  output.Commit();
}
