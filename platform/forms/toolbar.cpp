#include "platform/forms/toolbar.h"

#include "platform/forms/events.h"
#include "platform/forms/form_window.h"
#include "platform/forms/internal.h"
#include "platform/runtime/error.h"

#include <QAction>
#include <QImage>
#include <QPixmap>
#include <QToolBar>

namespace forms {

void ImageList::Add(const std::string& key, const Picture& picture) { pictures_[key] = picture; }

const Picture& ImageList::Item(const std::string& key) const {
    auto it = pictures_.find(key);
    if (it == pictures_.end()) rt::Raise(rt::errSubscript, "no image " + key);
    return it->second;
}

std::string ToolbarButton::Caption() const { return internal::S(action_->text()); }
void ToolbarButton::SetCaption(const std::string& caption) { action_->setText(internal::Q(caption)); }
std::string ToolbarButton::ToolTipText() const { return internal::S(action_->toolTip()); }
void ToolbarButton::SetToolTipText(const std::string& text) { action_->setToolTip(internal::Q(text)); }
bool ToolbarButton::Enabled() const { return action_->isEnabled(); }
void ToolbarButton::SetEnabled(bool enabled) { action_->setEnabled(enabled); }
bool ToolbarButton::Visible() const { return action_->isVisible(); }
void ToolbarButton::SetVisible(bool visible) { action_->setVisible(visible); }

namespace {
// A toolbar lives on its screen's client area, which keeps it across the top.
internal::ClientArea* ClientOf(const QToolBar* bar) { return static_cast<internal::ClientArea*>(bar->parentWidget()); }
} // namespace

Toolbar::Toolbar(Form& form) : bar_(new QToolBar(form.ClientWidget())) {
    bar_->setMovable(false);
    bar_->setFloatable(false);
    bar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar_->setIconSize(QSize(24, 24));
    ClientOf(bar_)->AddTopBar(bar_);
}

Toolbar::~Toolbar() {
    ClientOf(bar_)->RemoveTopBar(bar_);
    delete bar_;
}

ToolbarButton& Toolbar::AddButton(const std::string& key, const std::string& caption, const std::string& toolTip,
                                  const std::string& imageKey) {
    auto* action = bar_->addAction(internal::Q(caption));
    if (!toolTip.empty()) action->setToolTip(internal::Q(toolTip));
    if (!imageKey.empty()) {
        if (!images_) rt::Raise(rt::errSubscript, "no image list for " + imageKey);
        const Picture& picture = images_->Item(imageKey);
        if (!picture.Empty()) action->setIcon(QPixmap::fromImage(*picture.Image()));
    }
    buttons_.push_back(std::unique_ptr<ToolbarButton>(new ToolbarButton(key, ButtonCount() + 1, action)));
    ToolbarButton* button = buttons_.back().get();
    QObject::connect(action, &QAction::triggered, [this, button] {
        internal::TakeFocusForCommand(bar_);
        internal::Dispatch([this, button] {
            if (OnButtonClick) OnButtonClick(*button);
        });
    });
    ClientOf(bar_)->Arrange();
    return *button;
}

ToolbarButton& Toolbar::Buttons(const std::string& key) const {
    for (const auto& b : buttons_)
        if (b->Key() == key) return *b;
    rt::Raise(rt::errSubscript, "no button " + key);
}

ToolbarButton& Toolbar::Buttons(int index) const {
    if (index < 1 || index > ButtonCount()) rt::Raise(rt::errSubscript, "no such button");
    return *buttons_[index - 1];
}

bool Toolbar::Visible() const { return !bar_->isHidden(); }
void Toolbar::SetVisible(bool visible) {
    bar_->setVisible(visible);
    ClientOf(bar_)->Arrange();
}

int Toolbar::Height() const { return internal::ToTwips(bar_->isHidden() ? 0 : bar_->sizeHint().height()); }

} // namespace forms
