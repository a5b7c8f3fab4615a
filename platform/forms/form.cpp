#include "platform/forms/form.h"

#include "platform/forms/events.h"
#include "platform/forms/form_window.h"
#include "platform/forms/internal.h"
#include "platform/forms/script.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>

#include <algorithm>
#include <map>
#include <vector>

namespace forms {

using internal::ToPixels;
using internal::ToTwips;

namespace {
struct Registry {
    std::map<std::type_index, std::unique_ptr<Form>> loaded;
    std::vector<std::unique_ptr<Form>> released; // unloaded, deleted once control returns
    // Unloaded all at once while busy in a handler (a pick in the CAD): kept until they unload
    // themselves, once that handler has ended its work.
    std::vector<std::unique_ptr<Form>> leaving;
};

// Never destroyed: screens still loaded when the process ends are not torn down after the
// toolkit's own globals have gone.
Registry& Forms() {
    static Registry* registry = new Registry;
    return *registry;
}

void DeleteReleased() { Forms().released.clear(); }

// The frame window's workspace, made when a frame window is created.
QPointer<QMdiArea>& Workspace() {
    static QPointer<QMdiArea> workspace;
    return workspace;
}

// Pixels a document window's frame adds around its screen: title bar and borders.
QMargins FrameMargins(QMdiSubWindow* frame) {
    const int border = frame->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, frame);
    const int title = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
    return {border, title, border, border};
}

// The font of a title bar's text: a document window's frame draws its caption in it, bold in
// the usual styles.
QFont TitleFont() {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return font;
}
} // namespace

struct Form::Impl {
    FormKind kind = FormKind::Normal;
    internal::FormWindow* window = nullptr;
    QPointer<QMdiSubWindow> frame; // the document window's frame, while it is one
    int left = 0, top = 0, width = 6000, height = 4500;
};

Form::Form(FormKind kind) : impl_(std::make_unique<Impl>()) {
    internal::EnsureApplication();
    impl_->kind = kind;
    impl_->window = new internal::FormWindow([this] { return UserCloses(); });
    if (kind == FormKind::Mdi) {
        auto* workspace = new QMdiArea(impl_->window->Client());
        // A screen larger than the workspace, or moved past its edge, can be scrolled to.
        workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        impl_->window->Client()->SetFill(workspace);
        Workspace() = workspace;
    }
    impl_->window->resize(ToPixels(impl_->width), ToPixels(impl_->height));
}

Form::~Form() {
    ReleaseDocumentWindows();
    if (QMdiSubWindow* frame = impl_->frame) delete frame; // and the screen's window inside it
    else delete impl_->window;
}

// The frame window goes: the screens in its workspace outlive it as windows of their own,
// hidden until they are shown again.
void Form::ReleaseDocumentWindows() {
    QMdiArea* workspace = Workspace();
    if (impl_->kind != FormKind::Mdi || !workspace || workspace->window() != impl_->window) return;
    for (QMdiSubWindow* frame : workspace->subWindowList()) {
        frame->setWidget(nullptr);
        delete frame;
    }
    Workspace() = nullptr;
}

bool Form::UserCloses() {
    if (impl_->kind != FormKind::Mdi) {
        internal::Dispatch([this] { CloseBox_Click(); });
        return false;
    }
    auto closes = std::make_shared<bool>(false);
    internal::Dispatch([this, closes] {
        int cancel = 0;
        Form_Unload(cancel);
        if (cancel != 0) return;
        Unload();
        *closes = true;
    });
    return *closes;
}

bool Form::MDIChild() const { return impl_->frame != nullptr; }

QWidget* Form::Outer() const { return impl_->frame ? static_cast<QWidget*>(impl_->frame.data()) : impl_->window; }

void Form::AttachToFrame() {
    QMdiArea* workspace = Workspace();
    if (impl_->kind != FormKind::Normal || impl_->frame || !workspace) return;
    auto* frame = new QMdiSubWindow;
    frame->setWidget(impl_->window);
    workspace->addSubWindow(frame);
    impl_->frame = frame;
    Place();
    StepClearOfOthers();
}

// A screen that would open exactly over another one goes down and right, clear of that
// one's title bar, so that both can be reached.
void Form::StepClearOfOthers() {
    QMdiSubWindow* frame = impl_->frame;
    const int step = FrameMargins(frame).top();
    const auto taken = [frame] {
        for (const QMdiSubWindow* other : frame->mdiArea()->subWindowList())
            if (other != frame && !other->isHidden() && other->pos() == frame->pos()) return true;
        return false;
    };
    if (!taken()) return;
    while (taken()) frame->move(frame->pos() + QPoint(step, step));
    impl_->left = ToTwips(frame->x());
    impl_->top = ToTwips(frame->y());
}

