#include "vantor/drawing/AutoCad設定画面.h"

#include "platform/forms/beep.h"
#include "platform/forms/desktop_file.h"
#include "platform/runtime/error.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/geometry/grid/入出力画面.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

constexpr int kLastListedType = 13; // types 0 .. 13: the list never offers the 2002 full product
constexpr char kNoProduct[] = "NOACAD";
constexpr char kStartUpDialog[] = "ｽﾀｰﾄｱｯﾌﾟ";
constexpr char kDrawingFilter[] = "DXFファイル (*.dxf)|*.dxf|図面ファイル (*.dwg)|*.dwg";

// A DXF file written whole ends with its end-of-file group.
bool EndsWithEndOfFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (!in || size < 0) return false;
    const std::streamoff tail = std::min<std::streamoff>(size, 16);
    std::string end(static_cast<std::size_t>(tail), '\0');
    in.seekg(size - tail);
    in.read(end.data(), tail);
    while (!end.empty() && (end.back() == '\n' || end.back() == '\r' || end.back() == ' ')) end.pop_back();
    return in && end.size() >= 3 && end.compare(end.size() - 3, 3, "EOF") == 0;
}

// A name chosen without an extension is saved as DXF.
std::string WithDrawingExtension(const std::string& path) {
    return std::filesystem::path(path).has_extension() ? path : path + ".dxf";
}

// The CAD writes the whole drawing as DXF to `file` (also under a .dwg name: DXF is the one
// format it writes); the file prompts answered by typing.
std::string DxfOutCommand(const std::string& file) {
    return std::string(2, '\x03') + "_FILEDIA 0\r_DXFOUT\r\"" + file + "\"\r\r_FILEDIA 1\r";
}

} // namespace

AutoCad設定画面::AutoCad設定画面() : forms::Form(forms::FormKind::Apart) {
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
    pellix1_ = 縦断bus::PlacePellix(*this, "Pellix1", 4020, 3300);
    pellix1_->OnAcadLoaded = [this] { Pellix1_OnAcadLoaded(); };
    pellix1_->OnAcadDialog = [this](std::int32_t window, const std::string& caption, const std::string& text,
                                    bool& close) { Pellix1_OnAcadDialog(window, caption, text, close); };
    pellix1_->OnAcadClose = [this] { Pellix1_OnAcadClose(); };
}

void AutoCad設定画面::LayOut() {
    SetCaption("AutoCad設定画面");
    Move(2400, 1800, 4800, 4200);
    ListBox1.Move(240, 240, 4200, 2400);
    Command1.SetCaption("選択完了");
    Command1.Move(240, 2790, 2010, 420);
    Command2.SetCaption("戻る");
    Command2.Move(2430, 2790, 2010, 420);
    msgbar.Move(240, 3360, 3660, 300);
}

void AutoCad設定画面::Form_Load() {
    LayOut();
    if (pellix1_->GetExecutMax() != 0) {
        forms::Get<入出力画面>().Show();
        return;
    }
    acadichiran();
}

void AutoCad設定画面::acadichiran() {
    pellix1_->SetVisible(false);
    pellix1_->SetInterval(200);
    const int saved = pellix1_->AcadType();
    ListBox1.Clear();
    ListBox1.AddItem(kNoProduct);
    int selected = 0;
    for (int type = 0; type <= kLastListedType; ++type) {
        pellix1_->SetAcadType(type);
        const std::string name = pellix1_->GetAutoCADName();
        if (!name.empty()) ListBox1.AddItem(name);
        if (type == saved) selected = ListBox1.ListCount() - 1;
    }
    pellix1_->SetAcadType(saved);
    ListBox1.SetListIndex(selected);
}

