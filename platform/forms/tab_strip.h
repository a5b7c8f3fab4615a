#pragma once
// A tab strip: a row of captioned tabs over an empty page area. The pages are other controls
// that the screen lays over the client area and brings to the front when a tab is chosen.
// Tabs are counted from 1; Click fires whenever the selected tab changes, clicked or set.
#include "platform/forms/control.h"

namespace forms {

class TabStrip : public Control {
public:
    explicit TabStrip(Container& parent);

    int TabCount() const;
    std::string TabCaption(int index) const; // raises the subscript error outside 1..TabCount
    void SetTabCaption(int index, const std::string& caption);
    void AddTab(const std::string& caption);

    int SelectedItem() const; // the selected tab, 1..TabCount
    void SetSelectedItem(int index);

    // The page area below the tabs, in the container's units.
    double ClientLeft() const;
    double ClientTop() const;
    double ClientWidth() const;
    double ClientHeight() const;

    std::function<void()> OnClick;
};

} // namespace forms
