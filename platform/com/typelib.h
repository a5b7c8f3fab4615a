#pragma once
// A type library as data: the interfaces with their members, dispatch ids and parameters, the
// classes and the enumerations a server publishes. A server exports it with
//   extern "C" com::HRESULT DllGetTypeLibrary(const com::TypeLibraryDescription** library);
// and registers it under HKCR\TypeLib (registration.h); LoadRegTypeLib finds it there again.
#include "platform/com/dispatch.h"

#include <string>
#include <utility>
#include <vector>

namespace com {

enum class ParamDirection { In, Out, InOut };

struct ParamDescription {
    ParamDescription(std::string name, VARTYPE type, ParamDirection direction = ParamDirection::In,
                     std::string enumName = {})
            : name(std::move(name)), type(type), direction(direction), enumName(std::move(enumName)) {}

    std::string name;
    VARTYPE type = VT_EMPTY; // without VT_BYREF; Out and InOut travel by reference
    ParamDirection direction = ParamDirection::In;
    std::string enumName; // the enumeration a VT_I4 stands for, or empty
};

enum class MemberKind { Method, PropertyGet, PropertyPut };

struct MemberDescription {
    std::string name;
    DISPID id = 0;
    MemberKind kind = MemberKind::Method;
    std::vector<ParamDescription> params; // a property put's last parameter is the value
    VARTYPE result = VT_EMPTY;            // VT_EMPTY: no result
    std::string resultEnum;
    bool hidden = false; // not shown by object browsers
};

// Short forms for description tables.
MemberDescription Method(std::string name, DISPID id, std::vector<ParamDescription> params = {},
                         VARTYPE result = VT_EMPTY, std::string resultEnum = {});
MemberDescription PropertyGet(std::string name, DISPID id, VARTYPE type, std::string enumName = {});
MemberDescription PropertyPut(std::string name, DISPID id, VARTYPE type, std::string enumName = {});

enum class InterfaceKind { Dual, DispatchOnly };

struct InterfaceDescription {
    std::string name;
    IID iid;
    InterfaceKind kind = InterfaceKind::Dual;
    std::string help;
    std::vector<MemberDescription> members;

    const MemberDescription* Find(DISPID id, MemberKind kind) const;
    // Names ignore ASCII case; the first member of that name (a property's read and write share it).
    const MemberDescription* FindByName(std::string_view name) const;
};

struct EnumValue {
    std::string name;
    LONG value = 0;
};

struct EnumDescription {
    std::string name;
    GUID guid;
    std::vector<EnumValue> values;
};

struct CoClassInterface {
    IID iid;
    bool isDefault = false;
    bool isSource = false; // an event interface
};

struct CoClassDescription {
    std::string name;
    CLSID clsid;
    std::string help;
    bool creatable = true;
    bool control = false;
    std::vector<CoClassInterface> interfaces;
};

struct TypeLibraryDescription {
    std::string name;
    GUID libid;
    WORD majorVersion = 1;
    WORD minorVersion = 0;
    LCID lcid = 0;
    std::string help;
    bool control = false;
    std::vector<InterfaceDescription> interfaces;
    std::vector<CoClassDescription> coclasses;
    std::vector<EnumDescription> enums;

    const InterfaceDescription* FindInterface(REFIID iid) const;
    const CoClassDescription* FindCoClass(REFCLSID clsid) const;
    const EnumDescription* FindEnum(std::string_view name) const;
};

// The description of one interface, handed out by IDispatch::GetTypeInfo.
struct ITypeInfo : IUnknown {
    static constexpr IID Id{0x00020401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    using Base = IUnknown;
    virtual const InterfaceDescription& Description() = 0;

protected:
    ~ITypeInfo() = default;
};
// A type info over a description that outlives it (static data of the server).
ComPtr<ITypeInfo> MakeTypeInfo(const InterfaceDescription& description, ServerModule* module);

using DllGetTypeLibraryFunction = HRESULT (*)(const TypeLibraryDescription**);

} // namespace com
