#include "vantor/shoulder3d/model3d/sakuzu3d.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/conversion.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/plan/sakuzuheimen.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/drawing_settings.h"
#include "vantor/shoulder3d/model3d/model_lines.h"
#include "vantor/shoulder3d/model3d/設定3D画面.h"
#include "vantor/shoulder3d/model3d/追加作図.h"

#include <vector>

namespace 縦断bus {

namespace {

constexpr char kNoModel[] = "３Ｄモデルがまだありません。先に「作図開始」で３Ｄモデルを作図してください。";

struct Chain {
    std::vector<ModelPoint> centre, left, right;
};

// The points of interval i from station i through its sub-points to station i + 1.
Chain ChainOf(int i) {
    Chain chain;
    auto add = [&](int row, int s) {
        chain.centre.push_back(CentrePoint(row, s));
        chain.left.push_back({d3hidarix(row, s), d3hidariy(row, s), d3hidarizsakuzu(row, s)});
        chain.right.push_back({d3migix(row, s), d3migiy(row, s), d3migizsakuzu(row, s)});
    };
    const int last = d3tensuu(i);
    for (int s = 0; s <= last; ++s) add(i, s);
    add(i + 1, 0);
    return chain;
}

void DrawIntervals() {
    const int n = d3sokutensuu;
    for (int i = 1; i <= n - 1; ++i) {
        const Chain chain = ChainOf(i);
        const std::size_t segments = chain.centre.size() - 1;
        for (std::size_t m = 0; m < segments; ++m) SendModelLine(chain.centre[m], chain.centre[m + 1]);
        for (std::size_t m = 0; m < segments; ++m) {
            SendModelLineIfWhole(chain.left[m], chain.left[m + 1]);
            SendModelLineIfWhole(chain.right[m], chain.right[m + 1]);
        }
    }
}

void DrawExtras(const Model3dExtras& extras) {
    if (extras.allWidths) sakuzufukuinzenten();
    if (extras.stationWidths) sakuzufukuinsokuten();
    if (extras.heights) sakuzutakasa();
    if (extras.projection) sakuzuheimen(planSettings);
}

void Tell(const std::string& text) { forms::MsgBox(text, forms::vbExclamation); }

} // namespace

bool DrawModel3d(const Model3dSettings& settings, const Model3dExtras& extras) {
    if (const std::string fault = ModelFault(); !fault.empty()) {
        Tell(fault);
        return false;
    }
    const ModelBuild build = BuildModel(settings);
    if (!build.fault.empty()) {
        Tell(build.fault);
        return false;
    }
    const bool drawn = cad_channel::RunDrawing([&] {
        DrawIntervals();
        DrawExtras(extras);
    });
    if (const std::string notice = ModelNotice(build); drawn && !notice.empty())
        forms::MsgBox(notice, forms::vbInformation);
    return drawn;
}

bool DrawModelExtras(const Model3dExtras& extras) {
    if (d3sokutensuu < 2) {
        Tell(kNoModel);
        return false;
    }
    if (extras.projection && !HasPlanPositions()) {
        Tell("測点の平面位置がありません。作図画面の平面図で「ｾﾝﾀｰ・測点作図」を押して平面線形を計算してから"
             "平面投影図を作図してください。");
        return false;
    }
    return cad_channel::RunDrawing([&] { DrawExtras(extras); });
}

bool sakuzu3d() {
    const 設定3D画面& screen = forms::Get<設定3D画面>();
    const Model3dSettings settings{rt::Val(screen.DL.Text()), planSettings.scale};
    Model3dExtras extras;
    extras.allWidths = screen.幅員op(0).Value();
    extras.stationWidths = !extras.allWidths && screen.幅員op(1).Value();
    extras.heights = screen.高さチェック.Value() == forms::vbChecked;
    extras.projection = screen.投影チェック.Value() == forms::vbChecked;
    return DrawModel3d(settings, extras);
}

} // namespace 縦断bus
