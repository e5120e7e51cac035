#include "app/CommandTail.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TailCase {
  const char* commandLine;
  const char* tail;
};

TEST(ExtractCommandTail, SkipsProgramNameAndFollowingControlBytes) {
  const TailCase cases[] = {
      {"", ""},
      {"prog.exe", ""},
      {"prog.exe   ", ""},
      {"prog.exe /+x", "/+x"},
      {"prog.exe\t\n \x01\x1f/+x", "/+x"},
      {"prog.exe /+a b  ", "/+a b  "}, // blanks inside and after the tail stay
      {"prog.exe /-C:\\a b\nC:\\out.txt", "/-C:\\a b\nC:\\out.txt"},
      {"\"C:\\Program Files\\prog.exe\" req", "req"},
      {"\"C:\\Program Files\\prog.exe\"req", "req"}, // the closing quote ends the name
      {"\"C:\\no closing quote", ""},
      {"\"\" tail", "tail"},
      {"prog\"quoted\"name tail", "tail"}, // an unquoted name ends only at a blank
      {"C:\\pr\xe9g.exe tail", "tail"},    // bytes from 0x80 up belong to the name
      {"prog.exe \x80tail", "\x80tail"},   // and are never skipped as blanks
      {"prog.exe \"C:\\quoted req\"", "\"C:\\quoted req\""}, // no quote removal
      {"prog.exe \x7f", "\x7f"},
  };
  for (const TailCase& c : cases) {
    EXPECT_STREQ(c.tail, ExtractCommandTail(c.commandLine)) << "command line: " << c.commandLine;
  }
}

TEST(ClassifyCommand, LooksAtTheFirstTwoCharactersOnly) {
  const struct {
    const char* tail;
    CommandKind kind;
  } cases[] = {
      {"//list.txt", CommandKind::ListConvert},
      {"//", CommandKind::ListConvert},
      {"///", CommandKind::ListConvert},
      {"/+C:\\x", CommandKind::CreateEmpty},
      {"/+", CommandKind::CreateEmpty},
      {"/-C:\\x\nout", CommandKind::ShortName},
      {"/-", CommandKind::ShortName},
      {"/C:\\x out", CommandKind::LongName},
      {"/ a b", CommandKind::LongName},
      {"/", CommandKind::LongName},
      {"/\\", CommandKind::LongName},
      {"", CommandKind::FileDialog},
      {"C:\\TMP\\REQ", CommandKind::FileDialog},
      {"+/x", CommandKind::FileDialog},
      {"\\/x", CommandKind::FileDialog},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.kind, ClassifyCommand(c.tail)) << "tail: " << c.tail;
  }
}

TEST(ScanLongNameWords, TakesTwoBlankDelimitedWordsAfterTheSlash) {
  const struct {
    const char* tail;
    const char* path;
    const char* output;
  } cases[] = {
      {"/c:\\progra~1 c:\\out.txt", "c:\\progra~1", "c:\\out.txt"},
      {"/ a b", "a", "b"},
      {"/a\tb", "a", "b"},
      {"/a\nb", "a", "b"},
      {"/a \r\n\v\f b  ignored words", "a", "b"},
      {"/\xe9t\xe9 b", "\xe9t\xe9", "b"},
  };
  for (const auto& c : cases) {
    CommandWord szPath, szOutput;
    ASSERT_TRUE(ScanLongNameWords(c.tail, szPath, szOutput)) << "tail: " << c.tail;
    EXPECT_STREQ(c.path, szPath);
    EXPECT_STREQ(c.output, szOutput);
  }
}

TEST(ScanLongNameWords, FailsWithoutTwoWords) {
  for (const char* tail : {"/", "/   ", "/path", "/path  \n", "", "x y", "//a b", "/-a b"}) {
    CommandWord szPath, szOutput;
    EXPECT_FALSE(ScanLongNameWords(tail, szPath, szOutput)) << "tail: " << tail;
  }
}

TEST(ScanListConvertWord, TakesTheFirstWordAfterTheSlashes) {
  const struct {
    const char* tail;
    const char* listFile;
  } cases[] = {
      {"//list.txt", "list.txt"},
      {"//list.txt extra", "list.txt"},
      {"//  C:\\work\\list.tmp\r\n", "C:\\work\\list.tmp"},
  };
  for (const auto& c : cases) {
    CommandWord szListFile;
    ASSERT_TRUE(ScanListConvertWord(c.tail, szListFile)) << "tail: " << c.tail;
    EXPECT_STREQ(c.listFile, szListFile);
  }
  for (const char* tail : {"//", "// \t\n", "/list.txt", ""}) {
    CommandWord szListFile;
    EXPECT_FALSE(ScanListConvertWord(tail, szListFile)) << "tail: " << tail;
  }
}

// A word of 200 characters is the longest taken; one more makes the whole request void, so
// that the end of an over-long path is never taken for the output file.
TEST(CommandWords, LongestWordIs200Characters) {
  const std::string fits(kMaxCommandWord, 'a');
  const std::string tooLong(kMaxCommandWord + 1, 'a');
  CommandWord szFirst, szSecond;

  EXPECT_TRUE(ScanLongNameWords(("/" + fits + " " + fits).c_str(), szFirst, szSecond));
  EXPECT_EQ(fits, szFirst);
  EXPECT_EQ(fits, szSecond);
  EXPECT_FALSE(ScanLongNameWords(("/" + tooLong + " out").c_str(), szFirst, szSecond));
  EXPECT_FALSE(ScanLongNameWords(("/" + tooLong).c_str(), szFirst, szSecond));
  EXPECT_FALSE(ScanLongNameWords(("/in " + tooLong).c_str(), szFirst, szSecond));

  EXPECT_TRUE(ScanListConvertWord(("//" + fits + " " + tooLong).c_str(), szFirst));
  EXPECT_EQ(fits, szFirst);
  EXPECT_FALSE(ScanListConvertWord(("//" + tooLong).c_str(), szFirst));
}

} // namespace
