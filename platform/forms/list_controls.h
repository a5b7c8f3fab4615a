#pragma once
// Combo box (a text field with a drop-down list) and list box. List indexes count from 0;
// ListIndex -1 means no item chosen.
#include "platform/forms/control.h"

namespace forms {

class ComboBox : public Control {
public:
    explicit ComboBox(Container& parent);

    void AddItem(const std::string& item, int index = -1); // -1: at the end
    void RemoveItem(int index);
    void Clear();
    int ListCount() const;
    std::string List(int index) const; // raises the subscript error outside the list
    int ListIndex() const;
    void SetListIndex(int index);
    std::string Text() const;
    void SetText(const std::string& text);

    std::function<void()> OnClick;  // an item was chosen
    std::function<void()> OnChange; // the text was typed into
};

class ListBox : public Control {
public:
    explicit ListBox(Container& parent);

    void AddItem(const std::string& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const;
    std::string List(int index) const;
    int ListIndex() const;
    void SetListIndex(int index);
    std::string Text() const; // the chosen item, empty when none

    std::function<void()> OnClick; // the chosen item changed
};

} // namespace forms
