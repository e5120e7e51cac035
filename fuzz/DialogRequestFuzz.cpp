// Request files of any bytes: what the reader accepts, the fields it takes, that the request
// is always deleted, and that an accepted request's numbers come back in the response as the
// same 32-bit values.

#include "filedialog/DialogRequest.h"

#include "FuzzSupport.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A request as its file reads: the four lines without their line ends, and the two numbers.
struct ExpectedRequest {
  std::string lines[4];
  std::int32_t nRequestCode = 0;
  std::int32_t nCookie = 0;
};

bool IsNumberSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A signed decimal number after white space, kept to its low 32 bits.
bool ParseNumber(const std::string& text, size_t& i, std::int32_t& nValue) {
  while (i < text.size() && IsNumberSpace(text[i])) {
    ++i;
  }
  bool bNegative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    bNegative = text[i++] == '-';
  }
  std::uint64_t nLow = 0;
  const size_t nFirstDigit = i;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    nLow = (nLow * 10 + static_cast<unsigned>(text[i] - '0')) & 0xFFFFFFFFu;
  }
  if (bNegative) {
    nLow = (0x100000000u - nLow) & 0xFFFFFFFFu;
  }
  nValue = static_cast<std::int32_t>(static_cast<std::uint32_t>(nLow));
  return i > nFirstDigit;
}

// Reads a request file's bytes the way a request is laid out; false where it is not one:
// a line that does not end within its limit, or a number missing.
bool ParseRequest(const std::string& bytes, ExpectedRequest& request) {
  const std::string text = fuzz::TextOf(bytes);
  const size_t limits[4] = {kNameLineLimit, kFilterLineLimit, kFilterLineLimit, kNameLineLimit};
  size_t i = 0;
  for (int nLine = 0; nLine < 4; ++nLine) {
    const size_t nLineEnd = text.find('\n', i);
    if (nLineEnd == std::string::npos || nLineEnd - i + 1 > limits[nLine]) {
      return false;
    }
    request.lines[nLine] = fuzz::CString(text.substr(i, nLineEnd - i));
    i = nLineEnd + 1;
  }
  return ParseNumber(text, i, request.nRequestCode) && ParseNumber(text, i, request.nCookie);
}

// Reads a number of the response as written: plain decimal, no plus sign, no leading zero.
std::int64_t ReadEchoedNumber(const std::string& text) {
  FUZZ_CHECK(!text.empty() && text.size() <= 11);
  const size_t nDigits = text[0] == '-' ? 1 : 0;
  FUZZ_CHECK(text.size() > nDigits);
  FUZZ_CHECK(text[nDigits] != '0' || text.size() == nDigits + 1);
  FUZZ_CHECK(text != "-0");
  for (size_t i = nDigits; i < text.size(); ++i) {
    FUZZ_CHECK(text[i] >= '0' && text[i] <= '9');
  }
  errno = 0;
  const long long nValue = std::strtoll(text.c_str(), nullptr, 10);
  FUZZ_CHECK(errno == 0);
  return nValue;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
  const std::string bytes = fuzz::Bytes(pData, nSize);
  const std::string requestPath = fuzz::WorkDirectory() + "/REQ";
  const std::string responsePath = requestPath + "p";
  fuzz::WriteBytes(requestPath, bytes);

  DialogRequest request;
  std::memset(&request, 0xBE, sizeof(request));
  const bool bValid = ReadDialogRequest(requestPath.c_str(), request);
  FUZZ_CHECK(!fuzz::FileExists(requestPath));

  ExpectedRequest expected;
  FUZZ_CHECK(bValid == ParseRequest(bytes, expected));
  if (!bValid) {
    return 0;
  }
  FUZZ_CHECK(expected.lines[0] == request.szFileName);
  FUZZ_CHECK(expected.lines[1] == request.szDefaultName);
  FUZZ_CHECK(expected.lines[2] == request.szFilter);
  FUZZ_CHECK(expected.lines[3] == request.szTitle);
  FUZZ_CHECK(request.nRequestCode == expected.nRequestCode);
  FUZZ_CHECK(request.nCookie == expected.nCookie);

  // The answer to a chosen file: two paths, then the numbers, read back to the same values.
  const DialogChoice choice = {"C:\\MYDOCU~1\\REPORT.TXT", "C:\\My Documents\\Report.txt"};
  FUZZ_CHECK(WriteDialogResponse(requestPath.c_str(), request, &choice));
  const std::string response = fuzz::ReadBytes(responsePath);
  const std::string paths = "C:\\MYDOCU~1\\REPORT.TXT\r\nC:\\My Documents\\Report.txt\r\n";
  FUZZ_CHECK(response.compare(0, paths.size(), paths) == 0);
  const std::string numbers = response.substr(paths.size());
  const size_t nBlank = numbers.find(' ');
  FUZZ_CHECK(nBlank != std::string::npos);
  FUZZ_CHECK(ReadEchoedNumber(numbers.substr(0, nBlank)) == request.nRequestCode);
  FUZZ_CHECK(ReadEchoedNumber(numbers.substr(nBlank + 1)) == request.nCookie);

  // The answer to a cancel: an empty file.
  FUZZ_CHECK(WriteDialogResponse(requestPath.c_str(), request, nullptr));
  FUZZ_CHECK(fuzz::FileExists(responsePath) && fuzz::ReadBytes(responsePath).empty());
  std::remove(responsePath.c_str());
  return 0;
}
