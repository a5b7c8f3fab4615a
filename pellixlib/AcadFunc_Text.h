#pragma once
// Text routines of the library. Texts are 8-bit strings in code page 932 and are scanned a
// whole character at a time, so that a trail byte is never taken for an ASCII character.
#include <cstddef>
#include <string>
#include <string_view>

namespace pellix {

// 0 at the end of the text, 2 for a double-byte lead byte followed by a byte, else 1.
int CharByteLen(std::string_view text, std::size_t pos);
// True when the 1-based byte position holds `ch` as a single-byte character.
bool IsSingleByteCharAt(std::string_view text, std::size_t pos, char ch);
bool IsPathDelimiterAt(std::string_view text, std::size_t pos);

// Removes blanks (and control characters) at both ends.
std::string TrimBlanks(std::string_view text);
// One pair of enclosing double quotes removed, blanks trimmed.
std::string TrimQuotes(std::string_view text);
// ASCII letters compared ignoring case, every other byte exactly (trail bytes untouched).
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
std::string UpperAscii(std::string_view text);

// The default a prompt offers: the text between " <" and ">:", else empty.
std::string ExtractPromptDefault(std::string_view prompt);
// Digits, point, E, e, plus, minus and the foot and inch marks.
bool IsNumericChar(char c);
// The whole trimmed text as a floating-point number.
bool TryTextToFloat(std::string_view text, double& value);
// Two or three numbers in a text ("X = 1.5  Y = -2  Z = 3E2", "1,2"); Z is 0 for two.
bool ParseCoordinates(std::string_view text, double& x, double& y, double& z);

// 1-based byte position of the first `mark`, stepping by whole characters; with no mark,
// of the first character below 32. 0 when there is none.
std::size_t FindMenuMark(std::string_view text, std::string_view mark = {});

// No / , ; * ? " < > |, not "." or ".."; without a path also no \ or :.
bool IsValidFileName(std::string_view name, bool withPath);

} // namespace pellix
