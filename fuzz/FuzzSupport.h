#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

// Stops the run at a broken property, so that libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);        \
      std::fflush(stderr);                                                                         \
      __builtin_trap();                                                                            \
    }                                                                                              \
  } while (false)

namespace fuzz {

// The bytes of a fuzz input as a string; NUL bytes included.
inline std::string Bytes(const uint8_t* pData, size_t nSize) {
  return std::string(reinterpret_cast<const char*>(pData), nSize);
}

// A directory of this process's own for the files a target reads and writes; made on first
// use and left for the system to clear (a fuzz run may end at any input).
inline const std::string& WorkDirectory() {
  static const std::string directory = [] {
    const char* pszBase = std::getenv("TMPDIR");
    std::string pattern =
        std::string(pszBase != nullptr ? pszBase : "/tmp") + "/filesvc-fuzz-XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    return pattern;
  }();
  return directory;
}

inline bool FileExists(const std::string& path) {
  return access(path.c_str(), F_OK) == 0;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  FUZZ_CHECK(out.good());
}

// The data of a text file as the utility reads it: up to the first Ctrl-Z byte, each CR LF
// taken as one line feed; a CR on its own stays.
inline std::string TextOf(const std::string& bytes) {
  std::string text;
  const size_t nEnd = std::min(bytes.find('\x1a'), bytes.size());
  for (size_t i = 0; i < nEnd; ++i) {
    if (bytes[i] == '\r' && i + 1 < nEnd && bytes[i + 1] == '\n') {
      continue; // the LF that follows stands for both
    }
    text += bytes[i];
  }
  return text;
}

// The C string a text holds: everything before its first NUL byte.
inline std::string CString(const std::string& text) {
  return text.substr(0, text.find('\0'));
}

} // namespace fuzz
