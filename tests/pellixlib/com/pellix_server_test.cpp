// The control library as an in-process server: registration, members by dispatch id with
// variants, errors as results with error information, the event sink, persistence of the
// properties, the about box and the library's lifetime.
#include "pellix_com_fixture.h"

#include "cad/app/instance.h"
#include "platform/desktop/message.h"
#include "platform/desktop/window.h"

#include <algorithm>
#include <chrono>
#include <thread>

using namespace pellix_com_test;
using pellix::tlb::CLASS_Pellix;
using pellix::tlb::IID_IPellix;
using pellix::tlb::LIBID_Pellixlib;

namespace {

// Lets a command worker, had it gone on, make its passes (one every 100 ms of the desktop's
// clock, each needing real time to run) and type into the CAD meanwhile.
void GiveTheWorkerItsPasses() {
    for (int i = 0; i < 10; ++i) {
        desk::testing::RunFor(100);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace

TEST_F(PellixComTest, RegistrationWritesAndRemovesTheEntries) {
    desk::testing::ReloadRegistry(); // what was registered is kept in the registry's file
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID("Pellixlib.Pellix", &clsid), S_OK);
    EXPECT_EQ(clsid, CLASS_Pellix);
    std::string progId;
    EXPECT_EQ(ProgIDFromCLSID(CLASS_Pellix, &progId), S_OK);
    EXPECT_EQ(progId, "Pellixlib.Pellix");
    std::shared_ptr<const TypeLibraryDescription> library;
    ASSERT_EQ(LoadRegTypeLib(LIBID_Pellixlib, 1, 8, &library), S_OK);
    EXPECT_EQ(library->name, "Pellixlib");
    library.reset();

    ASSERT_EQ(UnregisterServer(kLibrary), S_OK);
    desk::testing::ReloadRegistry();
    EXPECT_TRUE(FAILED(CLSIDFromProgID("Pellixlib.Pellix", &clsid)));
    EXPECT_TRUE(FAILED(ProgIDFromCLSID(CLASS_Pellix, &progId)));
    EXPECT_EQ(LoadRegTypeLib(LIBID_Pellixlib, 1, 8, &library), TYPE_E_LIBNOTREGISTERED);
    ComPtr<IDispatch> none;
    EXPECT_EQ(CreateObject("Pellixlib.Pellix", IDispatch::Id, none.PutVoid()), CO_E_CLASSSTRING);
}

TEST_F(PellixComTest, MembersCrossAsVariants) {
    const auto p = Place(nullptr);
    const Variant version = Method(p.Get(), Id("AcadCtrVer"));
    EXPECT_EQ(version.vt, VT_I4);
    EXPECT_EQ(version.lVal, 181);
    // The enumeration's 8-bit field keeps the low byte; 44 is no product.
    Put(p.Get(), Id("AcadType"), Variant::I4(300));
    EXPECT_EQ(Get(p.Get(), Id("AcadType")).lVal, 44);
    EXPECT_EQ(Method(p.Get(), Id("IsInstall")).boolVal, VARIANT_FALSE);
    Put(p.Get(), Id("AcadType"), Variant::I4(6));
    const Variant installed = Method(p.Get(), Id("IsInstall"));
    EXPECT_EQ(installed.vt, VT_BOOL);
    EXPECT_EQ(installed.boolVal, VARIANT_TRUE);
    // Any non-zero boolean is true; booleans come back as -1 and 0.
    struct Case {
        Variant in;
        VARIANT_BOOL out;
    };
    Variant one;
    one.vt = VT_BOOL;
    one.boolVal = 1;
    for (const Case& c :
         {Case{one, VARIANT_TRUE}, Case{Variant::Bool(false), VARIANT_FALSE}, Case{Variant::I4(7), VARIANT_TRUE}}) {
        Put(p.Get(), Id("AcadLocked"), c.in);
        EXPECT_EQ(Get(p.Get(), Id("AcadLocked")).boolVal, c.out);
    }
    // Enabled carries the standard id; it switches the monitor and leaves the window be.
    EXPECT_EQ(Id("Enabled"), DISPID_ENABLED);
    EXPECT_EQ(Get(p.Get(), DISPID_ENABLED).boolVal, VARIANT_TRUE);
    Put(p.Get(), DISPID_ENABLED, Variant::Bool(false));
    EXPECT_EQ(Get(p.Get(), DISPID_ENABLED).boolVal, VARIANT_FALSE);
    EXPECT_EQ(Get(p.Get(), Id("Visible")).boolVal, VARIANT_TRUE);
    // A by-reference string is replaced by the member's output.
    BSTR old = BstrFromUtf8("old text");
    EXPECT_EQ(Method(p.Get(), Id("NextOwnerWnd"), {Variant::RefBstr(&old), Variant::RefBstr(&old)}).lVal, 0);
    EXPECT_EQ(Utf8FromBstr(old), "");
    SysFreeString(old);
    // Names resolve to the same ids.
    DISPID id = 0;
    EXPECT_EQ(GetMemberId(p.Get(), "acadctrver", &id), S_OK);
    EXPECT_EQ(id, 0x6E);
}

TEST_F(PellixComTest, AnErrorBecomesAResultWithErrorInformationAndTheControlStaysUsable) {
    const auto p = Place(nullptr);
    // Without its window the control cannot make its timer.
    desk::DestroyWindow(desk::FindWindow("TPUtilWindow", nullptr));
    std::vector<Variant> args;
    args.push_back(Variant::Bool(true));
    EXCEPINFO info;
    EXPECT_EQ(InvokeMember(p.Get(), DISPID_ENABLED, DISPATCH_PROPERTYPUT, args, nullptr, &info), DISP_E_EXCEPTION);
    EXPECT_EQ(info.scode, E_UNEXPECTED);
    EXPECT_EQ(Utf8FromBstr(info.bstrSource), "Pellixlib.Pellix");
    EXPECT_EQ(Utf8FromBstr(info.bstrDescription), "Do not Create Timer.");
    ClearExcepInfo(&info);
    EXPECT_EQ(Method(p.Get(), Id("AcadCtrVer")).lVal, 181);
}

TEST_F(PellixComTest, ASinkWithoutTheEventInterfaceIsRefused) {
    const auto p = NewPellix();
    const auto wrong = MakeObject<RecordingSink>(IID_IPellix);
    DWORD cookie = 0;
    EXPECT_EQ(ConnectSink(p.Get(), pellix::tlb::DIID_IPellixEvents, wrong.Get(), &cookie), E_NOINTERFACE);
    EXPECT_EQ(p.As<IPersistStreamInit>()->InitNew(), S_OK);
    EXPECT_TRUE(wrong->Events().empty());
    ComPtr<IConnectionPoint> none;
    EXPECT_EQ(p.As<IConnectionPointContainer>()->FindConnectionPoint(IID_IPellix, none.Put()), CONNECT_E_NOCONNECTION);
}

TEST_F(PellixComTest, TheLibraryStaysLoadedWhileAnObjectLives) {
    auto p = NewPellix();
    void* handle = dlopen(kLibrary, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(handle, nullptr);
    const auto canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(dlsym(handle, "DllCanUnloadNow"));
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    CoFreeUnusedLibraries();
    EXPECT_TRUE(LibraryLoaded());
    p = nullptr;
    EXPECT_EQ(canUnloadNow(), S_OK);
    dlclose(handle);
}

TEST_F(PellixComTest, ThePropertiesPersistAsTheControlsStream) {
    // The program's saved state of a control.
    const std::vector<BYTE> saved = WriteComponentStream({"TAcadControl",
                                                          "",
                                                          {{"Left", 596},
                                                           {"Top", 340},
                                                           {"Width", 28},
                                                           {"Height", 28},
                                                           {"HelpType", StreamIdent{"htKeyword"}},
                                                           {"AcadType", StreamIdent{"atACLT2002"}},
                                                           {"Visible", true}}});
    const auto p = Place(nullptr, saved);
    EXPECT_EQ(Get(p.Get(), Id("AcadType")).lVal, 6);
    EXPECT_EQ(Get(p.Get(), Id("HelpType")).lVal, 0);
    std::vector<BYTE> again;
    ASSERT_EQ(p.As<IPersistStreamInit>()->Save(&again), S_OK);
    EXPECT_EQ(again, saved) << "the defaults are left out, AcadType and Visible always written";

    Put(p.Get(), Id("Interval"), Variant::I4(200));
    Put(p.Get(), Id("WaitMessage"), Variant::Text("待ってね"));
    Put(p.Get(), Id("AcadType"), Variant::I4(300));
    ASSERT_EQ(p.As<IPersistStreamInit>()->Save(&again), S_OK);
    const auto read = ReadComponentStream(again);
    ASSERT_TRUE(read);
    std::vector<std::string> names;
    for (const auto& [name, value] : read->properties) names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"Left", "Top", "Width", "Height", "HelpType", "Interval", "AcadType",
                                               "WaitMessage", "Visible"}));
    const auto q = Place(nullptr, again);
    EXPECT_EQ(Get(q.Get(), Id("Interval")).lVal, 200);
    EXPECT_EQ(Get(q.Get(), Id("AcadType")).lVal, 44);
    EXPECT_EQ(Get(q.Get(), Id("WaitMessage")).AsText(), "待ってね");
}

