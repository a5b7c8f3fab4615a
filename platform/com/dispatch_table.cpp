#include "platform/com/dispatch_table.h"

#include "platform/com/names.h"
#include "platform/runtime/number_text.h"

#include <stdexcept>

namespace com {

DispatchArguments::~DispatchArguments() {
    for (auto& s : slots_) VariantClear(&s.value);
}

const VARIANT& DispatchArguments::Value(std::size_t i) const {
    if (i >= slots_.size() || slots_[i].ref)
        throw std::out_of_range("no plain argument " + rt::CStr(static_cast<long long>(i)));
    return slots_[i].value;
}

void* DispatchArguments::Ref(std::size_t i) const {
    if (i >= slots_.size() || !slots_[i].ref)
        throw std::out_of_range("no by-reference argument " + rt::CStr(static_cast<long long>(i)));
    return slots_[i].ref;
}

DispatchTable::DispatchTable(const InterfaceDescription& description, std::string source)
        : description_(description), source_(std::move(source)) {}

DispatchTable& DispatchTable::On(std::string_view name, MemberKind kind, MemberHandler handler) {
    for (const auto& m : description_.members) {
        if (m.kind == kind && detail::SameName(m.name, name)) {
            handlers_.emplace_back(&m, std::move(handler));
            return *this;
        }
    }
    throw std::invalid_argument(description_.name + " describes no member " + std::string(name));
}

HRESULT DispatchTable::GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const {
    if (!names || !ids) return E_POINTER;
    if (count == 0) return S_OK;
    const MemberDescription* member = description_.FindByName(Utf8FromUtf16(names[0]));
    ids[0] = member ? member->id : DISPID_UNKNOWN;
    HRESULT hr = member ? S_OK : DISP_E_UNKNOWNNAME;
    for (UINT n = 1; n < count; ++n) {
        ids[n] = DISPID_UNKNOWN;
        const std::string name = Utf8FromUtf16(names[n]);
        for (std::size_t p = 0; member && p < member->params.size(); ++p)
            if (detail::SameName(member->params[p].name, name)) ids[n] = static_cast<DISPID>(p);
        if (ids[n] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

const MemberDescription* DispatchTable::Select(DISPID id, WORD flags) const {
    if (flags & DISPATCH_PROPERTYPUT) return description_.Find(id, MemberKind::PropertyPut);
    const MemberDescription* m = nullptr;
    if (flags & DISPATCH_METHOD) m = description_.Find(id, MemberKind::Method);
    if (!m && (flags & DISPATCH_PROPERTYGET)) m = description_.Find(id, MemberKind::PropertyGet);
    return m;
}

namespace {

// The caller's variable behind a by-reference argument of declared type `vt`; a reference to a
// VARIANT is converted in place to that type first.
HRESULT ReferenceOf(VARIANT& arg, VARTYPE vt, void** ref) {
    if (!(arg.vt & VT_BYREF) || !arg.byref) return DISP_E_TYPEMISMATCH;
    if (arg.vt == (VT_BYREF | vt)) {
        *ref = arg.byref;
        return S_OK;
    }
    if (arg.vt != (VT_BYREF | VT_VARIANT)) return DISP_E_TYPEMISMATCH;
    VARIANT& inner = *arg.pvarVal;
    if (inner.vt == (VT_BYREF | vt)) {
        *ref = inner.byref;
        return S_OK;
    }
    if (inner.vt & VT_BYREF) return DISP_E_TYPEMISMATCH;
    if (inner.vt != vt)
        if (const HRESULT hr = VariantChangeType(&inner, &inner, 0, vt); FAILED(hr)) return hr;
    *ref = vt == VT_VARIANT ? static_cast<void*>(&inner) : static_cast<void*>(&inner.bits);
    return S_OK;
}

} // namespace

HRESULT DispatchTable::Collect(const MemberDescription& member, const DISPPARAMS& params, DispatchArguments& args,
                               UINT* argErr) const {
    const bool put = member.kind == MemberKind::PropertyPut;
    if (put ? params.cNamedArgs != 1 || params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT : params.cNamedArgs != 0)
        return put ? DISP_E_PARAMNOTFOUND : DISP_E_NONAMEDARGS;
    if (params.cArgs != member.params.size()) return DISP_E_BADPARAMCOUNT;
    if (params.cArgs > 0 && !params.rgvarg) return E_INVALIDARG;
    args.slots_.resize(member.params.size());
    for (auto& s : args.slots_) VariantInit(&s.value);
    for (std::size_t p = 0; p < member.params.size(); ++p) {
        // Positional arguments stand in reverse order; a put's value is the named one at index 0.
        const UINT index = put && p + 1 == member.params.size() ? 0 : params.cArgs - 1 - static_cast<UINT>(p);
        VARIANT& arg = params.rgvarg[index];
        const ParamDescription& declared = member.params[p];
        HRESULT hr = S_OK;
        if (declared.direction == ParamDirection::In)
            hr = declared.type == VT_VARIANT ? VariantCopyInd(&args.slots_[p].value, &arg)
                                             : VariantChangeType(&args.slots_[p].value, &arg, 0, declared.type);
        else hr = ReferenceOf(arg, declared.type, &args.slots_[p].ref);
        if (FAILED(hr)) {
            if (argErr) *argErr = index;
            return hr == DISP_E_OVERFLOW ? hr : DISP_E_TYPEMISMATCH;
        }
    }
    return S_OK;
}

HRESULT DispatchTable::Call(const MemberDescription& member, DispatchArguments& args, VARIANT* result) const {
    const MemberHandler* handler = nullptr;
    for (const auto& [m, h] : handlers_)
        if (m == &member) handler = &h;
    if (!handler) return DISP_E_MEMBERNOTFOUND;
    ClearErrorInfo();
    HRESULT hr = S_OK;
    std::string description;
    try {
        Variant value;
        (*handler)(args, value);
        if (member.result != VT_EMPTY && value.vt != member.result)
            if (FAILED(hr = VariantChangeType(&value, &value, 0, member.result))) return hr;
        if (result) *result = std::exchange(static_cast<VARIANT&>(value), VARIANT{});
        return S_OK;
    } catch (const Error& e) {
        hr = e.Code() < 0 ? e.Code() : E_UNEXPECTED;
        description = e.what();
    } catch (const std::exception& e) {
        hr = E_UNEXPECTED;
        description = e.what();
    } catch (...) {
        hr = E_UNEXPECTED; // nothing crosses the interface but a result
    }
    SetErrorInfo({description_.iid, source_, description});
    return hr;
}

HRESULT DispatchTable::Invoke(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                              UINT* argErr) const {
    if (!params) return E_POINTER;
    const MemberDescription* member = Select(id, flags);
    if (!member) return DISP_E_MEMBERNOTFOUND;
    DispatchArguments args;
    if (const HRESULT hr = Collect(*member, *params, args, argErr); FAILED(hr)) return hr;
    if (result) VariantClear(result);
    const HRESULT hr = Call(*member, args, result);
    if (SUCCEEDED(hr) || hr == DISP_E_MEMBERNOTFOUND) return hr;
    // The error information moves into EXCEPINFO; without one the caller may still take it.
    if (excepInfo) {
        ErrorInfo info{description_.iid, source_, {}};
        GetErrorInfo(&info);
        *excepInfo = EXCEPINFO{};
        excepInfo->bstrSource = BstrFromUtf8(info.source);
        excepInfo->bstrDescription = BstrFromUtf8(info.description);
        excepInfo->scode = hr;
    }
    return DISP_E_EXCEPTION;
}

} // namespace com
