#include "pipeline.h"

#include "cad/dxf/dxf_writer.h"
#include "platform/forms/forms.h"
#include "platform/forms/script.h"
#include "platform/workbook/workbook.h"
#include "vantor/drawing/plan/作図選択画面.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/document.h"
#include "vantor/sections/earthwork/土坪画面.h"
#include "vantor/sections/keisanyokokoubai.h"
#include "vantor/sections/sakuzuyoko.h"
#include "vantor/shell/lifecycle/document_lifecycle.h"
#include "vantor/shoulder3d/model3d/model_build.h"
#include "vantor/shoulder3d/model3d/sakuzu3d.h"
#include "vantor/shoulder3d/shoulder/路肩作図設定画面.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace pipeline_bench {

namespace {

using namespace 縦断bus;

// Open as the user does it: the changes the drawing commands made to the document before are
// not saved.
bool Open(const std::string& path) {
    if (xlbook && !xlbook->Saved()) forms::script::QueueMsgBoxAnswer(forms::vbNo);
    forms::script::QueueFileName(path);
    hiraku();
    return fairumei == path && bukkujoutai == 2;
}

bool OpenProfile(Pipeline& p) { return Open(p.Paths().profile) && sokutensuu == kProfileStations; }

bool OpenRoad(Pipeline& p) { return Open(p.Paths().road) && sokutensuu == kRoadStations; }

// The profile sheet at 1:1000 by 1:100 from datum 0, as the drawing screen sends it.
bool ProfileSheet(Pipeline& p) {
    作図画面& screen = forms::Get<作図画面>();
    screen.SH.SetText("1000");
    screen.SV.SetText("100");
    screen.DL.SetText("0");
    const long before = p.CurrentCad().sends;
    screen.作図開始ボタン_Click();
    return p.CurrentCad().sends > before;
}

// The plan command, then what its message asks for: the widths of the stations it added
// typed in, and the cross slopes computed again.
bool PlanCommand(Pipeline&) {
    forms::Get<作図画面>().作図平面_Click();
    for (int r = 1; r <= sokutensuu; ++r) {
        if (yokodata(r, 2) == kEmpty) yokodata(r, 2) = 3;
        if (yokodata(r, 9) == kEmpty) yokodata(r, 9) = 3.5f;
    }
    return ComputeCrossSlopes().computed && heimensokutensuu == sokutensuu && sokutensuu > kRoadStations;
}

bool Plan(Pipeline& p) {
    作図選択画面& choice = forms::Get<作図選択画面>();
    for (int box = 0; box <= 2; ++box) choice.作図ボタン(box).SetValue(forms::vbChecked);
    const long before = p.CurrentCad().sends;
    choice.作図_Click();
    return p.CurrentCad().sends > before;
}

// The shoulder screen opened, the offsets of every station of the list typed in, all eight
// lines checked and drawn.
bool ShoulderLines(Pipeline& p) {
    路肩作図設定画面& screen = forms::Get<路肩作図設定画面>();
    FillShoulderOffsets();
    for (int k = 0; k <= 7; ++k) screen.LINEチェック(k).SetValue(forms::vbChecked);
    const long before = p.CurrentCad().sends;
    screen.Toolbar1_ButtonClick(screen.Toolbar1.Buttons("作図"));
    return p.CurrentCad().sends > before;
}

// The 3D model from datum 0 at 縮尺 500 with the most the settings screen draws with it: a
// width line at every sub-point and the height lines.
bool Model3d(Pipeline&) {
    return DrawModel3d({0, 500}, {.allWidths = true, .stationWidths = false, .heights = true, .projection = false});
}

bool OpenSections(Pipeline& p) { return Open(p.Paths().sections) && sokutensuu == kSectionStations; }

bool EarthworkAreas(Pipeline&) {
    forms::Get<土坪画面>().一括計算_Click();
    return kiridomenseki(1) > 0 && moridomenseki(2) > 0;
}

bool CrossSections(Pipeline&) { return sakuzuyoko(sectionSettings); }

// The documents written by a program on the offscreen platform.
Documents OffscreenDocuments(const std::string& folder) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return WriteDocuments(folder);
}

bool WriteDxf(Pipeline& p) {
    cad::dxf::WriteDxf(p.CurrentCad().drawing, p.DxfPath());
    return std::filesystem::file_size(p.DxfPath()) > 0;
}

} // namespace

Cad::Cad() {
    // The planned section: a crown with edges 3 m out falling 2 %; the ground through its base.
    cad::Polyline formation;
    formation.vertices = {{-3000, -60}, {0, 0}, {3000, -60}};
    drawing.SetBlock(cad::Block{kPlannedBlock, {0, 0}, {cad::Entity{formation, cad::kByLayer}}});
    cad::Polyline ground;
    ground.vertices = {{-15000, -800}, {0, 0}, {15000, 1200}};
    drawing.SetBlock(cad::Block{kGroundBlock, {0, 0}, {cad::Entity{ground, cad::kByLayer}}});
}

const std::vector<Stage>& Stages() {
    static const std::vector<Stage> stages = {
        {"open profile", OpenProfile},
        {"profile sheet", ProfileSheet},
        {"open road", OpenRoad},
        {"plan command", PlanCommand},
        {"plan", Plan},
        {"3D model", Model3d},
        {"shoulder lines", ShoulderLines},
        {"open sections", OpenSections},
        {"earthwork areas", EarthworkAreas},
        {"cross-sections", CrossSections},
        {"write DXF", WriteDxf},
    };
    return stages;
}

std::size_t StageIndex(const std::string& name) {
    for (std::size_t index = 0; index < Stages().size(); ++index)
        if (Stages()[index].name == name) return index;
    throw std::invalid_argument("no stage '" + name + "'");
}

Pipeline::Pipeline(const std::string& folder) : Pipeline(folder, OffscreenDocuments(folder)) { Restart(); }

Pipeline::Pipeline(const std::string& folder, const Documents& written)
        : documents_(written), dxf_(folder + "/pipeline.dxf") {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    server_ = std::make_unique<dde::ServerRegistration>("AutoCAD LT.DDE", "System", [this](const std::string& bytes) {
        ++cad_->sends;
        cad_->commandLine.Type(bytes);
    });
}

void Pipeline::Restart() {
    RestartProgram();
    cad_ = std::make_unique<Cad>();
}

void Pipeline::Start() {
    StartProgram();
    cad_ = std::make_unique<Cad>();
}

void Pipeline::Run(std::size_t index) {
    const Stage& stage = Stages().at(index);
    if (!stage.run(*this)) {
        std::string message = std::string("stage '") + stage.name + "' failed";
        if (!forms::script::Messages().empty()) message += ": " + forms::script::Messages().back().prompt;
        throw std::runtime_error(message);
    }
}

} // namespace pipeline_bench
