// A peer of the list conversion: GetLongPathNameA once per line of LIST, each answer (or the
// line itself where there is none) written to ANSWER as a line.
//   peer.exe LIST ANSWER
#include "bench/BenchPlatform.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  std::string list, answer;
  if (argc != 3 || !ReadWholeFile(argv[1], list)) {
    std::fprintf(stderr, "usage: peer LIST ANSWER\n");
    return 2;
  }
  ForEachLine(list, [&](const std::string& line) {
    char szLong[MAX_PATH];
    DWORD nLength = GetLongPathNameA(line.c_str(), szLong, sizeof(szLong));
    answer += nLength != 0 && nLength < sizeof(szLong) ? std::string(szLong) : line;
    answer += "\r\n";
  });
  return WriteWholeFile(argv[2], answer) ? 0 : 1;
}