TEST_F(PellixComTest, ADamagedOrForeignStateIsRefusedAndChangesNothing) {
    const auto bad = [](std::vector<std::pair<std::string, StreamValue>> properties, std::string cls = "TAcadControl") {
        return WriteComponentStream({std::move(cls), "", std::move(properties)});
    };
    struct Case {
        std::vector<BYTE> state;
        const char* says;
    };
    for (const Case& c :
         {Case{{'T', 'P', 'F', '0', 9}, "damaged"}, Case{bad({{"Interval", 200}}, "TButton"), "TButton"},
          Case{bad({{"Interval", 200}, {"Colour", 3}}), "Colour"},
          Case{bad({{"Interval", 200}, {"AcadType", StreamIdent{"atACAD2099"}}}), "AcadType"},
          Case{bad({{"Interval", 200}, {"Visible", 1}}), "Visible"}}) {
        const auto p = NewPellix();
        EXPECT_EQ(p.As<IPersistStreamInit>()->Load(c.state), E_FAIL);
        ErrorInfo info;
        ASSERT_EQ(GetErrorInfo(&info), S_OK);
        EXPECT_NE(info.description.find(c.says), std::string::npos) << info.description;
        EXPECT_EQ(Get(p.Get(), Id("Interval")).lVal, 500) << c.says;
    }
}

