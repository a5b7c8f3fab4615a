#include "vantor/drawing/channel/cad_channel.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"
#include "vantor/model/bus/drawing_tables.h"

namespace 縦断bus {

namespace {

constexpr int kErrInvalidCall = 5;

std::string LinkFailureText(std::string_view topic) {
    return "ＣＡＤとの通信（" + std::string(topic) +
           "）を開けませんでした。ＣＡＤを起動してから、もう一度作図してください。";
}

} // namespace

bool ddesetsuzoku(dde::Link& link, std::string_view application, std::string_view topic) {
    if (ddeflg != 0 && link.LinkMode() != dde::kLinkNone) return true;
    ddeflg = 0;
    const std::string linkTopic = std::string(application) + "|" + std::string(topic);
    try {
        link.SetLinkMode(dde::kLinkNone);
        link.SetLinkTopic(linkTopic);
        link.SetLinkMode(dde::kLinkManual);
    } catch (const rt::Error&) {
        forms::MsgBox(LinkFailureText(linkTopic), forms::vbExclamation);
        return false;
    }
    ddeflg = 1;
    return true;
}

} // namespace 縦断bus

namespace 縦断bus::cad_channel {

namespace {

void Execute(const std::string& bytes, std::string_view shown) {
    try {
        acadtext().LinkExecute(bytes);
    } catch (const rt::Error& e) {
        throw rt::Error(e.Number(), "ＣＡＤが次の入力を受け付けませんでした：「" + std::string(shown) + "」（" +
                                        e.Description() + "）");
    }
}

} // namespace

dde::Link& acadtext() {
    static dde::Link link;
    return link;
}

bool Open() { return ddesetsuzoku(acadtext(), kApplication, kTopic); }

bool RunDrawing(const std::function<void()>& draw) {
    if (!Open()) return false;
    try {
        draw();
    } catch (const rt::Error& e) {
        forms::MsgBox("作図を中止しました。" + e.Description(), forms::vbExclamation);
        return false;
    }
    return true;
}

void Send(std::string_view line) { Execute(rt::Utf8ToCp932(line) + "\r", line); }

void CloseTextEntry() { Execute("\r\r", "（空行）"); }

std::string TextAnswer(std::string_view text) {
    std::string answer;
    for (char c : text)
        if (c != '\r' && c != '\n') answer += c;
    return answer;
}

bool IsTypableBlockName(std::string_view name) {
    if (name.empty()) return false;
    for (unsigned char c : name)
        if (c <= ' ' || c == 0x7F) return false;
    return true;
}

std::string InsertAnswer(std::string_view blockName, const std::string& point) {
    if (!IsTypableBlockName(blockName))
        rt::Raise(kErrInvalidCall,
                  "ブロック名「" + TextAnswer(blockName) + "」は空白か制御文字を含むため、ＣＡＤに入力できません。");
    return std::string(blockName) + " " + point + " 1 1 0";
}

} // namespace 縦断bus::cad_channel
