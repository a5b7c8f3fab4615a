// Block and settings commands: INSERT, BLOCK, CECOLOR.
#include "cad/command/commands.h"

#include "cad/command/colour_names.h"
#include "cad/drawing/block_definition.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

namespace cad::command {

namespace {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

// The block of that name, from the drawing or else from the block source; empty when the
// command is to end (the reason is logged).
std::string FindOrLoadBlock(Session& s, const std::string& name) {
    if (const Block* b = s.drawing().FindBlock(name)) return b->name;
    if (s.blockSource()) {
        std::vector<std::string> warnings;
        try {
            s.blockSource()(name, s.drawing(), warnings);
            for (std::string& w : warnings) s.Message(std::move(w));
        } catch (const rt::Error& e) {
            s.Refuse(name, "Block " + Quoted(name) + " could not be loaded: " + e.Description());
            return {};
        }
        if (const Block* b = s.drawing().FindBlock(name)) return b->name;
    }
    s.Refuse(name, "Block " + Quoted(name) + " not found.");
    return {};
}

} // namespace

CommandTask InsertCommand(Session& s) {
    const Answer typed = co_await s.AskWord("Block name: ");
    if (typed.kind == Answer::Enter) co_return;
    const std::string name = FindOrLoadBlock(s, typed.text);
    if (name.empty()) co_return;
    const Answer at = co_await s.AskPoint("Insertion point: ");
    if (at.kind == Answer::Enter) co_return;
    const Answer x = co_await s.AskNumber("X scale factor <1>: ", NumberRule::NonZero);
    const double sx = x.kind == Answer::Number ? x.number : 1;
    std::string yPrompt = "Y scale factor <" + rt::CStr(sx) + ">: ";
    const Answer y = co_await s.AskNumber(std::move(yPrompt), NumberRule::NonZero);
    const double sy = y.kind == Answer::Number ? y.number : sx;
    const Answer r = co_await s.AskNumber("Rotation angle <0>: ", NumberRule::Any);
    s.drawing().Add(Insert{name, at.point, sx, sy, r.kind == Answer::Number ? r.number : 0});
}

CommandTask BlockCommand(Session& s) {
    std::string name;
    while (name.empty()) {
        const Answer typed = co_await s.AskWord("Block name: ");
        if (typed.kind == Answer::Enter) co_return;
        if (IsValidBlockName(typed.text)) name = typed.text;
        else s.Refuse(typed.text, "Invalid block name.");
    }
    if (s.drawing().FindBlock(name)) {
        std::vector<Keyword> yesNo{{1, "Y|YES"}, {0, "N|NO"}};
        std::string prompt = "Block " + Quoted(name) + " already exists. Redefine it? [Yes/No] <No>: ";
        const Answer yes = co_await s.AskKeyword(std::move(prompt), std::move(yesNo));
        if (yes.kind == Answer::Enter || yes.keyword == 0) co_return;
    }
    const Answer base = co_await s.AskPoint("Insertion base point: ");
    if (base.kind == Answer::Enter) co_return;
    const Answer picked = co_await s.AskObjects();
    switch (DefineBlock(s.drawing(), name, base.point, picked.objects)) {
    case BlockDefinitionResult::Empty: s.Refuse("", "Nothing selected; block " + Quoted(name) + " not defined."); break;
    case BlockDefinitionResult::RefersToItself:
        s.Refuse("", "Block " + Quoted(name) + " would contain itself; not defined.");
        break;
    case BlockDefinitionResult::Redefined: s.Message("Block " + Quoted(name) + " redefined."); break;
    case BlockDefinitionResult::Defined: break;
    }
}

CommandTask CecolorCommand(Session& s) {
    while (true) {
        std::string prompt = "New current colour <" + ColourName(s.drawing().CurrentColour()) + ">: ";
        const Answer typed = co_await s.AskWord(std::move(prompt));
        if (typed.kind == Answer::Enter) co_return;
        if (const auto colour = ParseColour(typed.text)) {
            s.drawing().SetCurrentColour(*colour);
            co_return;
        }
        s.Refuse(typed.text, "Colour name or number 0 to 256 expected.");
    }
}

} // namespace cad::command
