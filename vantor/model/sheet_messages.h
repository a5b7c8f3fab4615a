#pragma once
// What the sheet readers and writers tell the user.
#include <string>
#include <string_view>

namespace 縦断bus::sheet_messages {

inline constexpr std::string_view kNoWorkbook =
    "ワークブックがありません。新規作成するか、ファイルを開いてから実行してください。";

// A cell that must hold a number holds something else.
std::string NotANumber(std::string_view sheet, std::string_view cell);

// A cell holds a number too large for the tables.
std::string TooLarge(std::string_view sheet, std::string_view cell);

// The workbook has no sheet of that name.
std::string MissingSheet(std::string_view sheet);

// The spreadsheet refused to write a value into a cell, for `reason`.
std::string NotWritten(std::string_view sheet, std::string_view cell, std::string_view reason);

// A sheet holds `ignored` rows of `what` (stations, points) past `lastRow`, the last row the
// tables hold `kept` of: they were not read, and Save leaves them as they are.
std::string RowsNotRead(std::string_view sheet, std::string_view what, int kept, int lastRow, int ignored);

// A sheet of one row per station holds `ignored` filled rows past the `stations` rows of the
// profile's stations, which end at `lastRow`: they were not read, and Save leaves them.
std::string RowsPastStations(std::string_view sheet, int stations, int lastRow, int ignored);

// The coordinate sheet holds more reference points than are kept.
std::string TooManyReferencePoints(int kept);

// Shows one of the texts above.
void Tell(std::string_view text);

// Runs a reader as a command of its own (a screen's 読込): an error it raises is told to the
// user with the note that the sheet was not read. The reader has left its tables as they were.
// True when it raised none.
bool ReadTellingFailure(void (*read)());

} // namespace 縦断bus::sheet_messages
