#pragma once
// The texts the engine types into the CAD and the prompts it waits for. Character 3 (Ctrl+C)
// cancels, a carriage return is Enter; file names are typed in double quotes.
#include "pellixlib/AcadVInf_Products.h"

#include <string>

namespace pellix {

enum TAttOutType : int { atCDFOUT = 0, atSDFOUT = 1, atDXXOUT = 2 };

// ^C ^C name and a blank: the variable's prompt (or its read-only value) follows.
std::string QueryVarText(const std::string& name, bool transparent = false);
inline constexpr const char* kCancelTwice = "\x03\x03";
inline constexpr const char* kPickPointText = "\x03\x03_iD\r";
inline constexpr const char* kPickPointEcho = "_iD";
// Puts the unit precision back after the point was read with eight decimals.
std::string RestorePrecisionText(const std::string& precision);

inline constexpr const char* kDxfOutEcho = "_DxfOut";
// The export command with its file, the transparent restore of the file dialogs and the
// objects option in the selection mode.
std::string DxfOutText(const std::string& file, const std::string& filedia, bool singleSelect);
// The answer at the precision prompt: the version option (products with registry settings), then
// binary or 16 decimals, Enter, and two cancels.
std::string DxfAnswerText(TAcadIndex index, TDxfVersion version, bool binary);
// The precision prompt of the export command: "精度として" (MDI products) or "精度を入力".
std::string DxfPrecisionPrompt(TAcadIndex index);
inline constexpr const char* kDxfPrecisionPromptEnglish = "Enter deci";

// "_-AtText" for MDI products, "_AtText" for the others.
std::string AttCommandName(TAcadIndex index);
std::string AttCommandText(TAcadIndex index, bool singleSelect);
// The answers at the format prompt: file dialogs off, format with its template, output file,
// file dialogs back to `filedia`, two cancels.
std::string AttAnswerText(TAttOutType type, const std::string& templateFile, const std::string& outFile,
                          const std::string& filedia);
// "属性の書き出し" and "CDF, SDF or DX": the format prompt of the extraction.
std::string AttPromptJapanese();
inline constexpr const char* kAttPromptEnglish = "CDF, SDF or DX";

// File dialogs off and the script started; transparent, without cancelling the command in progress.
std::string ScriptText(const std::string& file, bool transparent);
// The file dialogs back to `filedia` when the script could not be started.
std::string ScriptFailedRestoreText(const std::string& filedia);
// The file dialogs back to `filedia` once the CAD has taken the script; transparent, so the
// command the script left running goes on.
std::string ScriptRestoreText(const std::string& filedia);

// File dialogs back to `filedia` after an export that did not finish.
std::string FiledialogRestoreText(const std::string& filedia);

std::string UserWaitText(const std::string& command);

} // namespace pellix
