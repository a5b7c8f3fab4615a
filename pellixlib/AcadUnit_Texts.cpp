#include "pellixlib/AcadUnit_Texts.h"

#include "pellixlib/AcadFunc_Text.h"
#include "platform/runtime/cp932.h"

namespace pellix {

namespace {

std::string Quoted(const std::string& file) { return "\"" + file + "\""; }

} // namespace

std::string QueryVarText(const std::string& name, bool transparent) {
    return (transparent ? std::string("'") : std::string(kCancelTwice)) + TrimBlanks(name) + " ";
}

std::string RestorePrecisionText(const std::string& precision) { return "\x03_LUPREC " + precision + "\r\x03"; }

std::string DxfOutText(const std::string& file, const std::string& filedia, bool singleSelect) {
    return std::string(kCancelTwice) + kDxfOutEcho + "\r" + Quoted(file) + "\r'FILEDIA " + filedia + "\r" +
           (singleSelect ? "O single\r" : "O auto\r");
}

std::string DxfAnswerText(TAcadIndex index, TDxfVersion version, bool binary) {
    std::string text;
    if (IsRegistryInst(index)) {
        switch (version) {
        case dvDXFR12: text = "V R12\r"; break;
        case dvDXFR13: text = "V R13\r"; break;
        case dvDXFR14: text = "V R14\r"; break;
        case dvDXF2000: text = "V 2000\r"; break;
        default: break;
        }
    }
    return text + (binary ? "B" : "16") + "\r" + kCancelTwice;
}

std::string DxfPrecisionPrompt(TAcadIndex index) {
    static const std::string mdi = rt::Utf8ToCp932("精度として");
    static const std::string other = rt::Utf8ToCp932("精度を入力");
    return IsMDIInst(index) ? mdi : other;
}

std::string AttCommandName(TAcadIndex index) { return IsMDIInst(index) ? "_-AtText" : "_AtText"; }

std::string AttCommandText(TAcadIndex index, bool singleSelect) {
    return kCancelTwice + AttCommandName(index) + " O " + (singleSelect ? "single" : "auto") + "\r";
}

std::string AttAnswerText(TAttOutType type, const std::string& templateFile, const std::string& outFile,
                          const std::string& filedia) {
    std::string text = "'FILEDIA 0\r";
    switch (type) {
    case atSDFOUT: text += "S " + Quoted(templateFile) + "\r"; break;
    case atDXXOUT: text += "D "; break;
    default: text += "C " + Quoted(templateFile) + "\r"; break;
    }
    return text + Quoted(outFile) + "\r\x03_FILEDIA " + filedia + "\r" + kCancelTwice;
}

std::string AttPromptJapanese() {
    static const std::string prompt = rt::Utf8ToCp932("属性の書き出し");
    return prompt;
}

std::string ScriptText(const std::string& file, bool transparent) {
    if (transparent) return "'_FILEDIA 0\r'_SCRIPT " + Quoted(file) + "\r";
    return std::string(kCancelTwice) + "_FILEDIA 0\r_SCRIPT " + Quoted(file) + "\r";
}

std::string ScriptFailedRestoreText(const std::string& filedia) { return "\x03_FILEDIA " + filedia + "\r\x03"; }

std::string ScriptRestoreText(const std::string& filedia) { return "'_FILEDIA " + filedia + "\r"; }

std::string FiledialogRestoreText(const std::string& filedia) {
    return std::string(kCancelTwice) + "_FILEDIA " + filedia + "\r";
}

std::string UserWaitText(const std::string& command) { return kCancelTwice + command + "\r"; }

} // namespace pellix
