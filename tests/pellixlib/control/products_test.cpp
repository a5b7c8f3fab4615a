// Every product of the table, started through the control, answers the library's sequences as
// the library expects them of that product: a DXF export, system variables and an attribute
// extraction each finish within seconds, and the DXF written reads back without audit errors.
#include "control_fixture.h"

#include "platform/desktop/clock.h"
#include "platform/desktop/files.h"
#include "platform/desktop/window.h"
#include "platform/runtime/number_text.h"
#include "tests/support/run_python.h"

#include <chrono>
#include <fstream>
#include <iterator>

using namespace pellix;
using namespace pellix::testing;

namespace {

struct Product {
    TAcadType type;
    TAcadIndex index;
};

void PrintTo(const Product& p, std::ostream* os) { *os << GetInstName(p.index); }

// "AutoCADLT95" and the like.
std::string CaseName(const ::testing::TestParamInfo<Product>& info) {
    std::string name = GetInstName(info.param.index);
    std::erase(name, ' ');
    return name;
}

constexpr Product kProducts[] = {
    {atACLT95, 1}, {atACLT97, 2}, {atACLT98, 3},   {atACLT2000, 4},   {atACLT2000i, 5}, {atACLT2002, 6},
    {atACAD13, 7}, {atACAD14, 8}, {atACAD2000, 9}, {atACAD2000i, 10}, {atACAD2002, 11},
};

std::string FileBytes(const std::string& path) {
    std::ifstream in(desk::ToNativePath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A sequence whose prompt never comes would wait for good: every wait of the library on the
// product ends once this much real time has passed since the sequence began.
constexpr auto kBound = std::chrono::seconds(5);

struct EveryProduct : ControlDesktop, ::testing::WithParamInterface<Product> {
    std::chrono::steady_clock::time_point began = std::chrono::steady_clock::now();

    // Runs one sequence of the library, its waits bounded; whether it succeeded in time.
    bool Bounded(const std::function<bool()>& sequence) {
        began = std::chrono::steady_clock::now();
        const bool done = sequence();
        return done && std::chrono::steady_clock::now() - began < kBound;
    }
};

} // namespace

TEST_P(EveryProduct, ExportsTheDxfReadsVariablesAndExtractsAttributesWithinSeconds) {
    const Product p = GetParam();
    Install(p.index, "C:\\Program Files\\CAD" + rt::CStr(static_cast<long long>(p.index)));
    const auto c = Load([&](TAcadControl& k) { k.SetAcadType(p.type); });
    ASSERT_TRUE(c->Shell());
    ASSERT_EQ(c->Version(), p.type);
    cad::app::Instance& cad = *cad::app::RunningInstances().front();
    if (const desk::HWND dialog = cad.Windows().startupDialog) desk::SendMessage(dialog, desk::WM_CLOSE, 0, 0);
    AddWaitCallback(c->Engine().MainWnd(), [this](desk::HWND, bool& keepWaiting) {
        if (std::chrono::steady_clock::now() - began >= kBound) keepWaiting = false;
    });
    cad.TypeFromUser("_LINE 0,0 10,10 \r_CIRCLE 50,50 5\r_BLOCK MARK 50,50 W 44,44 56,56 \r_INSERT MARK 20,30 1 1 0\r");
    ASSERT_EQ(cad.commandLine().RejectionCount(), 0u);

    const std::string dxf = GetTempDir() + "part.dxf";
    c->SetDxfFile(dxf);
    c->SetDxfVersion(GetInstDxfVersion(p.index));
    c->SetSelAddCmd("ALL\r\r");
    EXPECT_TRUE(Bounded([&] { return c->SelectDxf(false); })) << "DXF export";
    EXPECT_EQ(test_support::RunPython("-c \"import ezdxf,sys; d=ezdxf.readfile(sys.argv[1]); a=d.audit(); "
                                      "print(len(a.errors), len(d.modelspace()))\" '" +
                                      desk::ToNativePath(dxf).string() + "'"),
              "0 " + rt::CStr(static_cast<long long>(cad.drawing().Entities().size())) + "\n");

    std::string value;
    EXPECT_TRUE(Bounded([&] { return c->GetVar("LUPREC", value); }));
    EXPECT_EQ(value, "4");
    EXPECT_TRUE(Bounded([&] { return c->GetVar("DWGNAME", value); }));
    EXPECT_EQ(value, "\"Drawing1.dwg\"");

    const std::string templateFile = GetTempDir() + "tpl.txt";
    ASSERT_TRUE(SaveTextFile(templateFile, "BL:NAME C008000\nBL:X N010004\n"));
    c->SetAttOutType(atCDFOUT);
    c->SetAttTempFile(templateFile);
    c->SetAttOutFile(GetTempDir() + "att.txt");
    desk::testing::At(desk::GetTickCount() + 1, [&cad] { cad.TypeFromUser("ALL\r\r"); });
    EXPECT_TRUE(Bounded([&] { return c->SelectAtt(false); })) << "attribute extraction";
    EXPECT_EQ(FileBytes(GetTempDir() + "att.txt"), "'MARK',20.0000\r\n");
    EXPECT_TRUE(cad.commandLine().IsIdle());
    RemoveWaitCallbacks(c->Engine().MainWnd());
}

INSTANTIATE_TEST_SUITE_P(ProductTable, EveryProduct, ::testing::ValuesIn(kProducts), CaseName);
