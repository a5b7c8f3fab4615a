#include "cad/command/japanese_texts.h"

#include <optional>
#include <utility>
#include <vector>

namespace cad::command {

namespace {

constexpr std::string_view kSlot = "{}";

// English and Japanese; the first entry that fits a text is taken, so a fixed text comes
// before a pattern that would also fit it.
constexpr std::pair<std::string_view, std::string_view> kTexts[] = {
    // prompts
    {"Select objects: ", "オブジェクトを選択: "},
    {"First corner: ", "一方のコーナーを指定: "},
    {"Other corner: ", "もう一方のコーナーを指定: "},
    {"Specify point: ", "点を指定: "},
    {"Start point: ", "始点を指定: "},
    {"Next point or Enter to end: ", "次の点を指定 または Enter で終了: "},
    {"First point or Enter to continue: ", "1 点目を指定 または Enter で続行: "},
    {"Centre point: ", "中心点を指定: "},
    {"Radius: ", "半径を指定: "},
    {"Radius <{}>: ", "半径を指定 <{}>: "},
    {"Centre option [C]: ", "オプションを選択 [中心(C)]: "},
    {"End point (counter-clockwise): ", "終点を指定 (反時計回り): "},
    {"Start point of text or Enter to continue: ", "文字列の始点を指定 または Enter で続行: "},
    {"Height <{}>: ", "高さを指定 <{}>: "},
    {"Rotation angle: ", "回転角度を指定: "},
    {"Rotation angle <{}>: ", "回転角度を指定 <{}>: "},
    {"Text: ", "文字列を入力: "},
    {"Base point: ", "基点を指定: "},
    {"Second point or Enter to use the base point as displacement: ",
     "目的点を指定 または Enter で基点を移動距離として使用: "},
    {"Window corner or [All/Extents]: ", "窓の一方のコーナーを指定 または [すべて(A)/オブジェクト範囲(E)]: "},
    {"Block name: ", "ブロック名を入力: "},
    {"Insertion point: ", "挿入位置を指定: "},
    {"X scale factor <1>: ", "X 尺度を入力 <1>: "},
    {"Y scale factor <{}>: ", "Y 尺度を入力 <{}>: "},
    {"Block {} already exists. Redefine it? [Yes/No] <No>: ",
     "ブロック {} は既に存在します。再定義しますか? [はい(Y)/いいえ(N)] <N>: "},
    {"Insertion base point: ", "挿入基点を指定: "},
    {"New current colour <{}>: ", "新しい現在の色を入力 <{}>: "},
    {"Enter file name <{}>: ", "ファイル名を入力 <{}>: "},
    {"Enter decimal places of accuracy (0 to 16)/Objects/Version/Binary <16>: ",
     "精度として小数点以下の桁数を入力 (0 ～ 16)/オブジェクト(O)/バージョン(V)/バイナリ(B) <16>: "},
    {"Enter DXF format [R12/R13/R14/2000] <2000>: ", "DXF 形式を入力 [R12/R13/R14/2000] <2000>: "},
    {"CDF, SDF or DXF [Extract file format] or Objects <C>: ",
     "属性の書き出し形式 [CDF(C)/SDF(S)/DXF(D)] またはオブジェクト(O) <C>: "},
    {"Enter template file name: ", "テンプレート ファイル名を入力: "},
    {"Enter extract file name <{}>: ", "抽出ファイル名を入力 <{}>: "},
    {"Enter file format [R14/2000] <2000>: ", "ファイル形式を入力 [R14/2000] <2000>: "},
    {"Save drawing as <{}>: ", "図面を保存するファイル名を入力 <{}>: "},
    {"A drawing with this name already exists. Replace it? [Yes/No] <N>: ",
     "同じ名前の図面が既にあります。置き換えますか? [はい(Y)/いいえ(N)] <N>: "},
    {"Save changes to {}? [Yes/No/Cancel] <Yes>: ",
     "{} への変更を保存しますか? [保存(Y)/保存しない(N)/キャンセル(C)] <Y>: "},
    {"Enter script file name <{}>: ", "スクリプト ファイル名を入力 <{}>: "},
    {"Enter new value for {} <{}>: ", "{} の新しい値を入力 <{}>: "},
    {"Drawing file to open: ", "開く図面ファイルを入力: "},
    {"DXF file to save the drawing as: ", "図面を保存する DXF ファイルを入力: "},
    {"Number of commands to undo <1>: ", "元に戻すコマンドの数を入力 <1>: "},
    // answers refused
    {"Control character ignored.", "制御文字は無視されました。"},
    {"Input longer than {} characters refused.", "{} 文字を超える入力は受け付けられません。"},
    {"Not a valid Japanese text (code page 932).", "日本語の文字 (コードページ 932) として読めません。"},
    {"Unknown command \"{}\".", "コマンド \"{}\" は不明です。"},
    {"Value must be positive and nonzero.", "値は正の数でなければなりません。"},
    {"Value must be nonzero.", "値は 0 以外でなければなりません。"},
    {"Invalid input.", "入力が無効です。"},
    {"No corner given; window abandoned.", "コーナーが指定されなかったので窓選択を中止しました。"},
    {"Point expected.", "点を指定してください。"},
    {"Point or option keyword expected.", "点またはオプション キーワードを指定してください。"},
    {"Number expected.", "数値を入力してください。"},
    {"Option keyword expected.", "オプション キーワードを入力してください。"},
    {"Expects W (window), C (crossing), ALL or Enter.", "W (窓)、C (交差)、ALL または Enter を入力してください。"},
    {"Expects W (window), C (crossing), ALL, SINGLE, AUTO or Enter.",
     "W (窓)、C (交差)、ALL、SINGLE、AUTO または Enter を入力してください。"},
    {"Invalid block name.", "ブロック名が無効です。"},
    {"Colour name or number 0 to 256 expected.", "色名または 0 ～ 256 の色番号を入力してください。"},
    {"Enter C for the centre option.", "中心を指定するには C を入力してください。"},
    {"The centre must differ from the start point.", "中心は始点と異なる点でなければなりません。"},
    {"The end point must lie in another direction from the centre than the start point.",
     "終点は中心から見て始点と異なる方向になければなりません。"},
    {"The zoom window has no area.", "ズーム窓に面積がありません。"},
    {"Requires an integer between 0 and 16, or O, V or B.", "0 ～ 16 の整数、または O、V、B を入力してください。"},
    {"Binary DXF is not written; enter the decimal places.",
     "バイナリ DXF は書き出せません。小数点以下の桁数を入力してください。"},
    {"Requires an integer between {} and {}.", "{} ～ {} の整数を入力してください。"},
    {"A whole number of commands expected.", "コマンドの数を整数で入力してください。"},
    {"No system variables here.", "ここにはシステム変数がありません。"},
    {"{} is not available here.", "{} はここでは使用できません。"},
    // what the commands report
    {"Block {} could not be loaded: {}", "ブロック {} を読み込めませんでした: {}"},
    {"Block {} not found.", "ブロック {} が見つかりません。"},
    {"Nothing selected; block {} not defined.", "何も選択されなかったので、ブロック {} は定義されませんでした。"},
    {"Block {} would contain itself; not defined.", "ブロック {} は自身を含むことになるので、定義されませんでした。"},
    {"Block {} redefined.", "ブロック {} を再定義しました。"},
    {"A polyline needs two points; nothing drawn.", "ポリラインには 2 点が必要です。何も作図されませんでした。"},
    {"No line or arc to continue.", "続ける線分または円弧がありません。"},
    {"No radius given; nothing drawn.", "半径が指定されなかったので、何も作図されませんでした。"},
    {"{} could not be exploded.", "{} 個は分解できませんでした。"},
    {"{} found", "{} 個を検出"},
    {"The file is written in DXF 2000 format.", "ファイルは DXF 2000 形式で書き出されます。"},
    {"{} = \"{}\" (read only)", "{} = \"{}\" (読み込み専用)"},
    {"Nothing to undo.", "元に戻す操作はありません。"},
    {"Everything has been undone.", "すべて元に戻しました。"},
    {"{} undone.", "{} を元に戻しました。"},
    {"Drawing saved as {}", "図面を {} に保存しました"},
    {"Template line \"{}\" is not NAME Cwwwddd or NAME Nwwwddd",
     "テンプレートの行 \"{}\" は NAME Cwwwddd または NAME Nwwwddd の形ではありません"},
    // files of the program the command line runs in
    {"cannot write {}: {}", "{} に書き込めません: {}"},
    {"cannot write {}", "{} に書き込めません"},
    {"Cannot write {}", "{} に書き込めません"},
    {"Cannot read {}", "{} を読み込めません"},
    {"{} is not a text in code page 932", "{} はコードページ 932 の文字ではありません"},
    {"{}: cannot open the file", "{}: ファイルを開けません"},
    {"{}: not an ASCII DXF file", "{}: ASCII 形式の DXF ファイルではありません"},
    {"{}: cannot read the file", "{}: ファイルを読み込めません"},
    {"{} entities of paper space not read", "ペーパー空間の図形 {} 個は読み込まれませんでした"},
    {"{} polygon meshes not read", "ポリゴン メッシュ {} 個は読み込まれませんでした"},
    {"{}: not read, as this CAD does not draw them: {}", "{}: この CAD では作図できないので読み込まれませんでした: {}"},
};

// The single-drawing releases' own wordings, taken before the table above.
constexpr std::pair<std::string_view, std::string_view> kSingleDrawingTexts[] = {
    {"Enter decimal places of accuracy (0 to 16)/Objects/Version/Binary <16>: ",
     "精度を入力 (小数点以下の桁数 0 ～ 16)/オブジェクト(O)/バージョン(V)/バイナリ(B) <16>: "},
};

// The texts that fill the slots of `pattern` in `text`; none when the text does not fit it.
std::optional<std::vector<std::string_view>> Fill(std::string_view pattern, std::string_view text) {
    std::vector<std::string_view> pieces;
    for (std::size_t from = 0;;) {
        const std::size_t slot = pattern.find(kSlot, from);
        pieces.push_back(pattern.substr(from, slot == std::string_view::npos ? std::string_view::npos : slot - from));
        if (slot == std::string_view::npos) break;
        from = slot + kSlot.size();
    }
    if (pieces.size() == 1) return text == pattern ? std::optional(std::vector<std::string_view>{}) : std::nullopt;
    if (!text.starts_with(pieces.front())) return std::nullopt;
    std::vector<std::string_view> slots;
    std::size_t at = pieces.front().size();
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        const bool last = i + 1 == pieces.size();
        // The last piece ends the text; a piece between slots is its next occurrence.
        const std::size_t found =
            last ? (text.size() >= at + pieces[i].size() && text.ends_with(pieces[i]) ? text.size() - pieces[i].size()
                                                                                      : std::string_view::npos)
                 : text.find(pieces[i], at);
        if (found == std::string_view::npos || (pieces[i].empty() && !last)) return std::nullopt;
        slots.push_back(text.substr(at, found - at));
        at = found + pieces[i].size();
    }
    return slots;
}

// The Japanese text by the first entry of `texts` that fits; none when no entry does.
template <std::size_t N>
std::optional<std::string> Translate(const std::pair<std::string_view, std::string_view> (&texts)[N],
                                     std::string_view english) {
    for (const auto& [pattern, japanese] : texts) {
        const auto slots = Fill(pattern, english);
        if (!slots) continue;
        std::string out;
        std::size_t next = 0, from = 0;
        for (std::size_t slot = japanese.find(kSlot); slot != std::string_view::npos;
             slot = japanese.find(kSlot, from)) {
            out.append(japanese.substr(from, slot - from));
            out.append((*slots)[next++]);
            from = slot + kSlot.size();
        }
        out.append(japanese.substr(from));
        return out;
    }
    return std::nullopt;
}

} // namespace

std::string JapaneseText(std::string_view english, JapaneseRelease release) {
    if (release == JapaneseRelease::SingleDrawing) {
        if (auto own = Translate(kSingleDrawingTexts, english)) return *std::move(own);
    }
    return Translate(kTexts, english).value_or(std::string(english));
}

} // namespace cad::command
