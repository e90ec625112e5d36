// Test helper: Windows-1250 program texts as UTF-8, so that expectations read as Polish.
#pragma once

#include <string>
#include <string_view>

inline std::string Utf8FromWindows1250(std::string_view text) {
  struct Letter {
    unsigned char code;
    const char* utf8;
  };
  static constexpr Letter kLetters[] = {
      {0xA5, "Ą"}, {0xB9, "ą"}, {0xC6, "Ć"}, {0xE6, "ć"}, {0xCA, "Ę"}, {0xEA, "ę"},
      {0xA3, "Ł"}, {0xB3, "ł"}, {0xD1, "Ń"}, {0xF1, "ń"}, {0xD3, "Ó"}, {0xF3, "ó"},
      {0x8C, "Ś"}, {0x9C, "ś"}, {0x8F, "Ź"}, {0x9F, "ź"}, {0xAF, "Ż"}, {0xBF, "ż"},
  };
  std::string utf8;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    std::string piece(1, c);
    for (const Letter& letter : kLetters) {
      if (letter.code == byte) {
        piece = letter.utf8;
      }
    }
    if (byte >= 0x80 && piece.size() == 1) {
      piece = "<?>";  // a byte the program should not have produced
    }
    utf8 += piece;
  }
  return utf8;
}