void AutoCad設定画面::Command1_Click() {
    const int type = pellix1_->GetACADNameType(ListBox1.Text());
    if (type <= 0) {
        forms::Beep();
        msgbar.SetCaption("AutoCADが指定されていません");
        return;
    }
    pellix1_->SetAcadType(type);
    if (!pellix1_->IsInstall()) {
        forms::Beep();
        msgbar.SetCaption("そのAutoCADはインストールされていません");
        return;
    }
    // A CAD that did not start leaves the user here to choose again: the drawing screen
    // would find nothing to draw in.
    if (!kidouacad()) {
        forms::Beep();
        msgbar.SetCaption(ListBox1.Text() + "を起動できませんでした");
        return;
    }
    msgbar.SetCaption("");
    forms::Get<作図画面>().Show();
    Hide();
}

bool AutoCad設定画面::kidouacad() {
    const bool savedMode = pellix1_->IsSDIMode();
    pellix1_->SetSDIMode(true);
    const bool started = pellix1_->Shell();
    pellix1_->SetSDIMode(savedMode);
    return started;
}

void AutoCad設定画面::Pellix1_OnAcadLoaded() {
    pellix1_->AcReSize(0, 0, 640, 480);
    pellix1_->SetEnabled(true);
}

void AutoCad設定画面::Pellix1_OnAcadDialog(std::int32_t, const std::string& DialogCaption, const std::string&,
                                           bool& DialogClose) {
    if (DialogCaption == kStartUpDialog) DialogClose = true;
}

void AutoCad設定画面::Pellix1_OnAcadClose() {
    pellix1_->SetEnabled(false);
    msgbar.SetCaption("作図が終了しました。");
}

void AutoCad設定画面::Command2_Click() {
    if (pellix1_->IsExecut() && !CloseCad()) return;
    pellix1_->SetEnabled(false);
    forms::Get<入出力画面>().Show();
    Unload();
}

bool AutoCad設定画面::CloseCad() {
    const int answer = forms::MsgBox("AutoCADを終了します。作図した図面をファイルに保存しますか？",
                                     forms::vbYesNoCancel + forms::vbQuestion);
    if (answer == forms::vbCancel) return false;
    std::string chosen;
    if (answer == forms::vbYes) {
        forms::CommonDialog dialog(*this);
        dialog.SetDialogTitle("図面の保存");
        dialog.SetFilter(kDrawingFilter);
        dialog.SetCancelError(true);
        try {
            dialog.ShowSave();
        } catch (const rt::Error& e) {
            if (e.Number() != rt::errDialogCancelled) throw;
            return false;
        }
        if (dialog.FileName().empty()) return false;
        chosen = WithDrawingExtension(dialog.FileName());
    }
    const std::string file = chosen.empty() ? std::string() : forms::DesktopFileName(chosen);
    // The name is typed at the CAD's prompt between double quotes.
    if (!chosen.empty() && (file.empty() || file.find_first_of("\"\r\n") != std::string::npos)) {
        forms::MsgBox("AutoCADは " + chosen + " に保存できません。別の名前か場所を選んでください。",
                      forms::vbExclamation);
        return false;
    }
    if (!chosen.empty() && !CadWroteDrawing(chosen, file)) {
        forms::MsgBox(
            "図面を " + chosen +
                " に保存できませんでした。AutoCADは図面を開いたまま続けます。別の名前か場所を選んでください。",
            forms::vbExclamation);
        return false;
    }
    // Saved (or not wanted): the drawing the CAD saves on closing goes to a temporary file.
    if (!pellix1_->Close("")) {
        forms::MsgBox("AutoCADを終了できませんでした。AutoCADの画面で確かめてください。", forms::vbExclamation);
        return false;
    }
    return true;
}

bool AutoCad設定画面::CadWroteDrawing(const std::string& chosen, const std::string& file) {
    std::error_code ec;
    const auto before = std::filesystem::last_write_time(chosen, ec);
    const bool existed = !ec;
    pellix1_->Command(DxfOutCommand(file));
    const auto after = std::filesystem::last_write_time(chosen, ec);
    if (ec || (existed && after == before)) return false;
    return EndsWithEndOfFile(chosen);
}
