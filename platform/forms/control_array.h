#pragma once
// A control array: elements of one kind sharing a name, addressed by index (gaps allowed).
// Events of the elements arrive at the array's handlers with the element's index.
//     ControlArray<Label> Label1{*this, 0, 7};
//     ControlArray<Menu> f1{f, {{0, "新規作成"}, {1, "開く"}, {2, "-"}}};
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace forms {

template <class T>
class ControlArray {
public:
    template <class Parent>
    ControlArray(Parent& parent, int lower, int upper) : make_([&parent] { return std::make_unique<T>(parent); }) {
        for (int i = lower; i <= upper; ++i) Load(i);
    }

    template <class Parent>
    ControlArray(Parent& parent, std::initializer_list<std::pair<int, std::string>> captions)
            : make_([&parent] { return std::make_unique<T>(parent); }) {
        for (const auto& [index, caption] : captions) Load(index).SetCaption(caption);
    }

    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // The element at `index`; raises the subscript error when there is none.
    T& operator()(int index) const {
        auto it = items_.find(index);
        if (it == items_.end()) rt::Raise(rt::errSubscript, "no element " + rt::CStr(index));
        return *it->second;
    }

    bool Exists(int index) const { return items_.count(index) != 0; }
    int Count() const { return static_cast<int>(items_.size()); }
    int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }

    // Adds an element at a free index.
    T& Load(int index) {
        if (Exists(index)) rt::Raise(rt::errSubscript, "element " + rt::CStr(index) + " already loaded");
        T& e = *items_.emplace(index, make_()).first->second;
        e.index_ = index;
        if constexpr (requires { e.OnClick; })
            e.OnClick = [this, index] {
                if (OnClick) OnClick(index);
            };
        if constexpr (requires { e.OnChange; })
            e.OnChange = [this, index] {
                if (OnChange) OnChange(index);
            };
        if constexpr (requires { e.OnLostFocus; })
            e.OnLostFocus = [this, index] {
                if (OnLostFocus) OnLostFocus(index);
            };
        return e;
    }

    void Unload(int index) {
        if (!Exists(index)) rt::Raise(rt::errSubscript, "no element " + rt::CStr(index));
        items_.erase(index);
    }

    std::function<void(int)> OnClick;
    std::function<void(int)> OnChange;
    std::function<void(int)> OnLostFocus;

private:
    std::function<std::unique_ptr<T>()> make_;
    std::map<int, std::unique_ptr<T>> items_;
};

} // namespace forms