TEST_F(PellixComTest, TheAboutBoxBlocksUntilClosedWhileMessagesKeepFlowing) {
    const auto sink = MakeObject<RecordingSink>();
    const auto p = Place(sink.Get());
    const desk::DWORD start = desk::GetTickCount();
    desk::testing::At(start + 1000, [] {
        const desk::HWND box = desk::FindWindow(nullptr, "About Pellix");
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(desk::IsWindowVisible(box));
        desk::RECT r{};
        desk::GetClientRect(box, &r);
        EXPECT_EQ(r.right - r.left, 360);
        EXPECT_EQ(r.bottom - r.top, 140);
        EXPECT_NE(desk::FindWindowEx(box, nullptr, "Static", "Version1.81"), nullptr);
        desk::SendMessage(desk::FindWindowEx(box, nullptr, "Button", "OK"), 0x00F5 /* BM_CLICK */, 0, 0);
    });
    Method(p.Get(), DISPID_ABOUTBOX);
    EXPECT_GE(desk::GetTickCount(), start + 1000) << "returned only once OK was clicked";
    EXPECT_EQ(desk::FindWindow(nullptr, "About Pellix"), nullptr);
    // The control's timer kept ticking in the box's loop.
    const auto events = sink->Events();
    EXPECT_GE(std::count(events.begin(), events.end(), "OnTimer"), 1);
}

