// Writes a list of COUNT paths of the files under ROOT, in random order and mixed forms: the
// short form Windows gives, the long form, the long form in lower case, a missing last
// component, a missing directory.
//   makelists.exe ROOT COUNT LIST
#include "bench/BenchPlatform.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void CollectFiles(const std::string& dir, std::vector<std::string>& files) {
  WIN32_FIND_DATAA findData;
  HANDLE hFind = FindFirstFileA((dir + "\\*").c_str(), &findData);
  if (hFind == INVALID_HANDLE_VALUE) {
    return;
  }
  do {
    std::string name = findData.cFileName;
    if (name == "." || name == "..") {
      continue;
    }
    if (findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      CollectFiles(dir + "\\" + name, files);
    } else {
      files.push_back(dir + "\\" + name);
    }
  } while (FindNextFileA(hFind, &findData));
  FindClose(hFind);
}

std::string ShortForm(const std::string& path) {
  char szShort[1024];
  DWORD nLength = GetShortPathNameA(path.c_str(), szShort, sizeof(szShort));
  return nLength != 0 && nLength < sizeof(szShort) ? std::string(szShort) : path;
}

unsigned long g_nSeed = 12345;
unsigned long Random(unsigned long nBelow) {
  g_nSeed = g_nSeed * 1103515245ul + 12345ul;
  return (g_nSeed >> 8) % nBelow;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: makelists ROOT COUNT LIST\n");
    return 2;
  }
  std::vector<std::string> files;
  CollectFiles(argv[1], files);
  if (files.empty()) {
    return 1;
  }
  const long nCount = std::atol(argv[2]);
  std::string list;
  for (long i = 0; i < nCount; ++i) {
    const std::string& file = files[Random(files.size())];
    const size_t nLastSlash = file.rfind('\\');
    std::string line;
    switch (Random(10)) {
    case 0:
    case 1:
    case 2:
    case 3:
      line = ShortForm(file);
      break;
    case 4:
    case 5:
      line = file;
      break;
    case 6:
      line = file;
      for (char& c : line) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      }
      break;
    case 7:
    case 8:
      line = ShortForm(file.substr(0, nLastSlash)) + "\\New file " + std::to_string(i) + ".txt";
      break;
    default:
      line = ShortForm(file.substr(0, nLastSlash)) + "\\MISSING~1\\x.txt";
      break;
    }
    list += line + "\r\n";
  }
  return WriteWholeFile(argv[3], list) ? 0 : 1;
}
