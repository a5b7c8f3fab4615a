#include "platform/com/typelib.h"

#include "platform/com/names.h"

namespace com {

MemberDescription Method(std::string name, DISPID id, std::vector<ParamDescription> params, VARTYPE result,
                         std::string resultEnum) {
    MemberDescription m;
    m.name = std::move(name);
    m.id = id;
    m.params = std::move(params);
    m.result = result;
    m.resultEnum = std::move(resultEnum);
    return m;
}

MemberDescription PropertyGet(std::string name, DISPID id, VARTYPE type, std::string enumName) {
    MemberDescription m = Method(std::move(name), id, {}, type, std::move(enumName));
    m.kind = MemberKind::PropertyGet;
    return m;
}

MemberDescription PropertyPut(std::string name, DISPID id, VARTYPE type, std::string enumName) {
    MemberDescription m = Method(std::move(name), id, {{"Value", type, ParamDirection::In, std::move(enumName)}});
    m.kind = MemberKind::PropertyPut;
    return m;
}

const MemberDescription* InterfaceDescription::Find(DISPID id, MemberKind kind) const {
    for (const auto& m : members)
        if (m.id == id && m.kind == kind) return &m;
    return nullptr;
}

const MemberDescription* InterfaceDescription::FindByName(std::string_view name) const {
    for (const auto& m : members)
        if (detail::SameName(m.name, name)) return &m;
    return nullptr;
}

const InterfaceDescription* TypeLibraryDescription::FindInterface(REFIID iid) const {
    for (const auto& i : interfaces)
        if (i.iid == iid) return &i;
    return nullptr;
}

const CoClassDescription* TypeLibraryDescription::FindCoClass(REFCLSID clsid) const {
    for (const auto& c : coclasses)
        if (c.clsid == clsid) return &c;
    return nullptr;
}

const EnumDescription* TypeLibraryDescription::FindEnum(std::string_view name) const {
    for (const auto& e : enums)
        if (detail::SameName(e.name, name)) return &e;
    return nullptr;
}

namespace {

class TypeInfo final : public Object<ITypeInfo> {
public:
    TypeInfo(const InterfaceDescription& description, ServerModule* module)
            : Object(module), description_(description) {}
    const InterfaceDescription& Description() override { return description_; }

private:
    const InterfaceDescription& description_;
};

} // namespace

ComPtr<ITypeInfo> MakeTypeInfo(const InterfaceDescription& description, ServerModule* module) {
    return MakeObject<TypeInfo>(description, module);
}

} // namespace com
