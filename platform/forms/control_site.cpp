#include "platform/forms/control_site.h"

#include "platform/forms/internal.h"
#include "platform/runtime/error.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <functional>

namespace forms {

using namespace com;

namespace {

// Paints the control's face as the control draws it.
class FaceWidget final : public QWidget {
public:
    std::function<void(QPainter&, int, int)> paint;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (paint) paint(p, width(), height());
    }
};

// Tells the site when the control's face or visibility changed.
class ViewSink final : public com::Object<IViewSink> {
public:
    explicit ViewSink(std::function<void()> changed) : changed_(std::move(changed)) {}
    void OnViewChange() override {
        if (changed_) changed_();
    }
    void Detach() { changed_ = nullptr; }

private:
    std::function<void()> changed_;
};

std::string CreationFailure(const std::string& name, HRESULT hr) {
    if (hr == REGDB_E_CLASSNOTREG || hr == CO_E_CLASSSTRING) return "コントロール " + name + " は登録されていません。";
    if (hr == CO_E_DLLNOTFOUND || hr == CO_E_ERRORINDLL)
        return "コントロール " + name + " のライブラリを読み込めません。";
    return "コントロール " + name + " を作成できません。";
}

// The control's own description of its last failure, or `fallback`.
std::string Described(const std::string& fallback) {
    ErrorInfo info;
    return GetErrorInfo(&info) == S_OK && !info.description.empty() ? fallback + " " + info.description : fallback;
}

} // namespace

struct ControlSite::Impl {
    ComPtr<IDispatch> object;
    ComPtr<IControlView> view;
    ComPtr<ViewSink> viewSink;
    IID events{};
    DWORD cookie = 0;

    void Release() {
        if (cookie) DisconnectSink(object.Get(), events, cookie);
        cookie = 0;
        if (viewSink) viewSink->Detach();
        if (view) {
            view->SetViewSink(nullptr);
            view->Close();
        }
        view = nullptr;
        viewSink = nullptr;
        object = nullptr;
    }
};

ControlSite::ControlSite(Container& parent, const std::string& progIdOrClsid, const IID& events, IUnknown* sink,
                         const std::vector<BYTE>& designState, int leftTwips, int topTwips)
        : Control(parent, new FaceWidget, 420, 420), impl_(std::make_unique<Impl>()) {
    Impl& s = *impl_;
    try {
        if (const HRESULT hr = CreateObject(progIdOrClsid, IDispatch::Id, s.object.PutVoid()); FAILED(hr))
            throw rt::Error(hr, CreationFailure(progIdOrClsid, hr));
        s.view = s.object.As<IControlView>();
        const ComPtr<IPersistStreamInit> persist = s.object.As<IPersistStreamInit>();
        if (!s.view || !persist)
            throw rt::Error(E_NOINTERFACE, "コンポーネント " + progIdOrClsid + " はコントロールではありません。");
        if (sink) {
            s.events = events;
            if (const HRESULT hr = ConnectSink(s.object.Get(), events, sink, &s.cookie); FAILED(hr))
                throw rt::Error(hr, "コントロール " + progIdOrClsid + " はこの画面のイベントを受け付けません。");
        }
        s.viewSink = MakeObject<ViewSink>([this] {
            bool visible = true;
            if (impl_->view && SUCCEEDED(impl_->view->GetVisible(&visible))) SetVisible(visible);
            Widget()->update();
        });
        s.view->SetViewSink(s.viewSink.Get());
        if (const HRESULT hr = designState.empty() ? persist->InitNew() : persist->Load(designState); FAILED(hr))
            throw rt::Error(hr, Described("コントロール " + progIdOrClsid + " の保存された状態を読めません。"));
    } catch (...) {
        s.Release();
        throw;
    }
    // The control answers with the rectangle it takes (this one keeps its own size).
    LONG left = internal::ToPixels(leftTwips), top = internal::ToPixels(topTwips);
    LONG width = internal::ToPixels(static_cast<int>(Width())), height = internal::ToPixels(static_cast<int>(Height()));
    s.view->SetObjectRect(&left, &top, &width, &height);
    Move(internal::ToTwips(left), internal::ToTwips(top), internal::ToTwips(width), internal::ToTwips(height));
    bool visible = true;
    s.view->GetVisible(&visible);
    SetVisible(visible);
    static_cast<FaceWidget*>(Widget())->paint = [this](QPainter& p, int w, int h) {
        if (!impl_->view || w <= 0 || h <= 0) return;
        QImage face(w, h, QImage::Format_RGB32);
        auto* pixels = reinterpret_cast<DWORD*>(face.bits());
        if (FAILED(impl_->view->Draw(w, h, pixels))) return;
        for (int i = 0; i < w * h; ++i) pixels[i] |= 0xFF000000u; // opaque
        p.drawImage(0, 0, face);
    };
}

ControlSite::~ControlSite() { impl_->Release(); }

IDispatch* ControlSite::Object() const { return impl_->object.Get(); }

} // namespace forms
