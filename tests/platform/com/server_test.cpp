#include "com_fixture.h"

#include "platform/desktop/registry.h"

using namespace com;

namespace {

// A REG_SZ of HKEY_CLASSES_ROOT, "(none)" when the key or value is missing.
std::string Classes(const std::string& key, const char* name = "") {
    desk::HKEY h;
    if (desk::RegOpenKeyEx(desk::HKEY_CLASSES_ROOT, key.c_str(), 0, desk::KEY_READ, &h) != desk::ERROR_SUCCESS)
        return "(none)";
    char data[512];
    desk::DWORD size = sizeof data, type = 0;
    const auto e = desk::RegQueryValueEx(h, name, nullptr, &type, reinterpret_cast<desk::BYTE*>(data), &size);
    desk::RegCloseKey(h);
    return e == desk::ERROR_SUCCESS ? std::string(data) : "(none)";
}

bool ClassesKeyExists(const std::string& key) {
    desk::HKEY h;
    if (desk::RegOpenKeyEx(desk::HKEY_CLASSES_ROOT, key.c_str(), 0, desk::KEY_READ, &h) != desk::ERROR_SUCCESS)
        return false;
    desk::RegCloseKey(h);
    return true;
}

const std::string kClassKey = "CLSID\\{5E0D3C41-7A2B-4C19-9F3E-1B2C3D4E5F60}";

} // namespace

TEST_F(ComTest, SelfRegistrationWritesTheControlsEntriesAndUnregistrationRemovesThem) {
    const std::string server = std::filesystem::path(kServer).string();
    EXPECT_EQ(Classes(kClassKey), "Gauge Control");
    EXPECT_EQ(Classes(kClassKey + "\\InprocServer32"), server);
    EXPECT_EQ(Classes(kClassKey + "\\InprocServer32", "ThreadingModel"), "(none)"); // single-threaded
    EXPECT_EQ(Classes(kClassKey + "\\ProgID"), "GaugeLib.Gauge");
    EXPECT_TRUE(ClassesKeyExists(kClassKey + "\\Control"));
    EXPECT_EQ(Classes(kClassKey + "\\MiscStatus"), "0");
    EXPECT_EQ(Classes(kClassKey + "\\ToolboxBitmap32"), server + ",1");
    EXPECT_EQ(Classes(kClassKey + "\\TypeLib"), "{5E0D3C40-7A2B-4C19-9F3E-1B2C3D4E5F60}");
    EXPECT_EQ(Classes(kClassKey + "\\Version"), "1.10");
    EXPECT_EQ(Classes("GaugeLib.Gauge\\CLSID"), "{5E0D3C41-7A2B-4C19-9F3E-1B2C3D4E5F60}");
    EXPECT_EQ(Classes("TypeLib\\{5E0D3C40-7A2B-4C19-9F3E-1B2C3D4E5F60}\\1.a\\0\\win32"), server); // version in hex
    EXPECT_EQ(Classes("TypeLib\\{5E0D3C40-7A2B-4C19-9F3E-1B2C3D4E5F60}\\1.a\\FLAGS"), "2");
    EXPECT_EQ(Classes("Interface\\{5E0D3C43-7A2B-4C19-9F3E-1B2C3D4E5F60}"), "IGaugeEvents");

    CLSID clsid;
    ASSERT_EQ(CLSIDFromProgID("gaugelib.gauge", &clsid), S_OK); // names ignore case
    EXPECT_EQ(clsid, gauge::kClsid);
    std::string progId;
    ASSERT_EQ(ProgIDFromCLSID(gauge::kClsid, &progId), S_OK);
    EXPECT_EQ(progId, "GaugeLib.Gauge");

    ASSERT_EQ(UnregisterServer(kServer), S_OK);
    for (const std::string& key :
         {kClassKey, std::string("GaugeLib.Gauge"), std::string("TypeLib\\{5E0D3C40-7A2B-4C19-9F3E-1B2C3D4E5F60}"),
          std::string("Interface\\{5E0D3C42-7A2B-4C19-9F3E-1B2C3D4E5F60}")})
        EXPECT_FALSE(ClassesKeyExists(key)) << key;
    ComPtr<IDispatch> none;
    EXPECT_EQ(CreateObject(gauge::kProgId, IDispatch::Id, none.PutVoid()), CO_E_CLASSSTRING);
    EXPECT_EQ(CoCreateInstance(gauge::kClsid, nullptr, CLSCTX_INPROC_SERVER, IDispatch::Id, none.PutVoid()),
              REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(none);
}

TEST_F(ComTest, ServerStaysLoadedWhileAnObjectOrALockLivesAndGoesAfterwards) {
    ASSERT_FALSE(ServerLoaded());
    ComPtr<IDispatch> gauge = NewGauge();
    ASSERT_TRUE(gauge);
    ASSERT_TRUE(ServerLoaded());
    void* handle = dlopen(kServer, RTLD_NOW | RTLD_NOLOAD);
    const auto canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(dlsym(handle, "DllCanUnloadNow"));
    dlclose(handle); // the layer's own reference keeps it loaded
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    CoFreeUnusedLibraries();
    EXPECT_TRUE(ServerLoaded());

    // The factory's lock keeps it too, after the object has gone.
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(gauge::kClsid, CLSCTX_INPROC_SERVER, IClassFactory::Id, factory.PutVoid()), S_OK);
    factory->LockServer(true);
    factory = nullptr;
    gauge = nullptr;
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    CoFreeUnusedLibraries();
    ASSERT_TRUE(ServerLoaded());
    ASSERT_EQ(CoGetClassObject(gauge::kClsid, CLSCTX_INPROC_SERVER, IClassFactory::Id, factory.PutVoid()), S_OK);
    factory->LockServer(false);
    factory = nullptr;
    EXPECT_EQ(canUnloadNow(), S_OK);
    CoFreeUnusedLibraries();
    EXPECT_FALSE(ServerLoaded());

    // Loaded again on demand.
    EXPECT_TRUE(NewGauge());
}

