#include "model/data_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

std::size_t CountWordsOneByOne(const std::string& text) {
  std::size_t words = 0;
  bool previousSpace = true;
  for (char c : text) {
    const bool space = c == ' ' || (c >= '\t' && c <= '\r');
    words += previousSpace && !space ? 1 : 0;
    previousSpace = space;
  }
  return words;
}

// Eight bytes are classified at once: every kind of byte, at every place in the word, and words
// that cross from one group of eight to the next.
TEST(DataFile, CountsWordsLikeAByteByByteScan) {
  const char alphabet[] = {' ',    '\t',   '\n', '\v',   '\f',   '\r',   '1',    '.',    '\x08',
                           '\x0E', '\x1F', '!',  '\x7F', '\x80', '\x89', '\xA0', '\xFF', '\0'};
  std::mt19937 random(12345);
  for (int round = 0; round < 20000; ++round) {
    std::string text(random() % 40, ' ');
    for (char& c : text) {
      c = alphabet[random() % sizeof alphabet];
    }
    ASSERT_EQ(CountWords(text), CountWordsOneByOne(text)) << round;
  }
}

}  // namespace
