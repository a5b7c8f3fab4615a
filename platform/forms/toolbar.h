#pragma once
// A toolbar across the top of a screen, its buttons addressed by key, with pictures taken
// from an image list. ButtonClick hands over the clicked button.
#include "platform/forms/form.h"
#include "platform/forms/picture.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QToolBar;

namespace forms {

class ImageList {
public:
    void Add(const std::string& key, const Picture& picture);
    // The picture of `key`; raises the subscript error when there is none.
    const Picture& Item(const std::string& key) const;
    int Count() const { return static_cast<int>(pictures_.size()); }

private:
    std::map<std::string, Picture> pictures_;
};

class ToolbarButton {
public:
    const std::string& Key() const { return key_; }
    int Index() const { return index_; } // 1 for the first button
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    std::string ToolTipText() const;
    void SetToolTipText(const std::string& text);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);

    QAction* Action() const { return action_; }

private:
    friend class Toolbar;
    ToolbarButton(std::string key, int index, QAction* action) : key_(std::move(key)), index_(index), action_(action) {}
    std::string key_;
    int index_;
    QAction* action_;
};

class Toolbar {
public:
    explicit Toolbar(Form& form);
    ~Toolbar();
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    void SetImageList(const ImageList& images) { images_ = &images; }
    // Adds a button at the end; imageKey names its picture in the image list.
    ToolbarButton& AddButton(const std::string& key, const std::string& caption, const std::string& toolTip = {},
                             const std::string& imageKey = {});
    // The button of `key` (or of its 1-based index); raises the subscript error when there is none.
    ToolbarButton& Buttons(const std::string& key) const;
    ToolbarButton& Buttons(int index) const;
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }

    bool Visible() const;
    void SetVisible(bool visible);
    int Height() const; // twips

    std::function<void(ToolbarButton&)> OnButtonClick;

    QToolBar* Widget() const { return bar_; }

private:
    QToolBar* bar_;
    const ImageList* images_ = nullptr;
    std::vector<std::unique_ptr<ToolbarButton>> buttons_;
};

} // namespace forms