TEST_F(ComTest, ClassLookupFailuresAreTold) {
    ComPtr<IUnknown> object;
    const CLSID unknown = MakeGuid("{00000000-1111-2222-3333-444444444444}");
    EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_INPROC_SERVER, IUnknown::Id, object.PutVoid()),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CreateObject("No.Such", IUnknown::Id, object.PutVoid()), CO_E_CLASSSTRING);

    // A class the registry places in a server that does not make it.
    ClassRegistration stray;
    stray.clsid = unknown;
    stray.className = "Stray";
    stray.progId = "Stray.Class";
    stray.server = kServer;
    ASSERT_EQ(RegisterClassEntries(stray), S_OK);
    EXPECT_EQ(CreateObject("Stray.Class", IUnknown::Id, object.PutVoid()), CLASS_E_CLASSNOTAVAILABLE);
    // ... or in a file that is missing.
    stray.server = root_ / "missing.so";
    ASSERT_EQ(RegisterClassEntries(stray), S_OK);
    EXPECT_EQ(CreateObject("{00000000-1111-2222-3333-444444444444}", IUnknown::Id, object.PutVoid()), CO_E_DLLNOTFOUND);
    EXPECT_FALSE(object);
    EXPECT_EQ(RegisterServer(root_ / "missing.so"), CO_E_DLLNOTFOUND);

    // The factory refuses aggregation and unknown interfaces.
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(gauge::kClsid, CLSCTX_INPROC_SERVER, IClassFactory::Id, factory.PutVoid()), S_OK);
    EXPECT_EQ(factory->CreateInstance(factory.Get(), IUnknown::Id, object.PutVoid()), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, IClassFactory::Id, object.PutVoid()), E_NOINTERFACE);
    EXPECT_FALSE(object);
}

TEST_F(ComTest, RegisteredTypeLibraryDescribesInterfacesMembersAndEnumerations) {
    std::shared_ptr<const TypeLibraryDescription> library;
    EXPECT_EQ(LoadRegTypeLib(gauge::kLibid, 1, 8, &library), TYPE_E_LIBNOTREGISTERED);
    ASSERT_EQ(LoadRegTypeLib(gauge::kLibid, 1, 10, &library), S_OK);
    EXPECT_EQ(library->name, "GaugeLib");
    EXPECT_TRUE(library->control);
    const auto* coclass = library->FindCoClass(gauge::kClsid);
    ASSERT_TRUE(coclass);
    ASSERT_EQ(coclass->interfaces.size(), 2u);
    EXPECT_TRUE(coclass->interfaces[1].isSource);
    EXPECT_EQ(coclass->interfaces[1].iid, gauge::kIGaugeEvents);

    const auto* events = library->FindInterface(gauge::kIGaugeEvents);
    ASSERT_TRUE(events);
    const auto* onAsk = events->Find(gauge::kOnAsk, MemberKind::Method);
    ASSERT_TRUE(onAsk);
    ASSERT_EQ(onAsk->params.size(), 2u);
    EXPECT_EQ(onAsk->params[1].name, "Close");
    EXPECT_EQ(onAsk->params[1].direction, ParamDirection::InOut);
    const auto* gaugeInterface = library->FindInterface(gauge::kIGauge);
    ASSERT_TRUE(gaugeInterface);
    EXPECT_TRUE(gaugeInterface->Find(gauge::kCount, MemberKind::PropertyPut));
    EXPECT_EQ(gaugeInterface->FindByName("SCALE")->id, gauge::kScale);
    const auto* unit = library->FindEnum(gaugeInterface->FindByName("Unit")->resultEnum);
    ASSERT_TRUE(unit);
    EXPECT_EQ(unit->values.at(1).name, "unMillimetre");
    EXPECT_EQ(unit->values.at(1).value, 1);

    // The object describes its own interface too.
    ComPtr<IDispatch> object = NewGauge();
    UINT count = 0;
    ASSERT_EQ(object->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(object->GetTypeInfo(0, 0, info.Put()), S_OK);
    EXPECT_EQ(info->Description().name, "IGauge");
    object = nullptr;
    info = nullptr;
    library.reset();
}
