#pragma once
// The interfaces between a control and the site that hosts it on a screen: the site hands the
// control its saved state (or none) and asks it to draw its face; the control tells the site
// when its face or visibility changed. Faces are 0x00RRGGBB pixels, row by row.
#include "platform/com/unknown.h"

#include <vector>

namespace com {

// A control's persistent state as one block of bytes (the encoding is the control's).
struct IPersistStreamInit : IUnknown {
    static constexpr IID Id{0x3A61C0E1, 0x92D4, 0x4F0B, {0x8E, 0x51, 0x6C, 0x0D, 0x27, 0xB9, 0x14, 0xA3}};
    using Base = IUnknown;

    // The control starts from its defaults (nothing saved).
    virtual HRESULT InitNew() = 0;
    // E_FAIL (with error information) for a state the control cannot read; it then keeps its defaults.
    virtual HRESULT Load(const std::vector<BYTE>& state) = 0;
    virtual HRESULT Save(std::vector<BYTE>* state) = 0;

protected:
    ~IPersistStreamInit() = default;
};

// The site's side: told when the control's face or visibility changed.
struct IViewSink : IUnknown {
    static constexpr IID Id{0x3A61C0E2, 0x92D4, 0x4F0B, {0x8E, 0x51, 0x6C, 0x0D, 0x27, 0xB9, 0x14, 0xA3}};
    using Base = IUnknown;

    virtual void OnViewChange() = 0;

protected:
    ~IViewSink() = default;
};

struct IControlView : IUnknown {
    static constexpr IID Id{0x3A61C0E3, 0x92D4, 0x4F0B, {0x8E, 0x51, 0x6C, 0x0D, 0x27, 0xB9, 0x14, 0xA3}};
    using Base = IUnknown;

    // Where the site places the control (pixels in its container); the control answers with
    // the rectangle it takes (a control of fixed size keeps its own width and height).
    virtual HRESULT SetObjectRect(LONG* left, LONG* top, LONG* width, LONG* height) = 0;
    // The face, `width` x `height` pixels into `pixels` (width * height entries).
    virtual HRESULT Draw(LONG width, LONG height, DWORD* pixels) = 0;
    virtual HRESULT GetVisible(bool* visible) = 0;
    // The sink to tell of changes (none: stop telling); the control holds a reference.
    virtual HRESULT SetViewSink(IViewSink* sink) = 0;
    // The site is done with the control: it ends now (its waits too) and raises no more events;
    // the object answers E_UNEXPECTED from then on until its last reference goes.
    virtual HRESULT Close() = 0;

protected:
    ~IControlView() = default;
};

} // namespace com