TEST_F(PellixComTest, TheWorkersEventsReachTheSinkOnTheHostsThreadInOrder) {
    const auto sink = MakeObject<RecordingSink>();
    sink->answer = [](DISPID id, DISPPARAMS* p) {
        if (id == pellix::tlb::OnAcadDialog) *p->rgvarg[0].pboolVal = VARIANT_TRUE; // DialogClose
    };
    const auto p = Place(sink.Get());
    ASSERT_EQ(Method(p.Get(), Id("Shell")).boolVal, VARIANT_TRUE);
    desk::testing::RunFor(2000); // the start-up dialog closed through the event
    for (LONG no = 1; no <= 3; ++no)
        EXPECT_EQ(Method(p.Get(), Id("AsyncCommand"), {Variant::Text("_REDRAW\r"), Variant::I4(no)}).boolVal,
                  VARIANT_TRUE);
    const auto async = [&] {
        std::vector<std::string> seen;
        for (const std::string& e : sink->Events()) {
            // Name and send number; a command sent reports its result -1 (true) last.
            if (!e.starts_with("OnAsync")) continue;
            seen.push_back(e.substr(0, e.find(' ', e.find(' ') + 1)));
            if (e.starts_with("OnAsyncSended")) {
                EXPECT_TRUE(e.ends_with(" -1")) << e;
            }
        }
        return seen;
    };
    for (int i = 0; i < 200 && async().size() < 6; ++i) {
        desk::testing::RunFor(50);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(async(), (std::vector<std::string>{"OnAsyncSending 1", "OnAsyncSended 1", "OnAsyncSending 2",
                                                 "OnAsyncSended 2", "OnAsyncSending 3", "OnAsyncSended 3"}));
    for (desk::DWORD thread : sink->Threads()) EXPECT_EQ(thread, desk::GetCurrentThreadId());
    Method(p.Get(), Id("Close"), {Variant::Text("")});
}

TEST_F(PellixComTest, ASiteThatLetsGoOfTheControlInsideOneOfItsCallsEndsItOnceTheCallReturns) {
    ComPtr<IDispatch> p = Place(nullptr);
    IDispatch* raw = p.Get();
    // The screen unloads while the about box is up: the site closes the control and lets go.
    desk::testing::At(desk::GetTickCount() + 500, [&p] {
        ASSERT_NE(desk::FindWindow(nullptr, "About Pellix"), nullptr);
        p.As<IControlView>()->Close();
        p = nullptr;
    });
    std::vector<Variant> none;
    EXPECT_EQ(InvokeMember(raw, DISPID_ABOUTBOX, DISPATCH_METHOD, none), S_OK);
    EXPECT_EQ(desk::FindWindow(nullptr, "About Pellix"), nullptr) << "the box went with the control's window";
    EXPECT_EQ(desk::FindWindow("TPUtilWindow", nullptr), nullptr);
    // TearDown: the object is gone and the library unloads.
}

TEST_F(PellixComTest, ASiteThatLetsGoOfTheControlInsideAnEventEndsItsQueueFirst) {
    const auto sink = MakeObject<RecordingSink>();
    sink->answer = [](DISPID id, DISPPARAMS* p) {
        if (id == pellix::tlb::OnAcadDialog) *p->rgvarg[0].pboolVal = VARIANT_TRUE; // DialogClose
    };
    ComPtr<IDispatch> p = Place(sink.Get());
    ASSERT_EQ(Method(p.Get(), Id("Shell")).boolVal, VARIANT_TRUE);
    desk::testing::RunFor(2000);
    const auto& history = cad::app::RunningInstances().front()->commandLine().History();
    const std::size_t historyBefore = history.size();
    // The screen unloads from the control's timer event, three commands still queued.
    std::size_t eventsAtRelease = 0;
    sink->answer = [&](DISPID id, DISPPARAMS*) {
        if (id != pellix::tlb::OnTimer || !p) return;
        for (LONG no = 1; no <= 3; ++no)
            EXPECT_EQ(Method(p.Get(), Id("AsyncCommand"), {Variant::Text("_REDRAW\r"), Variant::I4(no)}).boolVal,
                      VARIANT_TRUE);
        p.As<IControlView>()->Close();
        p = nullptr;
        eventsAtRelease = sink->Events().size();
        // Still inside the control's tick, the control itself lives on until the tick ends: a
        // worker that went on would take several passes meanwhile and type what was queued.
        GiveTheWorkerItsPasses();
    };
    for (int i = 0; i < 40 && p; ++i) desk::testing::RunFor(50);
    ASSERT_FALSE(p) << "released in the event";
    GiveTheWorkerItsPasses();
    const auto events = sink->Events();
    EXPECT_EQ(events.size(), eventsAtRelease) << events.back();
    for (std::size_t i = historyBefore; i < history.size(); ++i)
        EXPECT_EQ(history[i].find("REDRAW"), std::string::npos) << history[i];
    // TearDown: the object is gone and the library unloads.
}

TEST_F(PellixComTest, AnEventThatFailsWhileTheControlStartsFailsItsLoadWithTheDescription) {
    const auto first = Place(nullptr);
    ASSERT_EQ(Method(first.Get(), Id("Shell")).boolVal, VARIANT_TRUE); // a CAD to follow
    for (const bool fromState : {false, true}) {
        std::vector<BYTE> state;
        if (fromState) {
            ASSERT_EQ(first.As<IPersistStreamInit>()->Save(&state), S_OK);
        }
        const auto sink = MakeObject<FailingSink>(pellix::tlb::OnActiveChange, "the screen's handler failed");
        const ComPtr<IDispatch> p = NewPellix();
        DWORD cookie = 0;
        ASSERT_EQ(ConnectSink(p.Get(), pellix::tlb::DIID_IPellixEvents, sink.Get(), &cookie), S_OK);
        const auto persist = p.As<IPersistStreamInit>();
        EXPECT_EQ(fromState ? persist->Load(state) : persist->InitNew(), DISP_E_EXCEPTION);
        ErrorInfo info;
        ASSERT_EQ(GetErrorInfo(&info), S_OK);
        EXPECT_EQ(info.description, "the screen's handler failed");
        p.As<IControlView>()->Close();
    }
    Method(first.Get(), Id("Close"), {Variant::Text("")});
}

TEST_F(PellixComTest, AByReferenceStringIsReplacedByTheMembersOutput) {
    const auto p = Place(nullptr);
    ASSERT_EQ(Method(p.Get(), Id("Shell")).boolVal, VARIANT_TRUE);
    if (const desk::HWND dialog = cad::app::RunningInstances().front()->Windows().startupDialog)
        desk::SendMessage(dialog, desk::WM_CLOSE, 0, 0);
    // The caller's string is replaced by the variable's value, or emptied when there is none.
    BSTR value = BstrFromUtf8("whatever was there");
    EXPECT_EQ(Method(p.Get(), Id("GetVar"), {Variant::Text("LUPREC"), Variant::RefBstr(&value)}).boolVal, VARIANT_TRUE);
    EXPECT_EQ(Utf8FromBstr(value), "4");
    EXPECT_EQ(Method(p.Get(), Id("GetVar"), {Variant::Text("NOSUCHVAR"), Variant::RefBstr(&value)}).boolVal,
              VARIANT_FALSE);
    EXPECT_EQ(Utf8FromBstr(value), "");
    SysFreeString(value);
    Method(p.Get(), Id("Close"), {Variant::Text("")});
}
