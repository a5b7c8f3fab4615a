#include "platform/forms/list_controls.h"

#include "platform/forms/events.h"
#include "platform/forms/internal.h"
#include "platform/runtime/error.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace forms {

namespace {
QComboBox* ComboOf(const Control* c) { return static_cast<QComboBox*>(c->Widget()); }
QListWidget* ListOf(const Control* c) { return static_cast<QListWidget*>(c->Widget()); }

void CheckIndex(int index, int count) {
    if (index < 0 || index >= count) rt::Raise(rt::errSubscript, "no list item there");
}

void CheckInsert(int index, int count) {
    if (index < -1 || index > count) rt::Raise(rt::errSubscript, "no list position there");
}
} // namespace

ComboBox::ComboBox(Container& parent) : Control(parent, new QComboBox, 1215, 300) {
    ComboOf(this)->setEditable(true);
    ComboOf(this)->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(ComboOf(this), &QComboBox::activated, [this] {
        internal::Dispatch([this] {
            if (OnClick) OnClick();
        });
    });
    QObject::connect(ComboOf(this)->lineEdit(), &QLineEdit::textEdited, [this] {
        internal::Dispatch([this] {
            if (OnChange) OnChange();
        });
    });
}

void ComboBox::AddItem(const std::string& item, int index) {
    CheckInsert(index, ListCount());
    // Adding items leaves the text as it was.
    const QString text = ComboOf(this)->currentText();
    ComboOf(this)->insertItem(index < 0 ? ListCount() : index, internal::Q(item));
    ComboOf(this)->setEditText(text);
}

void ComboBox::RemoveItem(int index) {
    CheckIndex(index, ListCount());
    ComboOf(this)->removeItem(index);
}

void ComboBox::Clear() { ComboOf(this)->clear(); }
int ComboBox::ListCount() const { return ComboOf(this)->count(); }

std::string ComboBox::List(int index) const {
    CheckIndex(index, ListCount());
    return internal::S(ComboOf(this)->itemText(index));
}

int ComboBox::ListIndex() const {
    const int i = ComboOf(this)->currentIndex();
    return i >= 0 && ComboOf(this)->itemText(i) == ComboOf(this)->currentText() ? i : -1;
}

void ComboBox::SetListIndex(int index) {
    if (index != -1) CheckIndex(index, ListCount());
    ComboOf(this)->setCurrentIndex(index);
    if (OnClick) OnClick();
}

std::string ComboBox::Text() const { return internal::S(ComboOf(this)->currentText()); }
void ComboBox::SetText(const std::string& text) {
    ComboOf(this)->setEditText(internal::Q(text));
    if (OnChange) OnChange();
}

ListBox::ListBox(Container& parent) : Control(parent, new QListWidget, 1215, 1035) {
    QObject::connect(ListOf(this), &QListWidget::currentRowChanged, [this] {
        internal::Dispatch([this] {
            if (OnClick) OnClick();
        });
    });
}

void ListBox::AddItem(const std::string& item, int index) {
    CheckInsert(index, ListCount());
    internal::FromCode([&] { ListOf(this)->insertItem(index < 0 ? ListCount() : index, internal::Q(item)); });
}

void ListBox::RemoveItem(int index) {
    CheckIndex(index, ListCount());
    internal::FromCode([&] { delete ListOf(this)->takeItem(index); });
}

void ListBox::Clear() {
    internal::FromCode([this] { ListOf(this)->clear(); });
}
int ListBox::ListCount() const { return ListOf(this)->count(); }

std::string ListBox::List(int index) const {
    CheckIndex(index, ListCount());
    return internal::S(ListOf(this)->item(index)->text());
}

int ListBox::ListIndex() const { return ListOf(this)->currentRow(); }

void ListBox::SetListIndex(int index) {
    if (index != -1) CheckIndex(index, ListCount());
    internal::FromCode([&] { ListOf(this)->setCurrentRow(index); });
}

std::string ListBox::Text() const {
    const int i = ListIndex();
    return i < 0 ? std::string() : internal::S(ListOf(this)->item(i)->text());
}

} // namespace forms
