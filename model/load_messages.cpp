#include "model/load_messages.h"

namespace {

// Offending text is shown as a short, printable excerpt: the box must stay readable whatever
// bytes the file holds.
std::string Excerpt(std::string_view word) {
  constexpr std::size_t kLongest = 24;
  std::string text;
  for (char c : word.substr(0, kLongest)) {
    const auto byte = static_cast<unsigned char>(c);
    text += (byte >= 0x20 && byte < 0x7F) ? c : '?';
  }
  if (word.size() > kLongest) {
    text += "...";
  }
  return text;
}

std::string FileAndLine(const char* fileName, int line) {
  return "Plik \"" + std::string(fileName) + "\", wiersz " + std::to_string(line) + ": ";
}

}  // namespace

// The Polish letters are Windows-1250 bytes; a literal is split where a hex escape would
// otherwise swallow the next letter.

std::string CannotOpenMessage(const char* fileName) {
  return "Nie mo\xBFna otworzy\xE6 pliku \"" + std::string(fileName) +
         "\" w bie\xBF\xB9"
         "cym folderze.";
}

std::string NotANumberMessage(const char* fileName, int line, std::string_view word) {
  return FileAndLine(fileName, line) + "\"" + Excerpt(word) +
         "\" nie jest liczb\xB9 (separatorem dziesi\xEAtnym jest kropka).";
}

std::string OutOfRangeMessage(const char* fileName, int line, std::string_view word) {
  return FileAndLine(fileName, line) + "liczba \"" + Excerpt(word) +
         "\" wykracza poza zakres liczb programu (oko\xB3o 3.4e38).";
}

std::string FewerNumbersMessage(const char* fileName, int numbers, int timeNumbers) {
  return "Plik \"" + std::string(fileName) + "\" zawiera mniej liczb (" + std::to_string(numbers) +
         ") ni\xBF plik \"czas.txt\" (" + std::to_string(timeNumbers) + ").";
}

std::string NoNumbersMessage(const char* fileName) {
  return "Plik \"" + std::string(fileName) +
         "\" nie zawiera \xBF"
         "adnej liczby.";
}

std::string RecordTooLargeMessage(std::uint64_t samples) {
  return "Zapis jest zbyt du\xBFy: " + std::to_string(samples) +
         " pr\xF3"
         "bek nie mie\x9C"
         "ci si\xEA w pami\xEA"
         "ci programu.";
}

std::string SamplesShownMessage(int samples) {
  return "Liczba pr\xF3"
         "bek na wykresie: " +
         std::to_string(samples) + ".";
}
