// Filter texts and initial names of any bytes: the default extension and the filter selected
// first. The input is the filter text, a NUL byte, then the initial name.

#include "filedialog/FilterAnalysis.h"

#include "FuzzSupport.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

bool CanEndExtension(char c) {
  return static_cast<unsigned char>(c) <= ' ' || std::strchr("\"*./:;<>?\\|)", c) != nullptr;
}

// The "|"-separated fields of a filter text, each with its offset; the text after the last
// "|" is a field too.
struct Field {
  size_t nOffset;
  std::string text;
};
std::vector<Field> FieldsOf(const std::string& filter) {
  std::vector<Field> fields;
  size_t nStart = 0;
  for (;;) {
    const size_t nBar = filter.find('|', nStart);
    if (nBar == std::string::npos) {
      fields.push_back({nStart, filter.substr(nStart)});
      return fields;
    }
    fields.push_back({nStart, filter.substr(nStart, nBar - nStart)});
    nStart = nBar + 1;
  }
}

// The filter selected first, found pair by pair over the fields: a pair counts while its
// description and its pattern each hold a "*." and a "|" follows the description; the first
// pattern whose "*." begins with the name is chosen. 1 when none is.
unsigned long ExpectedFilterIndex(const std::string& filter, const std::string& name) {
  const std::vector<Field> fields = FieldsOf(filter);
  for (size_t nPair = 0;; ++nPair) {
    const size_t nDescription = 2 * nPair, nPattern = 2 * nPair + 1;
    if (nPattern >= fields.size() || fields[nDescription].text.find("*.") == std::string::npos) {
      return 1;
    }
    const size_t nStarDot = fields[nPattern].text.find("*.");
    if (nStarDot == std::string::npos) {
      return 1;
    }
    if (filter.compare(fields[nPattern].nOffset + nStarDot, name.size(), name) == 0) {
      return nPair + 1;
    }
    if (nPattern + 1 >= fields.size()) {
      return 1; // no "|" after the pattern
    }
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
  const std::string bytes = fuzz::Bytes(pData, nSize);
  const size_t nSeparator = bytes.find('\0');
  const std::string filter = bytes.substr(0, nSeparator);
  const std::string name =
      nSeparator == std::string::npos ? std::string() : fuzz::CString(bytes.substr(nSeparator + 1));

  // The default extension: at most three characters, none that could end one, taken from
  // right after the first "*." up to the first that does end one.
  char szDefExt[kMaxDefaultExtension + 1];
  std::memset(szDefExt, 0xBE, sizeof(szDefExt));
  ComputeDefaultExtension(filter.c_str(), szDefExt);
  const size_t nExtLength = strnlen(szDefExt, sizeof(szDefExt));
  FUZZ_CHECK(nExtLength <= static_cast<size_t>(kMaxDefaultExtension));
  for (size_t i = 0; i < nExtLength; ++i) {
    FUZZ_CHECK(!CanEndExtension(szDefExt[i]));
  }
  const size_t nStarDot = filter.find("*.");
  if (nStarDot == std::string::npos) {
    FUZZ_CHECK(nExtLength == 0);
  } else {
    const size_t nExt = nStarDot + 2;
    FUZZ_CHECK(filter.compare(nExt, nExtLength, szDefExt) == 0);
    FUZZ_CHECK(nExtLength == static_cast<size_t>(kMaxDefaultExtension) ||
               nExt + nExtLength == filter.size() || CanEndExtension(filter[nExt + nExtLength]));
  }

  // The filter index: 1, or the number of a pattern the text holds whose "*." the name begins.
  const unsigned long nIndex = ComputeFilterIndex(filter.c_str(), name.c_str());
  const size_t nPatterns = FieldsOf(filter).size() / 2;
  FUZZ_CHECK(nIndex >= 1);
  FUZZ_CHECK(nIndex == 1 || nIndex <= nPatterns);
  FUZZ_CHECK(nIndex == ExpectedFilterIndex(filter, name));
  if (name.empty()) {
    FUZZ_CHECK(nIndex == 1);
  }
  return 0;
}
