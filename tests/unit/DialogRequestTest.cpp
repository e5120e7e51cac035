#include "filedialog/DialogRequest.h"
#include "platform/TextFile.h"

#include "unit/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace {

// The request read from a file holding bytes, or nothing if it is invalid. The request file
// is gone afterwards in every case.
std::optional<DialogRequest> ReadRequest(const TempDir& dir, const std::string& bytes) {
  const std::string path = dir / "REQ";
  WriteBytes(path, bytes);
  DialogRequest request;
  bool bValid = ReadDialogRequest(path.c_str(), request);
  EXPECT_FALSE(std::filesystem::exists(path)) << "request file kept: " << bytes;
  return bValid ? std::optional<DialogRequest>(request) : std::nullopt;
}

const std::string kLines = "report.txt\r\n*.txt\r\nText (*.txt)|*.txt||\r\nPick one\r\n";

TEST(ReadDialogRequest, ReadsTheFourLinesAndTheTwoNumbers) {
  TempDir dir;
  auto request = ReadRequest(dir, kLines + "3 77\r\n");
  ASSERT_TRUE(request);
  EXPECT_STREQ("report.txt", request->szFileName);
  EXPECT_STREQ("*.txt", request->szDefaultName);
  EXPECT_STREQ("Text (*.txt)|*.txt||", request->szFilter);
  EXPECT_STREQ("Pick one", request->szTitle);
  EXPECT_EQ(3, request->nRequestCode);
  EXPECT_EQ(77, request->nCookie);
}

TEST(ReadDialogRequest, NumbersAreScannedLikeFormattedInput) {
  TempDir dir;
  const struct {
    std::string numbers;
    std::int32_t nRequestCode, nCookie;
  } cases[] = {
      {"3 77", 3, 77}, // no final line end
      {"3\r\n77\r\n", 3, 77},
      {"\r\n\r\n  \t3\r\n\r\n 77 trailing words\r\n", 3, 77},
      {"-1 0", -1, 0},
      {"+007 0042", 7, 42},
      {"4294967299 -4294967297", 3, -1}, // 2^32 + 3 wraps to 3
      {"2147483648 -2147483648", INT32_MIN, INT32_MIN},
      {"10 7x", 10, 7},
      {"3 77\x1A garbage", 3, 77},
  };
  for (const auto& c : cases) {
    auto request = ReadRequest(dir, kLines + c.numbers);
    ASSERT_TRUE(request) << c.numbers;
    EXPECT_EQ(c.nRequestCode, request->nRequestCode) << c.numbers;
    EXPECT_EQ(c.nCookie, request->nCookie) << c.numbers;
  }
}

TEST(ReadDialogRequest, LinesLoseOnlyTheirLineEnd) {
  TempDir dir;
  auto request =
      ReadRequest(dir, "\r\nname\rx\r\n" + std::string("\0filter|\r\n", 10) + "title\r\n1 2");
  ASSERT_TRUE(request);
  EXPECT_STREQ("", request->szFileName);           // a line end alone
  EXPECT_STREQ("name\rx", request->szDefaultName); // a lone CR is content
  EXPECT_STREQ("", request->szFilter);             // a NUL-led line counts as empty
  EXPECT_STREQ("title", request->szTitle);
}

TEST(ReadDialogRequest, LinesUpToTheirLimitsAreRead) {
  TempDir dir;
  const std::string name(kNameLineLimit - 1, 'n'), filter(kFilterLineLimit - 1, 'f');
  auto request =
      ReadRequest(dir, name + "\r\n" + filter + "\r\n" + filter + "\r\n" + name + "\r\n1 2\r\n");
  ASSERT_TRUE(request);
  EXPECT_EQ(name, request->szFileName);
  EXPECT_EQ(filter, request->szDefaultName);
  EXPECT_EQ(filter, request->szFilter);
  EXPECT_EQ(name, request->szTitle);
}

