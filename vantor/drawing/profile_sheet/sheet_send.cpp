#include "vantor/drawing/profile_sheet/sheet_send.h"

#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"

#include <cmath>

namespace 縦断bus::profile_sheet {

void SendPline(const std::vector<std::string>& points) {
    std::string line = "PLINE ";
    for (const std::string& p : points) line += p + " ";
    cad_channel::Send(line);
}

void SendLine(const std::string& from, const std::string& to) { cad_channel::Send("LINE " + from + " " + to + " "); }

void OpenText() {
    cad_channel::Send("DTEXT ");
    cad_channel::CloseTextEntry();
}

void SendText(const std::string& point, const std::string& height, std::string_view rotation, const std::string& text) {
    cad_channel::Send(point);
    cad_channel::Send(height);
    cad_channel::Send(rotation);
    cad_channel::Send(cad_channel::TextAnswer(text));
    cad_channel::CloseTextEntry();
}

std::string SizeText(float size) { return rt::CStr(static_cast<long long>(std::lround(size))); }

int CharCount(std::string_view utf8) {
    int count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

} // namespace 縦断bus::profile_sheet
