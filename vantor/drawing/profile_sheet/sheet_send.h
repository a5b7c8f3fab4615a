#pragma once
// How the profile sheet types at the CAD: polylines as one line of points, and texts as
// entries of the one open text command (point, height, rotation, text, then the closing
// whose second Enter repeats the command for the next text).
#include <string>
#include <string_view>
#include <vector>

namespace 縦断bus::profile_sheet {

// "PLINE " and every point followed by one blank.
void SendPline(const std::vector<std::string>& points);
// "LINE " and the two points, each followed by one blank.
void SendLine(const std::string& from, const std::string& to);
// Opens the text command: "DTEXT " and the empty line with two carriage returns.
void OpenText();
void SendText(const std::string& point, const std::string& height, std::string_view rotation, const std::string& text);
// A layout size [mm] as the CAD gets it: a whole number.
std::string SizeText(float size);
// Characters of a text as the sheet counts them for centring (a full-width character is one).
int CharCount(std::string_view utf8);

} // namespace 縦断bus::profile_sheet
