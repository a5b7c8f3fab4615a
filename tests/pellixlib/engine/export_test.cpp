// Export of selected objects as DXF and extraction of attributes, reported by the file the
// product wrote.
#include "engine_fixture.h"
#include "tests/support/run_python.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

struct Export : Engine {
    std::string dxf;
    void Start(TAcadIndex index = 6) {
        Engine::Start(index);
        dxf = GetTempDir() + "part.dxf";
        cad->TypeFromUser("_LINE 0,0 10,10 \r_CIRCLE 50,50 5\r");
    }
    // "lines circles" in the file, read by ezdxf.
    static std::string EntitiesIn(const std::string& file) {
        return test_support::RunPython(
            "-c \"import ezdxf,sys; m=ezdxf.readfile(sys.argv[1]).modelspace(); print(len(m.query('LINE')), "
            "len(m.query('CIRCLE')))\" '" +
            desk::ToNativePath(file).string() + "'");
    }
};

} // namespace

TEST_F(Export, SelectDxfExportsTheCallersSelectionWithTheFileDialogsOffMeanwhile) {
    Start();
    ASSERT_TRUE(acad->SelectDxf("ALL\r\r", dvDXF2000, dxf, false, false));
    EXPECT_EQ(Typed(), (std::vector<std::string>{"\x03\x03_FILEDIA ", "0\r",
                                                 "\x03\x03_DxfOut\r\"" + dxf + "\"\r'FILEDIA 1\rO auto\r", "ALL\r\r",
                                                 "V 2000\r16\r\x03\x03"}));
    EXPECT_EQ(cad->Variables().filedia, 1);
    EXPECT_EQ(EntitiesIn(dxf), "1 1\n");
    EXPECT_FALSE(acad->Busy());
}

TEST_F(Export, SelectDxfWithSingleSelectWaitsForTheUsersChoice) {
    Start();
    WhenWaiting([this] { cad->TypeFromUser("W -1,-1 20,20 "); });
    ASSERT_TRUE(acad->SelectDxf("", dvDXFNA, dxf, true, false));
    EXPECT_EQ(Typed()[2], "\x03\x03_DxfOut\r\"" + dxf + "\"\r'FILEDIA 1\rO single\r");
    EXPECT_EQ(Typed().back(), "16\r\x03\x03");
    EXPECT_EQ(EntitiesIn(dxf), "1 0\n");
}

TEST_F(Export, AVersionBeyondTheProductsIsRefusedWithoutTypingAndAnOlderOneIsAsked) {
    Start(8); // writes DXF up to R14
    EXPECT_FALSE(acad->SelectDxf("ALL\r\r", dvDXF2000, dxf, false, false));
    EXPECT_TRUE(Typed().empty());
    EXPECT_TRUE(acad->SelectDxf("ALL\r\r", dvDXFR14, dxf, false, false));
    EXPECT_EQ(Typed().back(), "V R14\r16\r\x03\x03");
    EXPECT_FALSE(acad->SelectDxf("", dvDXFNA, "", false, false));
}

TEST_F(Export, AnExportThatFailsPutsTheFileDialogsBack) {
    Start();
    // The product writes no binary DXF.
    EXPECT_FALSE(acad->SelectDxf("ALL\r\r", dvDXF2000, dxf, false, true));
    EXPECT_EQ(Typed().end()[-2], "V 2000\rB\r\x03\x03");
    EXPECT_EQ(Typed().back(), "\x03\x03_FILEDIA 1\r");
    EXPECT_EQ(cad->Variables().filedia, 1);
    EXPECT_FALSE(FileExistsEx(dxf));

    // The product does not take the export command after the dialogs were switched off.
    RefuseTexts(acad->MainWnd(), [](const std::string& text) { return text.starts_with("\x03\x03_DxfOut"); });
    EXPECT_FALSE(acad->SelectDxf("ALL\r\r", dvDXF2000, dxf, false, false));
    EXPECT_EQ(Typed().back(), "\x03\x03_FILEDIA 1\r");
    EXPECT_EQ(cad->Variables().filedia, 1);
}

// The product never takes the answer, so its prompt never comes back: the wait for it rests
// between its looks (at most 10 ms each) until it is given up a second later.
TEST_F(Export, AWaitForAPromptThatNeverComesRestsBetweenItsLooks) {
    Start();
    RefuseTexts(acad->MainWnd(), [](const std::string& text) { return text.starts_with("V 2000"); });
    const desk::DWORD start = desk::GetTickCount();
    int waits = 0;
    SetWaitProc([&](desk::HWND wnd, bool& keepWaiting) {
        DefaultWaitProc(wnd, keepWaiting);
        if (desk::GetTickCount() - start >= 1000 || ++waits > 5000) keepWaiting = false;
    });
    EXPECT_FALSE(acad->SelectDxf("ALL\r\r", dvDXF2000, dxf, false, false));
    EXPECT_GE(waits, 100);
    EXPECT_LE(waits, 120);
}

TEST_F(Export, SelectAttAnswersTheFormatPromptForEachOutputType) {
    Start();
    const std::string templateFile = GetTempDir() + "tpl.txt";
    ASSERT_TRUE(SaveTextFile(templateFile, "BL:NAME C008000\nBL:X N010004\n"));
    struct Case {
        TAttOutType type;
        std::string out;
        std::string format;
    };
    const Case cases[] = {
        {atCDFOUT, GetTempDir() + "att.txt", "C \"" + templateFile + "\"\r"},
        {atSDFOUT, GetTempDir() + "att.sdf", "S \"" + templateFile + "\"\r"},
        {atDXXOUT, GetTempDir() + "att.dxx", "D "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        const std::size_t before = Typed().size();
        WhenWaiting([this] { cad->TypeFromUser("ALL\r\r"); });
        EXPECT_TRUE(acad->SelectAtt(c.type, c.type == atDXXOUT ? "" : templateFile, c.out, false));
        const std::vector<std::string> all = Typed();
        const std::vector<std::string> typed(all.begin() + static_cast<long>(before), all.end());
        EXPECT_EQ(typed, (std::vector<std::string>{"\x03\x03_FILEDIA ", "\x03\x03", "\x03\x03_-AtText O auto\r",
                                                   "'FILEDIA 0\r" + c.format + "\"" + c.out +
                                                       "\"\r\x03_FILEDIA 1\r\x03\x03"}));
        EXPECT_TRUE(FileExistsEx(c.out));
        EXPECT_EQ(cad->Variables().filedia, 1);
    }
}

TEST_F(Export, SelectAttRefusesWithoutTypingWhatCannotBeExtracted) {
    Start(8);
    const std::string templateFile = GetTempDir() + "tpl.txt";
    ASSERT_TRUE(SaveTextFile(templateFile, "BL:NAME C008000\n"));
    EXPECT_FALSE(acad->SelectAtt(atCDFOUT, templateFile, "", false));
    EXPECT_FALSE(acad->SelectAtt(atCDFOUT, templateFile, templateFile, false));
    EXPECT_FALSE(acad->SelectAtt(atSDFOUT, GetTempDir() + "none.txt", GetTempDir() + "a.txt", false));
    EXPECT_TRUE(Typed().empty());
    // A product with one drawing takes the command without its dash.
    WhenWaiting([this] { cad->TypeFromUser("ALL\r"); });
    EXPECT_TRUE(acad->SelectAtt(atCDFOUT, templateFile, GetTempDir() + "a.txt", true));
    EXPECT_EQ(Typed()[2], "\x03\x03_AtText O single\r");
}
