#include "filedialog/FilterAnalysis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string DefaultExtension(const char* pszFilter) {
  char szDefExt[kMaxDefaultExtension + 1];
  ComputeDefaultExtension(pszFilter, szDefExt);
  return szDefExt;
}

TEST(ComputeDefaultExtension, TakesTheFirstExtensionNamed) {
  const struct {
    const char* filter;
    const char* defExt;
  } cases[] = {
      {"Text files (*.txt)|*.txt|All files (*.*)|*.*||", "txt"},
      {"Pictures (*.bmp)|*.bmp|Web pages (*.html)|*.html||", "bmp"},
      {"Web pages (*.html)|*.html||", "htm"},
      {"Sounds (*.au)|*.au||", "au"},
      {"C files (*.c)|*.c||", "c"},
      {"Pictures (*.bmp;*.gif)|*.bmp;*.gif||", "bmp"},
      {"Sources (*.c;*.h)|*.c;*.h||", "c"},
      {"All files (*.*)|*.*||", ""},
      {"ends in *.", ""},
      {"no star-dot at all||", ""},
      {"", ""},
      {"Text|*.txt|All|*.*||", "txt"}, // the first "*." wherever it stands
      {"x*.\xe9t\xe9|", "\xe9t\xe9"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.defExt, DefaultExtension(c.filter)) << "filter: " << c.filter;
  }
}

TEST(ComputeFilterIndex, SelectsTheFirstPatternTheInitialNameBegins) {
  const char* const kText = "Text files (*.txt)|*.txt|All files (*.*)|*.*||";
  const char* const kPictures = "Pictures (*.bmp;*.gif)|*.bmp;*.gif|Text (*.txt)|*.txt||";
  const char* const kWeb = "Pictures (*.bmp)|*.bmp|Web pages (*.html)|*.html||";
  const struct {
    const char* filter;
    const char* name;
    unsigned long index;
  } cases[] = {
      {kText, "*.txt", 1},
      {kText, "*.t", 1},
      {kText, "", 1},
      {kText, "c:\\x\\y.txt", 1},
      {kText, "*.*", 2},
      {kText, "*.TXT", 1}, // case matters: no agreement
      {kPictures, "*.bmp", 1},
      {kPictures, "*.gif", 1}, // only the start of a pattern field agrees
      {kPictures, "*.txt", 2},
      {kWeb, "*.html", 2},
      {kWeb, "*.htm", 2},
      {"All files (*.*)|*.*|Text (*.txt)|*.txt||", "*.txt", 2},
      {"Text (*.txt)|*.txt||", "*.txt", 1},
      {"A (*.a)|*.a|B (*.b)|*.b|C (*.c)|*.c||", "*.c", 3},
      {"A (*.a)|*.a|B (*.b)|*.b|C (*.c)|*.c||", "*.c|", 3}, // agrees up to the text's "|"
      {"A (*.a)|*.a|B (*.b)|*.b|C (*.c)|*.c||", "*.c||x", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.index, ComputeFilterIndex(c.filter, c.name))
        << "filter: " << c.filter << " name: " << c.name;
  }
}

// Text that does not alternate between descriptions and patterns each holding a "*." gives
// 1, never a count that belongs to another pair, and is never read past its end.
TEST(ComputeFilterIndex, MalformedTextGivesOne) {
  const struct {
    const char* filter;
    const char* name;
  } cases[] = {
      {"", "*.txt"},
      {"no star-dot||", "*.txt"},
      {"Text|*.txt|All|*.*||", "*.*"},            // descriptions name no pattern
      {"A (*.a)|*.a|B|*.b|C (*.c)|*.c||", "*.c"}, // one description lacks it
      {"A (*.a)|*.a|B|x|C (*.c)|*.c||", "*.c"},   // a whole pair lacks it
      {"A (*.a)|*.a", "*.x"},                     // no "|" after the last pattern
      {"A (*.a)|", "*.a"},                        // no pattern at all
      {"A (*.a", "*.a"},                          // no "|" after the description
      {"(*.a)(*.b)|*.a|", "*.b"},
      {"*.", "*."},
      {"|||||*.", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(1u, ComputeFilterIndex(c.filter, c.name))
        << "filter: " << c.filter << " name: " << c.name;
  }
}

} // namespace
