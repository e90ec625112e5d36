// The texts that tell the user what was wrong with the data files, in Polish and Windows-1250,
// as the warning box of the window shows them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string CannotOpenMessage(const char* fileName);
// `word` is the offending text as it stands in the file; it is shortened and made printable.
std::string NotANumberMessage(const char* fileName, int line, std::string_view word);
std::string OutOfRangeMessage(const char* fileName, int line, std::string_view word);
std::string FewerNumbersMessage(const char* fileName, int numbers, int timeNumbers);
std::string NoNumbersMessage(const char* fileName);
std::string RecordTooLargeMessage(std::uint64_t samples);
// The closing line when there were problems: how many samples the chart shows.
std::string SamplesShownMessage(int samples);
