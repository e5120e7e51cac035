#include "platform/TextFile.h"

#include <cstring>

namespace {

constexpr int kCtrlZ = 0x1A;
constexpr char kLineEndOnDisk[] = "\r\n";

FileFaultInjector g_pfnFaultInjector = nullptr;

bool Fails(FileOperation operation) {
  return g_pfnFaultInjector != nullptr && g_pfnFaultInjector(operation);
}

std::FILE* OpenFile(const char* pszPath, const char* pszMode) {
  return Fails(FileOperation::Open) ? nullptr : std::fopen(pszPath, pszMode);
}

// Closes pFile; false if its buffered data did not all reach the disk or the close failed.
// The flush is checked on its own: some run-times report a full disk only there, and close the
// file with success all the same.
bool CloseFile(std::FILE* pFile) {
  bool bFlushed = std::fflush(pFile) == 0 && std::ferror(pFile) == 0;
  bool bClosed = std::fclose(pFile) == 0;
  return !Fails(FileOperation::Close) && bFlushed && bClosed;
}

} // namespace

void SetFileFaultInjector(FileFaultInjector pfnInjector) {
  g_pfnFaultInjector = pfnInjector;
}

bool TextFileReader::Open(const char* pszPath) {
  Close();
  m_pFile = OpenFile(pszPath, "rb");
  m_nPeeked = kNoPeek;
  m_bEnded = false;
  m_bReadFailed = false;
  return m_pFile != nullptr;
}

void TextFileReader::Close() {
  if (m_pFile != nullptr) {
    std::fclose(m_pFile);
    m_pFile = nullptr;
  }
}

bool TextFileReader::ReadFailed() const {
  return m_bReadFailed;
}

int TextFileReader::ReadTranslated() {
  if (m_bEnded || m_pFile == nullptr) {
    return kEndOfData;
  }
  int nByte = Fails(FileOperation::Read) ? EOF : std::getc(m_pFile);
  if (nByte == EOF || nByte == kCtrlZ) {
    m_bEnded = true;
    m_bReadFailed = nByte == EOF && (std::ferror(m_pFile) != 0 || !std::feof(m_pFile));
    return kEndOfData;
  }
  if (nByte == '\r') {
    int nNext = std::getc(m_pFile);
    if (nNext == '\n') {
      return '\n';
    }
    if (nNext != EOF) {
      std::ungetc(nNext, m_pFile);
    }
  }
  return nByte;
}

int TextFileReader::ReadChar() {
  if (m_nPeeked != kNoPeek) {
    int nChar = m_nPeeked;
    m_nPeeked = kNoPeek;
    return nChar;
  }
  return ReadTranslated();
}

int TextFileReader::PeekChar() {
  if (m_nPeeked == kNoPeek) {
    m_nPeeked = ReadTranslated();
  }
  return m_nPeeked;
}

LineRead TextFileReader::ReadLine(char* szLine, size_t nLimit, size_t* pnLength) {
  size_t nCount = 0;
  LineRead result = LineRead::Cut;
  while (nCount < nLimit) {
    int nChar = ReadChar();
    if (nChar == kEndOfData) {
      result = nCount == 0 ? LineRead::EndOfData : LineRead::LastLine;
      break;
    }
    szLine[nCount++] = static_cast<char>(nChar);
    if (nChar == '\n') {
      result = LineRead::Line;
      break;
    }
  }
  if (result == LineRead::Cut && PeekChar() == kEndOfData) {
    result = LineRead::LastLine;
  }
  szLine[nCount] = '\0';
  if (pnLength != nullptr) {
    *pnLength = nCount;
  }
  return result;
}

bool TextFileWriter::Create(const char* pszPath) {
  Close();
  m_pFile = OpenFile(pszPath, "wb");
  m_pszPath = m_pFile != nullptr ? pszPath : nullptr;
  m_bFailed = false;
  return m_pFile != nullptr;
}

void TextFileWriter::WriteBytes(const char* pBytes, size_t nCount) {
  if (m_pFile == nullptr || Fails(FileOperation::Write) ||
      std::fwrite(pBytes, 1, nCount, m_pFile) != nCount) {
    m_bFailed = true;
  }
}

void TextFileWriter::Write(const char* pszText) {
  Write(pszText, std::strlen(pszText));
}

void TextFileWriter::Write(const char* pText, size_t nLength) {
  const char* pEnd = pText + nLength;
  while (const void* pLineEnd = std::memchr(pText, '\n', static_cast<size_t>(pEnd - pText))) {
    const char* pBreak = static_cast<const char*>(pLineEnd);
    WriteBytes(pText, static_cast<size_t>(pBreak - pText));
    WriteBytes(kLineEndOnDisk, 2);
    pText = pBreak + 1;
  }
  WriteBytes(pText, static_cast<size_t>(pEnd - pText));
}

bool TextFileWriter::Close() {
  if (m_pFile == nullptr) {
    return false;
  }
  bool bClosed = CloseFile(m_pFile);
  m_pFile = nullptr;
  m_pszPath = nullptr;
  return bClosed && !m_bFailed;
}

bool TextFileWriter::Commit() {
  const char* pszPath = m_pszPath;
  if (Close()) {
    return true;
  }
  if (pszPath != nullptr) {
    std::remove(pszPath);
  }
  return false;
}

void TextFileWriter::Discard() {
  m_bFailed = true;
  Commit();
}

bool FormAnswerPath(const char* pszInputPath, AnswerPathText& szAnswerPath) {
  const size_t nLength = std::strlen(pszInputPath);
  if (nLength + 1 > kMaxAnswerPath) {
    return false;
  }
  std::memcpy(szAnswerPath, pszInputPath, nLength);
  szAnswerPath[nLength] = 'p';
  szAnswerPath[nLength + 1] = '\0';
  return true;
}

bool CreateFileIfMissing(const char* pszPath) {
  // Appending creates a missing file and never truncates an existing one.
  std::FILE* pFile = OpenFile(pszPath, "ab");
  return pFile != nullptr && CloseFile(pFile);
}

bool CreateOrTruncateFile(const char* pszPath) {
  std::FILE* pFile = OpenFile(pszPath, "wb");
  return pFile != nullptr && CloseFile(pFile);
}

bool RemoveFile(const char* pszPath) {
  return !Fails(FileOperation::Remove) && std::remove(pszPath) == 0;
}