TEST(ReadDialogRequest, IncompleteOrOverlongRequestsAreInvalidAndDeleted) {
  TempDir dir;
  const std::string longName(kNameLineLimit, 'n'), longFilter(kFilterLineLimit, 'f');
  const std::string cases[] = {
      "",
      kLines,       // no numbers
      kLines + "3", // the second number is missing
      kLines + "3\r\n\r\n",
      kLines + "3 x77",
      kLines + "- 3 77",
      kLines + "3 +",
      "a\r\nb\r\nc\r\n",  // fewer than four lines
      "a\r\nb\r\nc\r\nd", // the fourth line has no line end
      "a\r\nb\r\nc\x1A\r\nd\r\n3 77",
      longName + "\r\nb\r\nc\r\nd\r\n3 77", // a line one over its limit
      "a\r\n" + longFilter + "\r\nc\r\nd\r\n3 77",
      "a\r\nb\r\n" + longFilter + "\r\nd\r\n3 77",
      "a\r\nb\r\nc\r\n" + longName + "\r\n3 77",
  };
  for (const std::string& bytes : cases) {
    EXPECT_FALSE(ReadRequest(dir, bytes)) << "request: " << bytes;
  }
}

TEST(ReadDialogRequest, MissingRequestIsInvalid) {
  TempDir dir;
  DialogRequest request;
  EXPECT_FALSE(ReadDialogRequest((dir / "missing").c_str(), request));
}

DialogRequest RequestEchoing(std::int32_t nRequestCode, std::int32_t nCookie) {
  DialogRequest request{};
  request.nRequestCode = nRequestCode;
  request.nCookie = nCookie;
  return request;
}

TEST(WriteDialogResponse, WritesBothPathsAndTheNumbersWithoutAFinalLineEnd) {
  TempDir dir;
  const std::string requestPath = dir / "REQ";
  const DialogChoice choice{"C:\\MYDOCU~1\\REPORT.TXT", "C:\\My Documents\\Report.txt"};
  EXPECT_TRUE(WriteDialogResponse(requestPath.c_str(), RequestEchoing(3, 77), &choice));
  EXPECT_EQ("C:\\MYDOCU~1\\REPORT.TXT\r\nC:\\My Documents\\Report.txt\r\n3 77",
            ReadBytes(requestPath + "p"));

  EXPECT_TRUE(WriteDialogResponse(requestPath.c_str(), RequestEchoing(INT32_MIN, -1), &choice));
  EXPECT_EQ("C:\\MYDOCU~1\\REPORT.TXT\r\nC:\\My Documents\\Report.txt\r\n-2147483648 -1",
            ReadBytes(requestPath + "p"));
}

TEST(WriteDialogResponse, NoChoiceGivesAnEmptyResponse) {
  TempDir dir;
  const std::string requestPath = dir / "REQ";
  WriteBytes(requestPath + "p", "stale answer");
  EXPECT_TRUE(WriteDialogResponse(requestPath.c_str(), RequestEchoing(3, 77), nullptr));
  EXPECT_EQ("", ReadBytes(requestPath + "p"));
}

TEST(WriteDialogResponse, TheResponsePathIsTheRequestPathAsReceivedWithP) {
  TempDir dir;
  const std::string requestPath = dir / "REQ "; // a trailing blank stays before the "p"
  EXPECT_TRUE(WriteDialogResponse(requestPath.c_str(), RequestEchoing(3, 77), nullptr));
  EXPECT_TRUE(std::filesystem::exists(dir / "REQ p"));
}

TEST(FormAnswerPath, AllowsAtMost255Characters) {
  AnswerPathText szResponsePath;
  const std::string fits(kMaxAnswerPath - 1, 'r');
  ASSERT_TRUE(FormAnswerPath(fits.c_str(), szResponsePath));
  EXPECT_EQ(fits + "p", szResponsePath);
  EXPECT_FALSE(FormAnswerPath((fits + "r").c_str(), szResponsePath));
}

} // namespace
