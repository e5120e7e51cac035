#pragma once

#include <cstddef>
#include <cstdio>

// Text files in their Windows form, the same bytes on every platform: a line end is CR LF on
// disk. On reading, CR LF becomes one '\n', a CR not followed by LF stays, and a Ctrl-Z byte
// ends the data.

// The operations of this layer that can fail.
enum class FileOperation { Open, Read, Write, Close, Remove };

// Decides, before each operation, whether it fails as if the system had refused it. Tests
// install one to prove that every failure ends as documented; by default (nullptr) every
// operation goes to the system.
using FileFaultInjector = bool (*)(FileOperation operation);
void SetFileFaultInjector(FileFaultInjector pfnInjector);

// What one ReadLine call found.
enum class LineRead {
  EndOfData, // nothing was left to read
  Line,      // a line with its line end
  LastLine,  // the data ended before a line end
  Cut,       // the limit was reached inside a line; the rest of it comes next
};

class TextFileReader {
public:
  static constexpr int kEndOfData = -1;

  TextFileReader() = default;
  ~TextFileReader() { Close(); }
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;

  // Opens pszPath for reading; false if it cannot be opened.
  bool Open(const char* pszPath);

  // The next character, or kEndOfData at the end of the file or at a Ctrl-Z.
  int ReadChar();

  // The character ReadChar would return next, without taking it.
  int PeekChar();

  // Reads at most nLimit characters, the line end included, and stops after a line end.
  // szLine must hold nLimit + 1 characters; it is always terminated. *pnLength, if given,
  // receives the number of characters read (a NUL byte of the data is stored as read).
  LineRead ReadLine(char* szLine, size_t nLimit, size_t* pnLength = nullptr);

  // True if reading the open file failed, rather than reaching its end: data may be missing.
  bool ReadFailed() const;

  // Closes the file if it is open.
  void Close();

private:
  int ReadTranslated();

  std::FILE* m_pFile = nullptr;
  int m_nPeeked = kNoPeek;
  bool m_bEnded = false;
  bool m_bReadFailed = false;
  static constexpr int kNoPeek = -2;
};

class TextFileWriter {
public:
  TextFileWriter() = default;
  ~TextFileWriter() { Close(); }
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;

  // Creates pszPath, or truncates it to length zero; false if it cannot be opened.
  bool Create(const char* pszPath);

  // Writes pszText, each '\n' as CR LF. A failure is remembered and reported by Close.
  void Write(const char* pszText);

  // Writes the nLength characters at pText, NUL bytes included, each '\n' as CR LF.
  void Write(const char* pText, size_t nLength);

  // Closes the file: true only if it was open and every write and the close succeeded.
  bool Close();

  // Closes the file and, unless Close succeeded, deletes it, so that a partly written answer
  // never stands in for a complete one. True if the file is complete on disk.
  bool Commit();

  // Closes the file and deletes it: what was written is not the answer.
  void Discard();

private:
  void WriteBytes(const char* pBytes, size_t nCount);

  std::FILE* m_pFile = nullptr;
  const char* m_pszPath = nullptr;
  bool m_bFailed = false;
};

// The longest path of an answer file.
constexpr size_t kMaxAnswerPath = 255;
using AnswerPathText = char[kMaxAnswerPath + 1];

// Stores the answer file of pszInputPath, its path with "p" appended, in szAnswerPath; false
// if that would be longer than kMaxAnswerPath.
bool FormAnswerPath(const char* pszInputPath, AnswerPathText& szAnswerPath);

// Creates pszPath as an empty file if it does not exist; an existing file is left unchanged.
// False if the file neither existed nor could be created.
bool CreateFileIfMissing(const char* pszPath);

// Creates pszPath as an empty file, or truncates it to length zero; false if it cannot.
bool CreateOrTruncateFile(const char* pszPath);

// Deletes the file pszPath; false if it could not be deleted.
bool RemoveFile(const char* pszPath);
