#pragma once
// The command channel to the CAD, `acadtext`: the one DDE conversation of the program
// (application "AutoCAD LT.DDE", topic "System", manual link), held here and opened by Open() or
// by the first drawing that finds it closed. Every send is one command line and a carriage
// return, executed as if typed at the CAD's command prompt; numbers in a line are written by the
// runtime's number text in the precision they are held in.
#include "platform/dde/dde_link.h"
#include "platform/runtime/number_text.h"

#include <functional>
#include <string>
#include <string_view>

namespace 縦断bus {

// Opens `link` to application|topic unless it is open already. A failed opening is told to the
// user and leaves the link closed, so that the next drawing command tries again. True when the
// link is open.
bool ddesetsuzoku(dde::Link& link, std::string_view application, std::string_view topic);

} // namespace 縦断bus

namespace 縦断bus::cad_channel {

inline constexpr std::string_view kApplication = "AutoCAD LT.DDE";
inline constexpr std::string_view kTopic = "System";

// The conversation every send goes through: the drawing screen's channel `acadtext`.
dde::Link& acadtext();
// Opens the conversation unless it is open (ddesetsuzoku). True when it is open.
bool Open();

// Runs one drawing command: the link is opened first when it is not open (the user is told
// and nothing is sent when that fails); the command stops at the first send the CAD refuses,
// which is told once. True when every send went through.
bool RunDrawing(const std::function<void()>& draw);

// One send: the line (UTF-8, sent as code page 932) and a carriage return. A refused send
// raises the DDE error; inside RunDrawing that ends the command.
void Send(std::string_view line);
// The closing of a text entry: an empty line with two carriage returns, in one send.
void CloseTextEntry();

// A text answer as the CAD must get it: carriage returns and line feeds would end the answer
// early and are taken out.
std::string TextAnswer(std::string_view text);
// Whether a block name can be typed as one answer: not empty, no blank (Enter in the CAD)
// and no control character.
bool IsTypableBlockName(std::string_view name);
// The insertion answer "name x,y 1 1 0"; a name that cannot be typed raises error 5.
std::string InsertAnswer(std::string_view blockName, const std::string& point);

// A point x,y (or x,y,z) with every number in its own precision.
template <class X, class Y>
std::string Point(X x, Y y) {
    return rt::CStr(x) + "," + rt::CStr(y);
}
template <class X, class Y, class Z>
std::string Point(X x, Y y, Z z) {
    return rt::CStr(x) + "," + rt::CStr(y) + "," + rt::CStr(z);
}

} // namespace 縦断bus::cad_channel
