#pragma once
// The drawing screen with a CAD at the other end of its link: every execute is kept as sent
// and typed at the CAD's command line, so a test sees both the exact stream and the drawing
// it makes.
#include "cad/command/command_line.h"
#include "cad/drawing/drawing.h"
#include "drawing_fixture.h"
#include "platform/dde/dde_server.h"
#include "platform/runtime/cp932.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"

#include <string>
#include <vector>

namespace profile_sheet_test {

class ProfileSheetTest : public drawing_test::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        縦断bus::ketasuu = 2;
    }

    // Station, ground height, reference planned height (99999: none), curve length (99999: none).
    struct Row {
        float station, ground, reference, curve;
    };
    static void SetRows(std::initializer_list<Row> rows) {
        using namespace 縦断bus;
        sokutensuu = 0;
        for (const Row& r : rows) {
            ++sokutensuu;
            tatedata(sokutensuu, 1) = r.station;
            tatedata(sokutensuu, 2) = r.ground;
            tatedata(sokutensuu, 3) = r.reference;
            tatedata(sokutensuu, 4) = r.curve;
        }
    }

    // The screen loaded with its defaults, then the boxes given.
    作図画面& Screen(const std::string& sh = "200", const std::string& sv = "100", const std::string& dl = "5") {
        作図画面& screen = forms::Get<作図画面>();
        screen.SH.SetText(sh);
        screen.SV.SetText(sv);
        screen.DL.SetText(dl);
        return screen;
    }

    // Presses 作図開始 (its click, as wired) and returns the executes as UTF-8 texts (each still with its CRs).
    std::vector<std::string> Press(作図画面& screen) {
        executes.clear();
        forms::script::Reset();
        screen.作図開始ボタン.OnClick();
        std::vector<std::string> texts;
        for (const std::string& e : executes) texts.push_back(rt::Cp932ToUtf8(e));
        return texts;
    }

    template <class T>
    int Count() const {
        int n = 0;
        for (const cad::Entity& e : drawing.Entities()) n += std::holds_alternative<T>(e.shape);
        return n;
    }

    void ExpectCadIdleAndClean() const {
        EXPECT_TRUE(commandLine.IsIdle()) << commandLine.Prompt();
        EXPECT_EQ(commandLine.Prompt(), "Command: ");
        EXPECT_EQ(commandLine.RejectionCount(), 0u)
            << (commandLine.Rejections().empty()
                    ? std::string()
                    : commandLine.Rejections().front().prompt + " <- " + commandLine.Rejections().front().input + ": " +
                          commandLine.Rejections().front().reason);
    }

    cad::Drawing drawing;
    cad::command::CommandLine commandLine{drawing};
    std::vector<std::string> executes;
    dde::ServerRegistration server{"AutoCAD LT.DDE", "System", [this](const std::string& bytes) {
                                       executes.push_back(bytes);
                                       commandLine.Type(bytes);
                                   }};
};

// The expected stream, written as the sheet's rules give it.
struct Stream {
    std::vector<std::string> lines;
    void Send(const std::string& line) { lines.push_back(line + "\r"); }
    void Pline(std::initializer_list<std::string> points) {
        std::string s = "PLINE ";
        for (const auto& p : points) s += p + " ";
        Send(s);
    }
    void Close() { lines.push_back("\r\r"); }
    void Text(const std::string& point, const std::string& height, const std::string& angle, const std::string& text) {
        for (const auto& a : {point, height, angle, text}) Send(a);
        Close();
    }
};

// Compares two streams line by line and names the first lines that differ.
inline void ExpectSameStream(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    int shown = 0;
    for (std::size_t k = 0; k < std::max(actual.size(), expected.size()) && shown < 5; ++k) {
        const std::string a = k < actual.size() ? actual[k] : "(none)",
                          e = k < expected.size() ? expected[k] : "(none)";
        if (a != e) {
            ADD_FAILURE() << "send " << k << ": got [" << a << "] expected [" << e << "]";
            ++shown;
        }
    }
    EXPECT_EQ(actual.size(), expected.size());
}

} // namespace profile_sheet_test
