#pragma once

#include <cstddef>

// The five requests a command tail can make, told apart by its first two characters.
enum class CommandKind {
  ListConvert, // "//" list-file
  CreateEmpty, // "/+" path
  ShortName,   // "/-" long-path LF output-file
  LongName,    // "/" path output-file
  FileDialog,  // request-file (anything else, even nothing)
};

// The longest word the tail of a "/" or "//" request may hold.
constexpr size_t kMaxCommandWord = 200;
using CommandWord = char[kMaxCommandWord + 1];

// The command tail within a full command line: after the program name (quoted, or up to the
// first byte of 0x20 or less) and every byte from 0x01 to 0x20 that follows it.
const char* ExtractCommandTail(const char* pszCommandLine);

// The kind of request that pszTail makes.
CommandKind ClassifyCommand(const char* pszTail);

// Scans the list file of a "//" tail: the first blank-delimited word after the slashes.
// False if there is none or it is longer than kMaxCommandWord.
bool ScanListConvertWord(const char* pszTail, CommandWord& szListFile);

// Scans the path and the output file of a "/" tail: the first two blank-delimited words after
// the slash. False if either is missing or longer than kMaxCommandWord.
bool ScanLongNameWords(const char* pszTail, CommandWord& szPath, CommandWord& szOutputFile);
