#pragma once
// File open/save dialogs and help of a screen. Filter is given as "text|pattern|text|pattern"
// (a lone pattern also serves). With CancelError on, a cancelled dialog raises error 32755.
// The dialogs start where the user last chose a file while the program asks for the InitDir
// it asked for the first time (as the desktop's dialogs do); a different InitDir, or a
// FileName with a folder, is followed.
#include "platform/forms/form.h"

#include <string>

namespace forms {

class CommonDialog {
public:
    explicit CommonDialog(Form& owner) : owner_(owner) {}

    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    const std::string& InitDir() const { return initDir_; }
    void SetInitDir(const std::string& dir) { initDir_ = dir; }
    bool CancelError() const { return cancelError_; }
    void SetCancelError(bool on) { cancelError_ = on; }
    const std::string& FileName() const { return fileName_; } // the path chosen last
    void SetFileName(const std::string& path) { fileName_ = path; }
    const std::string& DialogTitle() const { return title_; }
    void SetDialogTitle(const std::string& title) { title_ = title; }
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& path) { helpFile_ = path; }

    void ShowOpen();
    void ShowSave();
    void ShowHelp(); // shows the help file in the program's help viewer

private:
    void ShowFile(bool save);
    std::string StartFolder() const;

    Form& owner_;
    std::string filter_, initDir_, fileName_, title_, helpFile_;
    bool cancelError_ = false;
};

} // namespace forms
