#include "integration/WineTest.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

using Names = std::vector<std::string>;

// A directory tree with long names holding blanks, and the short forms Windows gives them.
class PathNames : public WineTest {
protected:
  PathNames() {
    std::filesystem::create_directories(Local("Long Directory Name/Another Long Sub Dir"));
    WriteBytes(Local(kDocument), "x");
    WriteBytes(Local("Long Directory Name/Second Document.txt"), "x");
  }

  // The short form of a path in the working directory, as Windows reports it.
  std::string ShortOf(const std::string& name) const {
    const std::string shortPath = WineRunner::ShortPathOf(Local(name));
    EXPECT_NE("", shortPath) << name;
    EXPECT_EQ(std::string::npos, shortPath.find(' ')) << shortPath;
    return shortPath;
  }

  static std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
  }

  static constexpr const char* kDocument =
      "Long Directory Name/Another Long Sub Dir/Document with blanks.txt";
};

TEST_F(PathNames, LongNameOfAShortPathIsTheStoredPath) {
  const std::string shortDocument = ShortOf(kDocument);
  const std::string shortDir = ShortOf("Long Directory Name");
  const struct {
    std::string path;
    std::string output;
  } cases[] = {
      {shortDocument, shortDocument + "\r\n" + Win(kDocument) + "\r\n"},
      // The last component need not exist; it is carried over unchanged.
      {shortDir + "\\later.txt",
       shortDir + "\\later.txt\r\n" + Win("Long Directory Name/later.txt") + "\r\n"},
      {shortDir + "\\missing\\later.txt", ""},
      {Win("Long Directory Name"), ""}, // already the stored form
  };
  for (const auto& c : cases) {
    EXPECT_EQ(0, RunTail("/" + c.path + " out.txt"));
    EXPECT_EQ(c.output, ReadBytes(Local("out.txt"))) << c.path;
  }
}

TEST_F(PathNames, ListIsAnsweredLineForLineAndDeleted) {
  const std::string shortDocument = ShortOf(kDocument);
  const std::string shortDir = ShortOf("Long Directory Name");
  const std::string unc = "\\\\server\\share\\dir\\file.txt";
  const std::string longLine(300, 'z');
  WriteBytes(Local("PATHS.LST"), shortDocument + "\r\n" +                 // short form
                                     LowerCase(Win(kDocument)) + "\r\n" + // long, wrong case
                                     shortDir + "\\MISSING\\x.txt\r\n" +  // inner missing
                                     shortDir + "\\New file.txt\r\n" +    // last missing
                                     unc + "\r\n" +                       //
                                     "\r\n" +                             // no components
                                     longLine + "\r\n" +                  // beyond any path
                                     ShortOf("Long Directory Name/Second Document.txt"));
  EXPECT_EQ(0, RunTail("//" + Win("PATHS.LST") + " ignored"));
  EXPECT_EQ(Win(kDocument) + "\r\n" +                                    //
                Win(kDocument) + "\r\n" +                                //
                shortDir + "\\MISSING\\x.txt\r\n" +                      //
                Win("Long Directory Name/New file.txt") + "\r\n" +       //
                unc + "\r\n" +                                           //
                "\r\n" +                                                 //
                longLine + "\r\n" +                                      //
                Win("Long Directory Name/Second Document.txt") + "\r\n", //
            ReadBytes(Local("PATHS.LSTp")));
  EXPECT_EQ((Names{"Long Directory Name", "PATHS.LSTp"}), ListWorkDir());

  // The list is gone, so a second run answers nothing.
  std::filesystem::remove(Local("PATHS.LSTp"));
  EXPECT_EQ(0, RunTail("//" + Win("PATHS.LST")));
  EXPECT_EQ(Names{"Long Directory Name"}, ListWorkDir());
}

TEST_F(PathNames, ShortFormOfALongPathWithBlanks) {
  const std::string longPath = Win(kDocument);
  EXPECT_EQ(0, RunTail("/-" + longPath + "\n" + Win("short out.txt")));
  EXPECT_EQ(longPath + "\r\n" + ShortOf(kDocument) + "\r\n", ReadBytes(Local("short out.txt")));

  for (const std::string& missing :
       {Win("Long Directory Name/No such file.txt"), longPath + "\r"}) {
    EXPECT_EQ(0, RunTail("/-" + missing + "\n" + Win("short out.txt")));
    EXPECT_EQ("", ReadBytes(Local("short out.txt"))) << missing;
  }
}

} // namespace
