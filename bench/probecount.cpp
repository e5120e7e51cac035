// Runs the utility's list conversion on LIST, as "//LIST" does, with every look-up counted;
// prints the number of look-ups it made.
//   probecount.exe LIST
#include "bench/BenchPlatform.h"
#include "pathnames/PathList.h"

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: probecount LIST\n");
    return 2;
  }
  BenchPlatform platform;
  ConvertPathList(platform, argv[1]);
  std::printf("%lu\n", platform.nLookups);
  return 0;
}
