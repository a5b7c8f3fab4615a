#pragma once
// The eight pen colours a shoulder line can be given: the caption of its option, the colour
// its line's box on the shoulder screen takes, and the CAD colour name it selects. The option
// shown as black selects the CAD's "White" (drawn black on a light background).
#include "platform/forms/color.h"

#include <array>
#include <string_view>

namespace 縦断bus {

struct PenColour {
    std::string_view caption;
    long boxColour;
    std::string_view cadName;
};

inline constexpr int kPenColours = 8;

inline constexpr std::array<PenColour, kPenColours> kPenColourTable{{
    {" layer", forms::RGB(0, 0, 0), "Bylayer"},
    {"赤", forms::RGB(255, 0, 0), "Red"},
    {"黄", forms::RGB(255, 255, 0), "Yellow"},
    {"緑", forms::RGB(0, 192, 0), "Green"},
    {"水色", forms::RGB(0, 255, 255), "Cyan"},
    {"青", forms::RGB(0, 0, 255), "Blue"},
    {"ﾏｾﾞﾝﾀ", forms::RGB(255, 0, 255), "Magenta"},
    {"黒", forms::RGB(0, 0, 0), "White"},
}};

// The colour a line has when none of its options is chosen.
inline constexpr std::string_view kDefaultCadColour = "Bylayer";

} // namespace 縦断bus
