#include "platform/forms/tab_strip.h"

#include "platform/forms/internal.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <QFrame>
#include <QTabBar>

#include <algorithm>

namespace forms {

namespace {

// The tabs on top of a framed, empty page area.
class TabStripWidget : public QWidget {
public:
    TabStripWidget() : tabs(new QTabBar(this)), page(new QFrame(this)) {
        tabs->setExpanding(false);
        tabs->setDrawBase(false);
        page->setFrameShape(QFrame::StyledPanel);
        page->lower();
    }
    QTabBar* tabs;
    QFrame* page;

protected:
    void resizeEvent(QResizeEvent*) override {
        const int row = tabs->sizeHint().height();
        tabs->setGeometry(0, 0, width(), row);
        page->setGeometry(0, row, width(), std::max(0, height() - row));
    }
};

QTabBar* Tabs(const Control* c) { return static_cast<TabStripWidget*>(c->Widget())->tabs; }

// Pixels of the tab row, also before the strip is first shown.
int TabRowPixels(const Control* c) { return Tabs(c)->sizeHint().height(); }

} // namespace

TabStrip::TabStrip(Container& parent) : Control(parent, new TabStripWidget, 3600, 2400) {
    QTabBar* tabs = Tabs(this);
    tabs->addTab(internal::Q("Tab1"));
    QObject::connect(tabs, &QTabBar::currentChanged, tabs, [this](int) {
        if (OnClick) OnClick();
    });
}

int TabStrip::TabCount() const { return Tabs(this)->count(); }

std::string TabStrip::TabCaption(int index) const {
    if (index < 1 || index > TabCount()) rt::Raise(rt::errSubscript, "no tab " + rt::CStr(index));
    return internal::S(Tabs(this)->tabText(index - 1));
}

void TabStrip::SetTabCaption(int index, const std::string& caption) {
    if (index < 1 || index > TabCount()) rt::Raise(rt::errSubscript, "no tab " + rt::CStr(index));
    Tabs(this)->setTabText(index - 1, internal::Q(caption));
}

void TabStrip::AddTab(const std::string& caption) { Tabs(this)->addTab(internal::Q(caption)); }

int TabStrip::SelectedItem() const { return Tabs(this)->currentIndex() + 1; }

void TabStrip::SetSelectedItem(int index) {
    if (index < 1 || index > TabCount()) rt::Raise(rt::errSubscript, "no tab " + rt::CStr(index));
    Tabs(this)->setCurrentIndex(index - 1);
}

// The page area lies inside the strip's border, below the tab row: one pixel in from the
// sides and the bottom.
double TabStrip::ClientLeft() const { return Left() + Width() / std::max(1, Widget()->width()); }
double TabStrip::ClientTop() const {
    const double perPixel = Height() / std::max(1, Widget()->height());
    return Top() + (TabRowPixels(this) + 1) * perPixel;
}
double TabStrip::ClientWidth() const {
    const double perPixel = Width() / std::max(1, Widget()->width());
    return std::max(0.0, Width() - 2 * perPixel);
}
double TabStrip::ClientHeight() const {
    const double perPixel = Height() / std::max(1, Widget()->height());
    return std::max(0.0, Height() - (TabRowPixels(this) + 2) * perPixel);
}

} // namespace forms
