#include "platform/forms/script.h"

#include "platform/forms/internal.h"
#include "platform/forms/msgbox.h"

#include <QGuiApplication>

#include <deque>

namespace forms::script {

namespace {
struct State {
    std::deque<int> msgBoxAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<Message> messages;
    std::vector<FileDialogCall> fileDialogs;
    int helpCount = 0;
    int endCount = 0;
};
State& Script() {
    static State state;
    return state;
}

int FirstButton(int buttons) {
    switch (buttons & 7) {
    case vbAbortRetryIgnore: return vbAbort;
    case vbYesNoCancel:
    case vbYesNo: return vbYes;
    case vbRetryCancel: return vbRetry;
    default: return vbOK;
    }
}
} // namespace

bool Headless() {
    internal::EnsureApplication();
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

void QueueMsgBoxAnswer(int answer) { Script().msgBoxAnswers.push_back(answer); }
void QueueFileName(const std::string& path) { Script().fileAnswers.emplace_back(path); }
void QueueFileCancel() { Script().fileAnswers.emplace_back(std::nullopt); }

const std::vector<Message>& Messages() { return Script().messages; }
const std::vector<FileDialogCall>& FileDialogs() { return Script().fileDialogs; }
int HelpCount() { return Script().helpCount; }
int EndCount() { return Script().endCount; }

void Reset() {
    Script() = State{};
    internal::ForgetDialogFolders();
}

} // namespace forms::script

namespace forms::internal {

using script::Script;

int ScriptedMsgBox(const std::string& prompt, int buttons, const std::string& title) {
    Script().messages.push_back({prompt, buttons, title});
    if (Script().msgBoxAnswers.empty()) return script::FirstButton(buttons);
    const int answer = Script().msgBoxAnswers.front();
    Script().msgBoxAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedFileDialog(bool save, const std::string& filter, const std::string& initDir) {
    Script().fileDialogs.push_back({save, filter, initDir});
    if (Script().fileAnswers.empty()) return std::nullopt;
    auto answer = Script().fileAnswers.front();
    Script().fileAnswers.pop_front();
    return answer;
}

void RecordHelp() { ++Script().helpCount; }
void RecordEnd() { ++Script().endCount; }

} // namespace forms::internal
