#include "filedialog/DialogRequest.h"

#include "platform/TextFile.h"

#include <cstring>

namespace {

// Reads one line of at most nLimit characters, line end included, into szLine without its
// line end. False if the data ends before a line end or the line is longer than nLimit.
bool ReadRequestLine(TextFileReader& reader, char* szLine, size_t nLimit) {
  size_t nLength = 0;
  if (reader.ReadLine(szLine, nLimit, &nLength) != LineRead::Line) {
    return false;
  }
  szLine[nLength - 1] = '\0';
  return true;
}

bool IsNumberSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Scans a signed decimal number after any white space, line ends included. The value keeps
// the low 32 bits of the decimal value, so that larger values wrap around. False if no digit
// follows.
bool ScanNumber(TextFileReader& reader, std::int32_t& nValue) {
  while (IsNumberSpace(reader.PeekChar())) {
    reader.ReadChar();
  }
  bool bNegative = false;
  if (reader.PeekChar() == '+' || reader.PeekChar() == '-') {
    bNegative = reader.ReadChar() == '-';
  }
  std::uint32_t nMagnitude = 0;
  bool bAnyDigit = false;
  for (int c = reader.PeekChar(); c >= '0' && c <= '9'; c = reader.PeekChar()) {
    nMagnitude = nMagnitude * 10u + static_cast<std::uint32_t>(reader.ReadChar() - '0');
    bAnyDigit = true;
  }
  if (bNegative) {
    nMagnitude = 0u - nMagnitude;
  }
  nValue = static_cast<std::int32_t>(nMagnitude);
  return bAnyDigit;
}

// Room for a 32-bit value in decimal: a sign, ten digits and the terminator.
using DecimalText = char[12];

// nValue in plain decimal, a minus sign before a negative one; no plus sign, no leading zeros.
// (Formatted here rather than by the run-time's printf, which would double the program's size.)
void FormatDecimal(std::int32_t nValue, DecimalText& szOut) {
  char szDigits[10];
  size_t nDigits = 0;
  std::uint32_t nMagnitude = static_cast<std::uint32_t>(nValue);
  if (nValue < 0) {
    nMagnitude = 0u - nMagnitude;
  }
  do {
    szDigits[nDigits++] = static_cast<char>('0' + nMagnitude % 10);
    nMagnitude /= 10;
  } while (nMagnitude != 0);
  size_t nLength = 0;
  if (nValue < 0) {
    szOut[nLength++] = '-';
  }
  while (nDigits > 0) {
    szOut[nLength++] = szDigits[--nDigits];
  }
  szOut[nLength] = '\0';
}

bool ReadRequestFields(TextFileReader& reader, DialogRequest& request) {
  return ReadRequestLine(reader, request.szFileName, kNameLineLimit) &&
         ReadRequestLine(reader, request.szDefaultName, kFilterLineLimit) &&
         ReadRequestLine(reader, request.szFilter, kFilterLineLimit) &&
         ReadRequestLine(reader, request.szTitle, kNameLineLimit) &&
         ScanNumber(reader, request.nRequestCode) && ScanNumber(reader, request.nCookie);
}

} // namespace

bool ReadDialogRequest(const char* pszRequestPath, DialogRequest& request) {
  TextFileReader reader;
  // A read that failed ends the data early: what was read is not the whole request.
  bool bValid =
      reader.Open(pszRequestPath) && ReadRequestFields(reader, request) && !reader.ReadFailed();
  reader.Close();
  RemoveFile(pszRequestPath);
  return bValid;
}

bool WriteDialogResponse(const char* pszRequestPath, const DialogRequest& request,
                         const DialogChoice* pChoice) {
  AnswerPathText szResponsePath;
  TextFileWriter writer;
  if (!FormAnswerPath(pszRequestPath, szResponsePath) || !writer.Create(szResponsePath)) {
    return false;
  }
  if (pChoice != nullptr) {
    DecimalText szRequestCode, szCookie;
    FormatDecimal(request.nRequestCode, szRequestCode);
    FormatDecimal(request.nCookie, szCookie);
    writer.Write(pChoice->pszShortPath);
    writer.Write("\n");
    writer.Write(pChoice->pszFullPath);
    writer.Write("\n");
    writer.Write(szRequestCode);
    writer.Write(" ");
    writer.Write(szCookie);
  }
  return writer.Commit();
}
