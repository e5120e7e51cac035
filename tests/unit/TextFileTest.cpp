#include "platform/TextFile.h"

#include "unit/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Every character ReadChar gives for the bytes on disk.
std::string ReadAllChars(const TempDir& dir, const std::string& bytes) {
  WriteBytes(dir / "in.txt", bytes);
  TextFileReader reader;
  EXPECT_TRUE(reader.Open((dir / "in.txt").c_str()));
  std::string text;
  for (int c = reader.ReadChar(); c != TextFileReader::kEndOfData; c = reader.ReadChar()) {
    text += static_cast<char>(c);
  }
  return text;
}

TEST(TextFileReader, TranslatesLineEndsAndStopsAtCtrlZ) {
  TempDir dir;
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"a\r\nb\r\n", "a\nb\n"},
      {"a\nb", "a\nb"},       // a bare LF is a line end already
      {"a\rb\r", "a\rb\r"},   // a lone CR stays, also at the very end
      {"a\r\r\nb", "a\r\nb"}, // only the CR right before the LF goes
      {"a\x1A"
       "b\r\n",
       "a"}, // Ctrl-Z ends the data
      {"a\r\x1A\r\n", "a\r"},
      {std::string("a\0b", 3), std::string("a\0b", 3)},
      {"\xff\x80\r\n", "\xff\x80\n"},
  };
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(text, ReadAllChars(dir, bytes)) << "bytes: " << bytes;
  }
}

TEST(TextFileReader, PeekDoesNotConsume) {
  TempDir dir;
  WriteBytes(dir / "in.txt", "x\r\n");
  TextFileReader reader;
  ASSERT_TRUE(reader.Open((dir / "in.txt").c_str()));
  EXPECT_EQ('x', reader.PeekChar());
  EXPECT_EQ('x', reader.PeekChar());
  EXPECT_EQ('x', reader.ReadChar());
  EXPECT_EQ('\n', reader.PeekChar());
  EXPECT_EQ('\n', reader.ReadChar());
  EXPECT_EQ(TextFileReader::kEndOfData, reader.PeekChar());
  EXPECT_EQ(TextFileReader::kEndOfData, reader.ReadChar());
}

TEST(TextFileReader, OpenFailsForMissingFile) {
  TempDir dir;
  TextFileReader reader;
  EXPECT_FALSE(reader.Open((dir / "missing.txt").c_str()));
  EXPECT_EQ(TextFileReader::kEndOfData, reader.ReadChar());
}

// Each ReadLine result for the bytes on disk and a limit, until the end of the data.
std::vector<std::pair<LineRead, std::string>>
ReadAllLines(const TempDir& dir, const std::string& bytes, size_t nLimit) {
  WriteBytes(dir / "in.txt", bytes);
  TextFileReader reader;
  EXPECT_TRUE(reader.Open((dir / "in.txt").c_str()));
  std::vector<std::pair<LineRead, std::string>> lines;
  std::vector<char> buffer(nLimit + 1, '#');
  for (;;) {
    size_t nLength = 0;
    LineRead result = reader.ReadLine(buffer.data(), nLimit, &nLength);
    EXPECT_EQ('\0', buffer[nLength]);
    if (result == LineRead::EndOfData) {
      EXPECT_EQ(0u, nLength);
      return lines;
    }
    lines.emplace_back(result, std::string(buffer.data(), nLength));
  }
}

