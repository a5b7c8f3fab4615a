// Persistence of the control: the window control's position and size, then every property
// whose value differs from its streamed default (AcadType and Visible always), as one
// component stream of class TAcadControl. Restoring ends with the control's Loaded.
#include "pellixlib/com/PellixlibImpl.h"
#include "pellixlib/com/Pellixlib_TLB.h"

#include <functional>

namespace pellix {

using namespace com;

namespace {

constexpr const char* kClassName = "TAcadControl";

// An enumeration's value as the stream holds it: its name, or the number when it has none.
StreamValue EnumValue(const char* enumName, int value) {
    if (const EnumDescription* e = tlb::Library().FindEnum(enumName))
        for (const auto& v : e->values)
            if (v.value == value) return StreamIdent{v.name};
    return static_cast<std::int32_t>(value);
}

[[noreturn]] void Refuse(const std::string& message) { throw Error(E_FAIL, message); }

int EnumFrom(const char* enumName, const std::string& property, const StreamValue& v) {
    if (const auto* i = std::get_if<std::int32_t>(&v)) return static_cast<std::uint8_t>(*i);
    if (const auto* id = std::get_if<StreamIdent>(&v))
        if (const EnumDescription* e = tlb::Library().FindEnum(enumName))
            for (const auto& value : e->values)
                if (value.name == id->name) return value.value;
    Refuse("The saved value of " + property + " is not one of " + enumName + ".");
}

bool BoolFrom(const std::string& property, const StreamValue& v) {
    if (const auto* b = std::get_if<bool>(&v)) return *b;
    Refuse("The saved value of " + property + " is not a boolean.");
}

std::int32_t IntFrom(const std::string& property, const StreamValue& v) {
    if (const auto* i = std::get_if<std::int32_t>(&v)) return *i;
    Refuse("The saved value of " + property + " is not an integer.");
}

std::string TextFrom(const std::string& property, const StreamValue& v) {
    if (const auto* s = std::get_if<std::string>(&v)) return *s;
    Refuse("The saved value of " + property + " is not a string.");
}

} // namespace

HRESULT TPellix::InitNew() { return Load({}); }

HRESULT TPellix::Load(const std::vector<BYTE>& state) {
    if (!FControl) return E_UNEXPECTED;
    if (FLoaded) {
        SetErrorInfo({tlb::IID_IPellix, tlb::kProgId, "The control's state has been loaded already."});
        return E_UNEXPECTED;
    }
    ComPtr<TPellix> keep(this);
    return Guarded([&] {
        if (!state.empty()) ApplyState(state);
        FLoaded = true;
        // The start raises events: a sink that fails, or a timer that cannot be made, fails the load.
        if (FControl) FControl->Loaded();
        return S_OK;
    });
}

// Checks the whole stream first, so that a bad one changes nothing.
void TPellix::ApplyState(const std::vector<BYTE>& state) {
    const auto stream = ReadComponentStream(state);
    if (!stream) Refuse("The saved state of the control is damaged.");
    if (stream->className != kClassName)
        Refuse("The saved state is of a " + stream->className + ", not of a TAcadControl.");
    TAcadControl& c = *FControl;
    TWinControl& w = FWinControl;
    int left = c.Left(), top = c.Top(), width = c.Width(), height = c.Height();
    std::vector<std::function<void()>> apply;
    for (const auto& [name, v] : stream->properties) {
        const std::string& n = name;
        auto set = [&](std::function<void()> f) { apply.push_back(std::move(f)); };
        // clang-format off
        if (n == "Left") left = IntFrom(n, v);
        else if (n == "Top") top = IntFrom(n, v);
        else if (n == "Width") width = IntFrom(n, v);
        else if (n == "Height") height = IntFrom(n, v);
        else if (n == "Cursor") set([&w, x = static_cast<SHORT>(IntFrom(n, v))] { w.Cursor = x; });
        else if (n == "HelpType") set([&w, x = EnumFrom("TxHelpType", n, v)] { w.HelpType = x; });
        else if (n == "HelpKeyword") set([&w, x = TextFrom(n, v)] { w.HelpKeyword = x; });
        else if (n == "DoubleBuffered") set([&w, x = BoolFrom(n, v)] { w.DoubleBuffered = x; });
        else if (n == "AttOutType") set([&c, x = EnumFrom("TxAttOutType", n, v)] { c.SetAttOutType(static_cast<TAttOutType>(x)); });
        else if (n == "AttTempFile") set([&c, x = TextFrom(n, v)] { c.SetAttTempFile(x); });
        else if (n == "AttOutFile") set([&c, x = TextFrom(n, v)] { c.SetAttOutFile(x); });
        else if (n == "DxfBinary") set([&c, x = BoolFrom(n, v)] { c.SetDxfBinary(x); });
        else if (n == "DxfVersion") set([&c, x = EnumFrom("TxDxfVersion", n, v)] { c.SetDxfVersion(static_cast<TDxfVersion>(x)); });
        else if (n == "DxfFile") set([&c, x = TextFrom(n, v)] { c.SetDxfFile(x); });
        else if (n == "Enabled") set([&c, x = BoolFrom(n, v)] { c.SetEnabled(x); });
        else if (n == "Interval") set([&c, x = IntFrom(n, v)] { c.SetInterval(x); });
        else if (n == "InterMode") set([&c, x = BoolFrom(n, v)] { c.SetInterMode(x); });
        else if (n == "AcadLocked") set([&c, x = BoolFrom(n, v)] { c.SetAcadLocked(x); });
        else if (n == "AcadType") set([&c, x = EnumFrom("TxAcadType", n, v)] { c.SetAcadType(x); });
        else if (n == "LoadAcadType") set([&c, x = BoolFrom(n, v)] { c.SetLoadAcadType(x); });
        else if (n == "CmdSearch") set([&c, x = EnumFrom("TxCmdSearch", n, v)] { c.SetCmdSearch(static_cast<TCmdSearch>(x)); });
        else if (n == "CmdIdle") set([&c, x = BoolFrom(n, v)] { c.SetCmdIdle(x); });
        else if (n == "ShellState") set([&c, x = EnumFrom("TxShowState", n, v)] { c.SetShellState(static_cast<TShowState>(x)); });
        else if (n == "ShellCmdLine") set([&c, x = TextFrom(n, v)] { c.SetShellCmdLine(x); });
        else if (n == "ScriptFile") set([&c, x = TextFrom(n, v)] { c.SetScriptFile(x); });
        else if (n == "WaitMessage") set([&c, x = TextFrom(n, v)] { c.SetWaitMessage(x); });
        else if (n == "SelAddCmd") set([&c, x = TextFrom(n, v)] { c.SetSelAddCmd(x); });
        else if (n == "MDILock") set([&c, x = BoolFrom(n, v)] { c.SetMDILock(x); });
        else if (n == "ProIndex") set([&c, x = IntFrom(n, v)] { c.SetProIndex(x); });
        else if (n == "AutoEnter") set([&c, x = BoolFrom(n, v)] { c.SetAutoEnter(x); });
        else if (n == "Visible") set([&c, x = BoolFrom(n, v)] { c.SetVisible(x); });
        else Refuse("The saved state names a property the control does not have: " + n + ".");
        // clang-format on
    }
    c.SetBounds(left, top, width, height);
    try {
        for (auto& f : apply) f();
    } catch (const std::exception& e) {
        throw Error(E_FAIL, e.what()); // a timer the saved Enabled or Interval could not start
    }
    ViewChanged();
}

HRESULT TPellix::Save(std::vector<BYTE>* state) {
    if (!state) return E_POINTER;
    if (!FControl) return E_UNEXPECTED;
    return Guarded([&] {
        SaveState(state);
        return S_OK;
    });
}

void TPellix::SaveState(std::vector<BYTE>* state) const {
    const TAcadControl& c = *FControl;
    const TWinControl& w = FWinControl;
    ComponentStream s{kClassName, "", {}};
    auto put = [&s](const char* name, StreamValue v) { s.properties.emplace_back(name, std::move(v)); };
    auto text = [&](const char* name, const std::string& v) {
        if (!v.empty()) put(name, v);
    };
    put("Left", c.Left());
    put("Top", c.Top());
    put("Width", c.Width());
    put("Height", c.Height());
    if (w.Cursor != 0) put("Cursor", std::int32_t{w.Cursor});
    if (w.HelpType != 1) put("HelpType", EnumValue("TxHelpType", w.HelpType));
    text("HelpKeyword", w.HelpKeyword);
    if (w.DoubleBuffered) put("DoubleBuffered", true);
    if (c.AttOutType() != atCDFOUT) put("AttOutType", EnumValue("TxAttOutType", c.AttOutType()));
    text("AttTempFile", c.AttTempFile());
    text("AttOutFile", c.AttOutFile());
    if (c.DxfBinary()) put("DxfBinary", true);
    if (c.DxfVersion() != dvDXFNA) put("DxfVersion", EnumValue("TxDxfVersion", c.DxfVersion()));
    text("DxfFile", c.DxfFile());
    if (!c.Enabled()) put("Enabled", false);
    if (c.Interval() != 500) put("Interval", c.Interval());
    if (!c.InterMode()) put("InterMode", false);
    if (!c.AcadLocked()) put("AcadLocked", false);
    put("AcadType", EnumValue("TxAcadType", c.AcadType()));
    if (!c.LoadAcadType()) put("LoadAcadType", false);
    if (c.CmdSearch() != csALLCHECK) put("CmdSearch", EnumValue("TxCmdSearch", c.CmdSearch()));
    if (c.CmdIdle()) put("CmdIdle", true);
    if (c.ShellState() != ssNORMAL) put("ShellState", EnumValue("TxShowState", c.ShellState()));
    text("ShellCmdLine", c.ShellCmdLine());
    text("ScriptFile", c.ScriptFile());
    text("WaitMessage", c.WaitMessage());
    text("SelAddCmd", c.SelAddCmd());
    if (!c.MDILock()) put("MDILock", false);
    if (c.ProIndex() != 0) put("ProIndex", c.ProIndex());
    if (c.AutoEnter()) put("AutoEnter", true);
    put("Visible", c.Visible());
    *state = WriteComponentStream(s);
}

} // namespace pellix
