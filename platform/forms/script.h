#pragma once
// Headless mode: under the offscreen platform (every test) no dialog waits for a user.
// Message boxes are recorded and answered from a queue (empty queue: the box's first button);
// file dialogs take the next queued path or a cancel (empty queue: cancel); End is counted.
#include <string>
#include <vector>

namespace forms::script {

struct Message {
    std::string prompt;
    int buttons = 0;
    std::string title;
};

struct FileDialogCall {
    bool save = false; // show-save rather than show-open
    std::string filter;
    std::string initDir; // the folder the dialog opens in
};

bool Headless();

void QueueMsgBoxAnswer(int answer);
void QueueFileName(const std::string& path);
void QueueFileCancel();

const std::vector<Message>& Messages();
const std::vector<FileDialogCall>& FileDialogs();
int HelpCount(); // ShowHelp calls
int EndCount();

// Empties the queues and the records, and lets the file dialogs forget the folders chosen.
void Reset();

} // namespace forms::script