TEST(TextFileReader, ReadLineCountsTheLineEndInItsLimit) {
  TempDir dir;
  using L = LineRead;
  const struct {
    std::string bytes;
    size_t nLimit;
    std::vector<std::pair<LineRead, std::string>> lines;
  } cases[] = {
      {"", 5, {}},
      {"ab\r\ncd", 5, {{L::Line, "ab\n"}, {L::LastLine, "cd"}}},
      {"abcd\r\n", 5, {{L::Line, "abcd\n"}}},                 // content plus line end fills it
      {"abcde\r\n", 5, {{L::Cut, "abcde"}, {L::Line, "\n"}}}, // the line end comes alone
      {"abcdefg\r\nh", 5, {{L::Cut, "abcde"}, {L::Line, "fg\n"}, {L::LastLine, "h"}}},
      {"abcde", 5, {{L::LastLine, "abcde"}}}, // fits exactly at the end of data
      {"abcde\x1Axyz", 5, {{L::LastLine, "abcde"}}},
      {"\r\n\r\n", 5, {{L::Line, "\n"}, {L::Line, "\n"}}},
      {"a\rb\r\n", 5, {{L::Line, "a\rb\n"}}},
      {"xy", 1, {{L::Cut, "x"}, {L::LastLine, "y"}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.lines, ReadAllLines(dir, c.bytes, c.nLimit))
        << "bytes: " << c.bytes << " limit: " << c.nLimit;
  }
}

TEST(TextFileWriter, WritesCrLfForEachLineEnd) {
  TempDir dir;
  TextFileWriter writer;
  ASSERT_TRUE(writer.Create((dir / "out.txt").c_str()));
  writer.Write("C:\\a b\n");
  writer.Write("");
  writer.Write("x\n\ny\rz");
  writer.Write("3 77");
  EXPECT_TRUE(writer.Close());
  EXPECT_EQ("C:\\a b\r\nx\r\n\r\ny\rz3 77", ReadBytes(dir / "out.txt"));
}

TEST(TextFileWriter, WritesCountedTextWithItsNulBytes) {
  TempDir dir;
  TextFileWriter writer;
  ASSERT_TRUE(writer.Create((dir / "out.txt").c_str()));
  writer.Write("a\0b\nc\n-not this", 6);
  writer.Write("", 0);
  EXPECT_TRUE(writer.Close());
  EXPECT_EQ(std::string("a\0b\r\nc\r\n", 8), ReadBytes(dir / "out.txt"));
}

TEST(TextFileReader, TellsAFailedReadFromTheEndOfTheData) {
  TempDir dir;
  WriteBytes(dir / "in.txt", "x");
  TextFileReader reader;
  ASSERT_TRUE(reader.Open((dir / "in.txt").c_str()));
  while (reader.ReadChar() != TextFileReader::kEndOfData) {
  }
  EXPECT_FALSE(reader.ReadFailed());

  // A directory opens for reading on this system, but reading it fails.
  ASSERT_TRUE(reader.Open(dir.path().c_str()));
  EXPECT_EQ(TextFileReader::kEndOfData, reader.ReadChar());
  EXPECT_TRUE(reader.ReadFailed());
}

TEST(TextFileWriter, CreateTruncatesAnExistingFile) {
  TempDir dir;
  WriteBytes(dir / "out.txt", "old contents\r\n");
  TextFileWriter writer;
  ASSERT_TRUE(writer.Create((dir / "out.txt").c_str()));
  EXPECT_TRUE(writer.Close());
  EXPECT_EQ("", ReadBytes(dir / "out.txt"));
}

TEST(TextFileWriter, CloseReportsEveryFailure) {
  TempDir dir;
  TextFileWriter writer;
  EXPECT_FALSE(writer.Create((dir / "no such dir/out.txt").c_str()));
  writer.Write("lost\n");
  EXPECT_FALSE(writer.Close());

  // A device that is always full: buffered writes fail at the latest when flushed on close.
  if (std::filesystem::exists("/dev/full")) {
    ASSERT_TRUE(writer.Create("/dev/full"));
    writer.Write(std::string(100000, 'x').c_str());
    EXPECT_FALSE(writer.Close());
    ASSERT_TRUE(writer.Create("/dev/full"));
    writer.Write("short");
    EXPECT_FALSE(writer.Close());
  }
}

TEST(RemoveFile, DeletesAndReportsMissingFiles) {
  TempDir dir;
  WriteBytes(dir / "f.txt", "x");
  EXPECT_TRUE(RemoveFile((dir / "f.txt").c_str()));
  EXPECT_FALSE(std::filesystem::exists(dir / "f.txt"));
  EXPECT_FALSE(RemoveFile((dir / "f.txt").c_str()));
}

} // namespace
