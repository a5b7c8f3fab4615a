#pragma once
// The server's side of late binding: an interface description and one handler per member. The
// table finds the member by dispatch id and call kind, checks the argument count, converts
// plain arguments to the declared types, hands by-reference ones over as the caller's
// variables, and converts the handler's result to the declared type. A handler that throws
// fails the call: the exception becomes the thread's error information (source = the table's
// source) and Invoke answers DISP_E_EXCEPTION with EXCEPINFO filled.
#include "platform/com/error_info.h"
#include "platform/com/typelib.h"

#include <functional>
#include <vector>

namespace com {

// The arguments of one call in declared order.
class DispatchArguments {
public:
    DispatchArguments() = default;
    DispatchArguments(const DispatchArguments&) = delete;
    DispatchArguments& operator=(const DispatchArguments&) = delete;
    ~DispatchArguments();

    std::size_t Count() const { return slots_.size(); }
    // Plain arguments, already of the declared type.
    const VARIANT& Value(std::size_t i) const;
    SHORT Short(std::size_t i) const { return Value(i).iVal; }
    LONG Long(std::size_t i) const { return Value(i).lVal; }
    ULONG ULong(std::size_t i) const { return Value(i).ulVal; }
    double Double(std::size_t i) const { return Value(i).dblVal; }
    bool Bool(std::size_t i) const { return Value(i).boolVal != 0; }
    BSTR Bstr(std::size_t i) const { return Value(i).bstrVal; } // owned by the call
    std::string Text(std::size_t i) const { return Utf8FromBstr(Bstr(i)); }
    std::string Ansi(std::size_t i) const { return AnsiFromBstr(Bstr(i)); }
    IDispatch* Dispatch(std::size_t i) const { return Value(i).pdispVal; }

    // By-reference arguments: the caller's variable of the declared type. A BSTR replaced
    // must have the old one freed.
    SHORT& ShortRef(std::size_t i) const { return *static_cast<SHORT*>(Ref(i)); }
    LONG& LongRef(std::size_t i) const { return *static_cast<LONG*>(Ref(i)); }
    double& DoubleRef(std::size_t i) const { return *static_cast<double*>(Ref(i)); }
    VARIANT_BOOL& BoolRef(std::size_t i) const { return *static_cast<VARIANT_BOOL*>(Ref(i)); }
    BSTR& BstrRef(std::size_t i) const { return *static_cast<BSTR*>(Ref(i)); }

private:
    friend class DispatchTable;
    struct Slot {
        VARIANT value;       // a plain argument, owned
        void* ref = nullptr; // a by-reference argument's variable
    };
    void* Ref(std::size_t i) const;
    std::vector<Slot> slots_;
};

// A handler puts the member's result (if any) into `result`.
using MemberHandler = std::function<void(DispatchArguments& args, Variant& result)>;

class DispatchTable {
public:
    // `description` must outlive the table; `source` names the component in error information.
    DispatchTable(const InterfaceDescription& description, std::string source);

    // Binds the described member of that name and kind; std::invalid_argument when there is none.
    DispatchTable& On(std::string_view name, MemberKind kind, MemberHandler handler);
    DispatchTable& Method(std::string_view name, MemberHandler h) { return On(name, MemberKind::Method, std::move(h)); }
    DispatchTable& Get(std::string_view name, MemberHandler h) {
        return On(name, MemberKind::PropertyGet, std::move(h));
    }
    DispatchTable& Put(std::string_view name, MemberHandler h) {
        return On(name, MemberKind::PropertyPut, std::move(h));
    }

    const InterfaceDescription& Description() const { return description_; }
    HRESULT GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const;
    HRESULT Invoke(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                   UINT* argErr) const;

private:
    const MemberDescription* Select(DISPID id, WORD flags) const;
    HRESULT Collect(const MemberDescription& member, const DISPPARAMS& params, DispatchArguments& args,
                    UINT* argErr) const;
    HRESULT Call(const MemberDescription& member, DispatchArguments& args, VARIANT* result) const;

    const InterfaceDescription& description_;
    std::string source_;
    std::vector<std::pair<const MemberDescription*, MemberHandler>> handlers_;
};

// An object whose IDispatch is served by its table; it also answers for the described
// interface's id (an event sink for a dispatch-only event interface, say). Derived classes bind
// their members in their constructor through Table().
template <class Primary, class... Others>
class DispatchObject : public Object<Primary, Others...> {
public:
    DispatchObject(const InterfaceDescription& description, std::string source, ServerModule* module = nullptr)
            : Object<Primary, Others...>(module), table_(description, std::move(source)), module_(module) {}

    HRESULT GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        *info = MakeTypeInfo(table_.Description(), module_).Detach();
        return S_OK;
    }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        return table_.GetIDsOfNames(names, count, ids);
    }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                   UINT* argErr) override {
        return table_.Invoke(id, flags, params, result, excepInfo, argErr);
    }

protected:
    DispatchTable& Table() { return table_; }
    void* FindOther(REFIID iid) override {
        return iid == table_.Description().iid ? static_cast<IDispatch*>(static_cast<Primary*>(this)) : nullptr;
    }

private:
    DispatchTable table_;
    ServerModule* module_;
};

} // namespace com