void Form::Place() {
    const QRect r(ToPixels(impl_->left), ToPixels(impl_->top), ToPixels(impl_->width), ToPixels(impl_->height));
    if (QMdiSubWindow* frame = impl_->frame) {
        frame->setGeometry(QRect(r.topLeft(), r.size().grownBy(FrameMargins(frame))));
        return;
    }
    impl_->window->move(r.topLeft());
    impl_->window->resize(r.size());
}

void Form::Show() {
    AttachToFrame();
    impl_->window->show();
    if (QMdiSubWindow* frame = impl_->frame) {
        frame->show();
        frame->raise();
        frame->mdiArea()->setActiveSubWindow(frame);
        return;
    }
    if (script::Headless()) return; // nothing to bring forward without a display
    impl_->window->raise();
    impl_->window->activateWindow();
}

void Form::Hide() { Outer()->hide(); }

void Form::ZOrder(int position) { position == 0 ? Outer()->raise() : Outer()->lower(); }

void Form::Unload() {
    // A screen is found among the loaded ones, or among those UnloadAll left to go by themselves.
    std::unique_ptr<Form> self;
    auto& loaded = Forms().loaded;
    auto& leaving = Forms().leaving;
    const auto isThis = [this](const std::unique_ptr<Form>& form) { return form.get() == this; };
    if (auto it = std::find_if(loaded.begin(), loaded.end(), [&](auto& entry) { return isThis(entry.second); });
        it != loaded.end()) {
        if (!ReadyToUnload()) return;
        self = std::move(it->second);
        loaded.erase(it);
    } else if (auto left = std::find_if(leaving.begin(), leaving.end(), isThis); left != leaving.end()) {
        if (!ReadyToUnload()) return;
        self = std::move(*left);
        leaving.erase(left);
    } else {
        return;
    }
    Outer()->hide();
    ReleaseDocumentWindows();
    Forms().released.push_back(std::move(self));
    QTimer::singleShot(0, [] { DeleteReleased(); });
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
    Place();
}

int Form::ScaleWidth() const { return ToTwips(impl_->window->Client()->width()); }
int Form::ScaleHeight() const { return ToTwips(impl_->window->Client()->height()); }

int Form::CaptionWidth() const {
    constexpr int kProbe = 1000;  // pixels: any title bar wide enough for its buttons
    constexpr int kTextRoom = 16; // what styles keep clear around a title's text
    constexpr int kBorders = 8;   // a document window's frame around its title bar
    const QWidget* outer = Outer();
    QStyleOptionTitleBar option;
    option.initFrom(outer);
    option.text = impl_->window->windowTitle();
    option.titleBarFlags = impl_->frame ? impl_->frame->windowFlags()
                                        : Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                              Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    option.subControls = QStyle::SC_All;
    option.rect = QRect(0, 0, kProbe, outer->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, outer));
    const int label =
        outer->style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarLabel, outer).width();
    const int text = QFontMetrics(TitleFont()).horizontalAdvance(option.text);
    return ToTwips(kProbe - label + text + kTextRoom + kBorders);
}

int Form::WindowState() const {
    const Qt::WindowStates s = Outer()->windowState();
    if (s & Qt::WindowMinimized) return vbMinimized;
    if (s & Qt::WindowMaximized) return vbMaximized;
    return vbNormal;
}

void Form::SetWindowState(int state) {
    Qt::WindowStates s = Qt::WindowNoState;
    if (state == vbMinimized) s = Qt::WindowMinimized;
    if (state == vbMaximized) s = Qt::WindowMaximized;
    Outer()->setWindowState(s);
}

bool Form::Visible() const {
    if (impl_->frame) return !impl_->frame->isHidden() && !impl_->window->isHidden();
    return impl_->window->isVisible();
}
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

// Every screen at once. Screens may touch each other while they go: they are taken out of the
// registry first. Each is then unloaded as Unload does it: a screen busy in a handler (a pick in
// the CAD) ends that work first and is deleted only when it unloads itself once it has.
void UnloadAll() {
    auto& leaving = Forms().leaving;
    for (auto& [type, form] : Forms().loaded) leaving.push_back(std::move(form));
    Forms().loaded.clear();
    std::vector<Form*> going;
    for (const auto& form : leaving) going.push_back(form.get());
    for (Form* form : going) form->Unload();
    DeleteReleased();
}

} // namespace forms
