#include "cad/command/coordinate_text.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"

namespace cad::command {

std::string FixedText(double value, int decimals) {
    std::string text = rt::CStr(rt::RoundHalfUp(value, decimals));
    if (text.find('E') != std::string::npos || decimals <= 0) return text;
    std::size_t point = text.find('.');
    if (point == std::string::npos) {
        point = text.size();
        text += '.';
    }
    const std::size_t have = text.size() - point - 1;
    if (have < static_cast<std::size_t>(decimals)) text.append(static_cast<std::size_t>(decimals) - have, '0');
    return text;
}

std::string PointReport(Point p, int decimals) {
    return "X = " + FixedText(p.x, decimals) + "     Y = " + FixedText(p.y, decimals) +
           "     Z = " + FixedText(p.z, decimals);
}

std::string PointText(Point p, int decimals) {
    return FixedText(p.x, decimals) + "," + FixedText(p.y, decimals) + "," + FixedText(p.z, decimals);
}

} // namespace cad::command
