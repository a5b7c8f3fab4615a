#pragma once
// Base of every control on a screen: position and size in twips relative to its container,
// visibility, enabled state, font, tooltip, focus and its index in a control array.
#include "platform/forms/form.h"

#include <functional>
#include <string>

class QWidget;

namespace forms {

enum AlignmentValue : int { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // In the container's units (twips on screens and frames), as last set. A control is
    // placed by the container's scale at the time it is moved.
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void SetLeft(double v) { Move(v, top_, width_, height_); }
    void SetTop(double v) { Move(left_, v, width_, height_); }
    void SetWidth(double v) { Move(left_, top_, v, height_); }
    void SetHeight(double v) { Move(left_, top_, width_, v); }
    void Move(double left, double top, double width, double height);

    bool Visible() const; // as set, whether or not its screen is showing
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);

    std::string FontName() const;
    void SetFontName(const std::string& name);
    float FontSize() const; // points
    void SetFontSize(float points);
    void SetFontBold(bool bold);

    std::string ToolTipText() const;
    void SetToolTipText(const std::string& text);

    void SetFocus();
    bool HasFocus() const;
    void ZOrder(int position = 0); // 0 in front of its siblings, 1 behind them

    int Index() const { return index_; } // element index in a control array, -1 otherwise

    std::function<void()> OnGotFocus;
    std::function<void()> OnLostFocus;

    QWidget* Widget() const { return widget_; }

protected:
    // Takes ownership of `widget` and places it on `parent` at its default size (twips).
    Control(Container& parent, QWidget* widget, int widthTwips, int heightTwips);

private:
    template <class>
    friend class ControlArray;
    Container& parent_;
    QWidget* widget_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int index_ = -1;
};

} // namespace forms
