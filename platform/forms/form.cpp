#include "platform/forms/form.h"

#include "platform/forms/form_window.h"
#include "platform/forms/internal.h"
#include "platform/forms/script.h"

#include <QMdiArea>
#include <QTimer>

#include <map>
#include <vector>

namespace forms {

using internal::ToPixels;
using internal::ToTwips;

namespace {
struct Registry {
    std::map<std::type_index, std::unique_ptr<Form>> loaded;
    std::vector<std::unique_ptr<Form>> released;   // unloaded, deleted once control returns
};

// Never destroyed: screens still loaded when the process ends are not torn down after the
// toolkit's own globals have gone.
Registry& Forms() {
    static Registry* registry = new Registry;
    return *registry;
}

void DeleteReleased() { Forms().released.clear(); }
} // namespace

struct Form::Impl {
    internal::FormWindow* window = nullptr;
    int left = 0, top = 0, width = 6000, height = 4500;
};

Form::Form(FormKind kind) : impl_(std::make_unique<Impl>()) {
    internal::EnsureApplication();
    impl_->window = new internal::FormWindow([this] {
        int cancel = 0;
        Form_Unload(cancel);
        if (cancel != 0) return false;
        Unload();
        return true;
    });
    if (kind == FormKind::Mdi) {
        auto* workspace = new QMdiArea(impl_->window->Client());
        impl_->window->Client()->SetFill(workspace);
    }
    impl_->window->resize(ToPixels(impl_->width), ToPixels(impl_->height));
}

Form::~Form() { delete impl_->window; }

void Form::Show() {
    impl_->window->show();
    if (script::Headless()) return;   // nothing to bring forward without a display
    impl_->window->raise();
    impl_->window->activateWindow();
}

void Form::Hide() { impl_->window->hide(); }

void Form::Unload() {
    auto& loaded = Forms().loaded;
    for (auto it = loaded.begin(); it != loaded.end(); ++it) {
        if (it->second.get() != this) continue;
        impl_->window->hide();
        Forms().released.push_back(std::move(it->second));
        loaded.erase(it);
        QTimer::singleShot(0, [] { DeleteReleased(); });
        return;
    }
}

std::string Form::Caption() const { return internal::S(impl_->window->windowTitle()); }
void Form::SetCaption(const std::string& caption) { impl_->window->setWindowTitle(internal::Q(caption)); }

int Form::Left() const { return impl_->left; }
int Form::Top() const { return impl_->top; }
int Form::Width() const { return impl_->width; }
int Form::Height() const { return impl_->height; }
void Form::SetLeft(int twips) { Move(twips, impl_->top, impl_->width, impl_->height); }
void Form::SetTop(int twips) { Move(impl_->left, twips, impl_->width, impl_->height); }
void Form::SetWidth(int twips) { Move(impl_->left, impl_->top, twips, impl_->height); }
void Form::SetHeight(int twips) { Move(impl_->left, impl_->top, impl_->width, twips); }

void Form::Move(int left, int top, int width, int height) {
    impl_->left = left;
    impl_->top = top;
    impl_->width = width;
    impl_->height = height;
    impl_->window->move(ToPixels(left), ToPixels(top));
    impl_->window->resize(ToPixels(width), ToPixels(height));
}

int Form::ScaleWidth() const { return ToTwips(impl_->window->Client()->width()); }
int Form::ScaleHeight() const { return ToTwips(impl_->window->Client()->height()); }

int Form::WindowState() const {
    const Qt::WindowStates s = impl_->window->windowState();
    if (s & Qt::WindowMinimized) return vbMinimized;
    if (s & Qt::WindowMaximized) return vbMaximized;
    return vbNormal;
}

void Form::SetWindowState(int state) {
    Qt::WindowStates s = Qt::WindowNoState;
    if (state == vbMinimized) s = Qt::WindowMinimized;
    if (state == vbMaximized) s = Qt::WindowMaximized;
    impl_->window->setWindowState(s);
}

bool Form::Visible() const { return impl_->window->isVisible(); }
void Form::SetVisible(bool visible) { visible ? Show() : Hide(); }

QWidget* Form::ClientWidget() const { return impl_->window->Client(); }
QWidget* Form::Window() const { return impl_->window; }

Form& TouchForm(std::type_index type, const std::function<std::unique_ptr<Form>()>& create) {
    auto& loaded = Forms().loaded;
    if (auto it = loaded.find(type); it != loaded.end()) return *it->second;
    Form& form = *loaded.emplace(type, create()).first->second;
    try {
        form.Form_Load();
    } catch (...) {
        form.Unload();
        throw;
    }
    return form;
}

Form* FindForm(std::type_index type) {
    auto& loaded = Forms().loaded;
    auto it = loaded.find(type);
    return it == loaded.end() ? nullptr : it->second.get();
}

void UnloadAll() {
    // Screens may touch each other while they go; take them out of the registry first.
    auto loaded = std::move(Forms().loaded);
    Forms().loaded.clear();
    loaded.clear();
    DeleteReleased();
}

} // namespace forms
