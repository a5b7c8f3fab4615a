#include "platform/com/registration.h"

#include "platform/com/registry_access.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

namespace com {

using detail::CreateClassesKey;
using detail::DeleteClassesTree;
using detail::WriteClassesString;

HRESULT RegisterClassEntries(const ClassRegistration& r) {
    const std::string key = "CLSID\\" + GuidToString(r.clsid);
    std::string server;
    try {
        server = rt::Utf8ToCp932(r.server.string());
    } catch (const rt::Error&) {
        return SELFREG_E_CLASS;
    }
    bool ok = WriteClassesString(key, "", r.className) && WriteClassesString(key + "\\InprocServer32", "", server);
    if (ok && !r.threadingModel.empty())
        ok = WriteClassesString(key + "\\InprocServer32", "ThreadingModel", r.threadingModel);
    if (ok && !r.progId.empty())
        ok = WriteClassesString(key + "\\ProgID", "", r.progId) && WriteClassesString(r.progId, "", r.className) &&
             WriteClassesString(r.progId + "\\CLSID", "", GuidToString(r.clsid));
    if (ok && r.control)
        ok = CreateClassesKey(key + "\\Control") &&
             WriteClassesString(key + "\\MiscStatus", "", rt::CStr(static_cast<long long>(r.miscStatus)));
    if (ok && r.toolboxBitmap != 0)
        ok = WriteClassesString(key + "\\ToolboxBitmap32", "",
                                server + "," + rt::CStr(static_cast<long long>(r.toolboxBitmap)));
    if (ok && r.typeLib != GUID_NULL) ok = WriteClassesString(key + "\\TypeLib", "", GuidToString(r.typeLib));
    if (ok)
        ok = WriteClassesString(key + "\\Version", "",
                                rt::CStr(static_cast<long long>(r.majorVersion)) + "." +
                                    rt::CStr(static_cast<long long>(r.minorVersion)));
    if (ok) return S_OK;
    UnregisterClassEntries(r.clsid, r.progId);
    return SELFREG_E_CLASS;
}

HRESULT UnregisterClassEntries(REFCLSID clsid, std::string_view progId) {
    bool ok = DeleteClassesTree("CLSID\\" + GuidToString(clsid));
    if (!progId.empty() && progId.find('\\') == std::string_view::npos)
        ok = DeleteClassesTree(std::string(progId)) && ok;
    return ok ? S_OK : SELFREG_E_CLASS;
}

} // namespace com
