#include "vantor/shoulder3d/shoulder/色設定画面.h"

#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"
#include "vantor/shoulder3d/shoulder/offset_lines.h"
#include "vantor/shoulder3d/shoulder/pen_colours.h"
#include "vantor/shoulder3d/shoulder/路肩作図設定画面.h"

using namespace 縦断bus;

namespace {

constexpr const char* kTabCaptions[kOffsetLines] = {"左L1", "左L2", "左L3", "左L4", "右L1", "右L2", "右L3", "右L4"};

} // namespace

色設定画面::色設定画面() : forms::Form(forms::FormKind::Apart) {
    for (int line = 0; line < kOffsetLines; ++line) {
        penFrames_.push_back(std::make_unique<forms::Frame>(絵(line)));
        forms::Frame& frame = *penFrames_.back();
        frame.SetCaption("ペンの色");
        for (int c = 0; c < kPenColours; ++c) {
            options_.push_back(std::make_unique<forms::OptionButton>(frame));
            const int index = line * kPenColours + c;
            options_.back()->SetCaption(std::string(kPenColourTable[c].caption));
            options_.back()->OnClick = [this, index] { OC_Click(index); };
        }
    }
    タブ図面.OnClick = [this] { タブ図面_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
}

void 色設定画面::Form_Load() { LayOut(); }

void 色設定画面::LayOut() {
    SetCaption("色設定画面");
    // Beside the shoulder screen, wide enough for all eight tabs.
    Move(10800, 300, 7200, 4500);
    タブ図面.Move(120, 120, 6840, 3300);
    タブ図面.SetTabCaption(1, kTabCaptions[0]);
    for (int line = 1; line < kOffsetLines; ++line) タブ図面.AddTab(kTabCaptions[line]);
    for (int page = 0; page < kOffsetLines; ++page) {
        絵(page).Move(タブ図面.ClientLeft(), タブ図面.ClientTop(), タブ図面.ClientWidth(), タブ図面.ClientHeight());
        penFrames_[page]->Move(240, 120, 4320, 2160);
        for (int c = 0; c < kPenColours; ++c)
            OC(page * kPenColours + c).Move(240 + 2040 * (c / 4), 360 + 420 * (c % 4), 1800, 300);
    }
    絵(0).ZOrder(0);
    Command1.SetCaption("戻る");
    Command1.Move(5520, 3540, 1440, 450);
}

forms::OptionButton& 色設定画面::OC(int index) const {
    if (index < 0 || index >= static_cast<int>(options_.size()))
        rt::Raise(rt::errSubscript, "no element " + rt::CStr(static_cast<long long>(index)));
    return *options_[index];
}

int 色設定画面::ChosenColour(int line) const {
    for (int c = 0; c < kPenColours; ++c)
        if (OC(line * kPenColours + c).Value()) return c;
    return -1;
}

std::string_view 色設定画面::CadColour(int line) const {
    const int c = ChosenColour(line);
    return c < 0 ? kDefaultCadColour : kPenColourTable[c].cadName;
}

long 色設定画面::BoxColour(int line) const {
    const int c = ChosenColour(line);
    return c < 0 ? kPenColourTable[0].boxColour : kPenColourTable[c].boxColour;
}

void 色設定画面::タブ図面_Click() { 絵(タブ図面.SelectedItem() - 1).ZOrder(0); }

void 色設定画面::OC_Click(int index) {
    // The shoulder screen takes the colours of its boxes from here when it loads again.
    if (!forms::IsLoaded<路肩作図設定画面>()) return;
    const int line = index / kPenColours, c = index % kPenColours;
    forms::Get<路肩作図設定画面>().LINEチェック(line).SetForeColor(kPenColourTable[c].boxColour);
}

void 色設定画面::Command1_Click() {
    forms::Get<路肩作図設定画面>().Show();
    Hide();
}
