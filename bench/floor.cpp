// The floor of a list conversion: the list read in one piece, FindFirstFileA called once per
// distinct probe path (every answer remembered, without bound), the same answer bytes written
// in one piece. Prints the number of distinct probe paths.
//   floor.exe LIST ANSWER
#include "bench/BenchPlatform.h"
#include "pathnames/LongPath.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>

namespace {

class RememberingPlatform : public BenchPlatform {
public:
  bool FindEntryName(const char* pszPath, char (&szName)[kEntryNameSize]) override {
    auto it = m_answers.find(pszPath);
    if (it == m_answers.end()) {
      char szFound[kEntryNameSize];
      bool bFound = BenchPlatform::FindEntryName(pszPath, szFound);
      it = m_answers.emplace(pszPath, bFound ? std::string(szFound) : std::string(1, '\0')).first;
    }
    if (it->second == std::string(1, '\0')) {
      return false;
    }
    std::memcpy(szName, it->second.c_str(), it->second.size() + 1);
    return true;
  }

private:
  std::unordered_map<std::string, std::string> m_answers;
};

} // namespace

int main(int argc, char** argv) {
  std::string list, answer;
  if (argc != 3 || !ReadWholeFile(argv[1], list)) {
    std::fprintf(stderr, "usage: floor LIST ANSWER\n");
    return 2;
  }
  RememberingPlatform platform;
  ForEachLine(list, [&](const std::string& line) {
    LongPathText szResult;
    bool bExpanded =
        ExpandLongPath(platform, line.c_str(), szResult) != ExpandOutcome::InnerMissing;
    answer += bExpanded ? szResult : line;
    answer += "\r\n";
  });
  if (!WriteWholeFile(argv[2], answer)) {
    return 1;
  }
  std::printf("%lu\n", platform.nLookups);
  return 0;
}
