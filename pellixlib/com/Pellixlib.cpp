// The library's entry points as an in-process server, and the start and end of its units when
// the library is loaded and unloaded.
#include "pellixlib/AcadCtrl.h"
#include "pellixlib/AcadUnit.h"
#include "pellixlib/AcadVInf.h"
#include "pellixlib/com/PellixlibImpl.h"
#include "pellixlib/com/Pellixlib_TLB.h"
#include "platform/desktop/window.h"

using namespace com;

namespace {

ServerModule module;

// The units start in order - products and run index, engine, control (the face bitmap) - and
// end in reverse. The window classes the library registered go with it: their procedures are
// its code.
struct LibraryUnits {
    LibraryUnits() {
        pellix::InitAcadVInf();
        pellix::InitAcadUnit();
        pellix::AddRefFormImage();
    }
    ~LibraryUnits() {
        for (const char* windowClass : {"TPUtilWindow", "TPellixWindow", "TPellixAbout"})
            desk::UnregisterClass(windowClass);
        pellix::ReleaseFormImage();
        pellix::DoneAcadUnit();
        pellix::DoneAcadVInf();
    }
} units;

std::filesystem::path LibraryPath() { return ModulePathOf(reinterpret_cast<const void*>(&module)); }

} // namespace

extern "C" HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (clsid != pellix::tlb::CLASS_Pellix) return CLASS_E_CLASSNOTAVAILABLE;
    return MakeObject<ClassFactory>(module, [] { return MakeObject<pellix::TPellix>(module).As<IUnknown>(); })
        ->QueryInterface(iid, out);
}

extern "C" HRESULT DllCanUnloadNow() { return module.CanUnload() ? S_OK : S_FALSE; }

extern "C" HRESULT DllRegisterServer() {
    ClassRegistration r;
    r.clsid = pellix::tlb::CLASS_Pellix;
    r.className = "TPellix";
    r.progId = pellix::tlb::kProgId;
    r.server = LibraryPath();
    r.control = true;
    r.miscStatus = 0;
    r.toolboxBitmap = 1;
    r.typeLib = pellix::tlb::LIBID_Pellixlib;
    r.majorVersion = pellix::tlb::kMajorVersion;
    r.minorVersion = pellix::tlb::kMinorVersion;
    if (const HRESULT hr = RegisterClassEntries(r); FAILED(hr)) return hr;
    return RegisterTypeLib(pellix::tlb::Library(), r.server);
}

extern "C" HRESULT DllUnregisterServer() {
    const HRESULT a = UnregisterClassEntries(pellix::tlb::CLASS_Pellix, pellix::tlb::kProgId);
    const HRESULT b = UnRegisterTypeLib(pellix::tlb::Library());
    return FAILED(a) ? a : b;
}

extern "C" HRESULT DllGetTypeLibrary(const TypeLibraryDescription** library) {
    if (!library) return E_POINTER;
    *library = &pellix::tlb::Library();
    return S_OK;
}
