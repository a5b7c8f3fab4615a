#pragma once
// The section editors on a road of a few stations, with a scripted CAD control.
#include "../drawing/section_fixture.h"
#include "../../pellix/scripted_pellix.h"
#include "vantor/sections/editors/section_point_tables.h"
#include "vantor/sections/editors/切盛ライン設定画面.h"
#include "vantor/sections/editors/現況横断図.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace editors_test {

using ScriptedControl = pellix_test::ScriptedPellix;

class EditorTest : public section_test::SectionTest {
protected:
    // The screen loaded with a scripted control that has already raised its first idle event.
    template <class Screen>
    static ScriptedControl& Attach(Screen& screen) {
        auto control = std::make_unique<ScriptedControl>();
        ScriptedControl& c = *control;
        screen.UsePellix(std::move(control));
        c.Ticks(2);
        c.commands.clear();
        c.typed.clear();
        return c;
    }
    static 現況横断図& Ground() { return forms::Get<現況横断図>(); }
    static 切盛ライン設定画面& CutFill() { return forms::Get<切盛ライン設定画面>(); }

    // Types `text` into grid cell (row, column) through the in-cell editor.
    static void Type(SectionPointEditor& screen, int row, int column, const std::string& text) {
        screen.グリッド.SetRow(row);
        screen.グリッド.SetCol(column);
        screen.グリッド_Click();
        screen.Text1.SetText(text);
        screen.Text1_LostFocus();
    }
    static std::vector<forms::DrawCommand> PreviewLines(const SectionPointEditor& screen) {
        std::vector<forms::DrawCommand> lines;
        for (const auto& c : screen.図.Commands())
            if (c.kind == forms::DrawCommand::Line) lines.push_back(c);
        return lines;
    }
};

} // namespace editors_test
