#include "com_fixture.h"

#include <vector>

using namespace com;

namespace {

template <class... V>
std::vector<Variant> Args(V&&... v) {
    std::vector<Variant> args;
    (args.push_back(std::forward<V>(v)), ...);
    return args;
}

HRESULT Call(IDispatch* object, DISPID id, WORD flags, std::vector<Variant> args, Variant* result = nullptr,
             EXCEPINFO* excep = nullptr) {
    return InvokeMember(object, id, flags, args, result, excep);
}

// The host's view of the gauge's events: only what it handles.
const InterfaceDescription kEvents{
    .name = "IGaugeEvents",
    .iid = gauge::kIGaugeEvents,
    .kind = InterfaceKind::DispatchOnly,
    .help = {},
    .members = {Method("OnAsk", gauge::kOnAsk, {{"Caption", VT_BSTR}, {"Close", VT_BOOL, ParamDirection::InOut}}),
                Method("OnCount", gauge::kOnCount, {{"Count", VT_I4}})}};

class Sink final : public DispatchObject<IDispatch> {
public:
    Sink() : DispatchObject(kEvents, "Host") {
        Table()
            .Method("OnAsk",
                    [this](DispatchArguments& a, Variant&) {
                        captions.push_back(a.Text(0));
                        if (fail) throw std::runtime_error("handler broke");
                        a.BoolRef(1) = closeDialog ? VARIANT_TRUE : VARIANT_FALSE;
                    })
            .Method("OnCount", [this](DispatchArguments& a, Variant&) { counts.push_back(a.Long(0)); });
    }
    std::vector<std::string> captions;
    std::vector<LONG> counts;
    bool closeDialog = true;
    bool fail = false;
};

} // namespace

TEST_F(ComTest, MethodsAndPropertiesByDispatchIdWithVariants) {
    ComPtr<IDispatch> g = NewGauge();
    ASSERT_TRUE(g);

    // Scale(Factor, in/out Value): the caller's double holds the output.
    double value = 4;
    Variant result;
    ASSERT_EQ(Call(g.Get(), gauge::kScale, DISPATCH_METHOD, Args(Variant::R8(2.5), Variant::RefR8(&value)), &result),
              S_OK);
    EXPECT_EQ(value, 10.0);
    EXPECT_EQ(result.vt, VT_BOOL);
    EXPECT_EQ(result.boolVal, VARIANT_TRUE);
    // A reference to a variant is converted in place to the declared double.
    Variant held = Variant::I4(3);
    ASSERT_EQ(
        Call(g.Get(), gauge::kScale, DISPATCH_METHOD, Args(Variant::Text("0"), Variant::RefVariant(&held)), &result),
        S_OK);
    EXPECT_EQ(held.vt, VT_R8);
    EXPECT_EQ(held.dblVal, 0.0);
    EXPECT_EQ(result.boolVal, VARIANT_FALSE);

    // Arguments keep their declared order across the reversal, and convert to the declared types.
    ASSERT_EQ(Call(g.Get(), gauge::kDescribe, DISPATCH_METHOD, Args(Variant::Text("縦"), Variant::Text("3")), &result),
              S_OK);
    EXPECT_EQ(result.vt, VT_BSTR);
    EXPECT_EQ(Utf8FromBstr(result.bstrVal), "縦縦縦");

    ASSERT_EQ(Call(g.Get(), gauge::kCount, DISPATCH_PROPERTYPUT, Args(Variant::I2(7))), S_OK);
    ASSERT_EQ(Call(g.Get(), gauge::kCount, DISPATCH_PROPERTYGET, {}, &result), S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, 7);
    // Callers that cannot tell a method from a property read pass both flags.
    ASSERT_EQ(Call(g.Get(), gauge::kCount, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}, &result), S_OK);
    EXPECT_EQ(result.lVal, 7);

    DISPID ids[2];
    std::u16string name = u"describe", param = u"TIMES";
    LPOLESTR names[] = {name.data(), param.data()};
    ASSERT_EQ(g->GetIDsOfNames(IID_NULL, names, 2, 0, ids), S_OK);
    EXPECT_EQ(ids[0], gauge::kDescribe);
    EXPECT_EQ(ids[1], 1);
    DISPID id = 0;
    EXPECT_EQ(GetMemberId(g.Get(), "NoSuchMember", &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
}

TEST_F(ComTest, CallsThatDoNotFitTheMemberAreRefused) {
    ComPtr<IDispatch> g = NewGauge();
    double value = 1;
    VARIANT_BOOL flag = 0;
    struct Case {
        const char* what;
        DISPID id;
        WORD flags;
        std::vector<Variant> args;
        HRESULT hr;
        UINT argErr; // checked for type mismatches
    };
    std::vector<Case> cases;
    cases.push_back({"unknown id", 99, DISPATCH_METHOD, {}, DISP_E_MEMBERNOTFOUND, 0});
    cases.push_back(
        {"put on a method", gauge::kScale, DISPATCH_PROPERTYPUT, Args(Variant::R8(1)), DISP_E_MEMBERNOTFOUND, 0});
    cases.push_back({"too few", gauge::kScale, DISPATCH_METHOD, Args(Variant::R8(1)), DISP_E_BADPARAMCOUNT, 0});
    cases.push_back({"too many", gauge::kCount, DISPATCH_PROPERTYGET, Args(Variant::R8(1)), DISP_E_BADPARAMCOUNT, 0});
    // Factor is declared first, so it stands last in rgvarg.
    cases.push_back({"text for a double", gauge::kScale, DISPATCH_METHOD,
                     Args(Variant::Text("abc"), Variant::RefR8(&value)), DISP_E_TYPEMISMATCH, 1});
    cases.push_back({"value for a reference", gauge::kScale, DISPATCH_METHOD, Args(Variant::R8(1), Variant::R8(2)),
                     DISP_E_TYPEMISMATCH, 0});
    cases.push_back({"reference of another type", gauge::kScale, DISPATCH_METHOD,
                     Args(Variant::R8(1), Variant::RefBool(&flag)), DISP_E_TYPEMISMATCH, 0});
    cases.push_back({"out of range", gauge::kCount, DISPATCH_PROPERTYPUT, Args(Variant::R8(1e12)), DISP_E_OVERFLOW, 0});
    for (auto& c : cases) {
        std::vector<VARIANT> reversed(c.args.rbegin(), c.args.rend());
        DISPID putId = DISPID_PROPERTYPUT;
        DISPPARAMS params{reversed.data(), c.flags & DISPATCH_PROPERTYPUT ? &putId : nullptr,
                          static_cast<UINT>(reversed.size()), c.flags & DISPATCH_PROPERTYPUT ? 1u : 0u};
        UINT argErr = 77;
        EXPECT_EQ(g->Invoke(c.id, IID_NULL, 0, c.flags, &params, nullptr, nullptr, &argErr), c.hr) << c.what;
        if (c.hr == DISP_E_TYPEMISMATCH) {
            EXPECT_EQ(argErr, c.argErr) << c.what;
        }
    }
    EXPECT_EQ(value, 1.0);

    // A put must name its value; a method takes no named arguments.
    Variant seven = Variant::I4(7);
    DISPID named = 0;
    DISPPARAMS unnamed{&seven, nullptr, 1, 0}, withName{&seven, &named, 1, 1};
    EXPECT_EQ(g->Invoke(gauge::kCount, IID_NULL, 0, DISPATCH_PROPERTYPUT, &unnamed, nullptr, nullptr, nullptr),
              DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(g->Invoke(gauge::kFail, IID_NULL, 0, DISPATCH_METHOD, &withName, nullptr, nullptr, nullptr),
              DISP_E_NONAMEDARGS);
}

TEST_F(ComTest, AFailingMemberReportsThroughExcepInfoAndErrorInfo) {
    ComPtr<IDispatch> g = NewGauge();
    EXCEPINFO excep;
    EXPECT_EQ(
        Call(g.Get(), gauge::kFail, DISPATCH_METHOD, Args(Variant::Text("Do not Create Timer.")), nullptr, &excep),
        DISP_E_EXCEPTION);
    EXPECT_EQ(Utf8FromBstr(excep.bstrSource), "GaugeLib.Gauge");
    EXPECT_EQ(Utf8FromBstr(excep.bstrDescription), "Do not Create Timer.");
    EXPECT_EQ(excep.scode, E_UNEXPECTED);
    ClearExcepInfo(&excep);
    EXPECT_EQ(GetErrorInfo(nullptr), S_FALSE); // moved into EXCEPINFO

    // Without EXCEPINFO the thread's error information keeps it, once.
    EXPECT_EQ(Call(g.Get(), gauge::kFail, DISPATCH_METHOD, Args(Variant::Text("second"))), DISP_E_EXCEPTION);
    ErrorInfo info;
    ASSERT_EQ(GetErrorInfo(&info), S_OK);
    EXPECT_EQ(info.source, "GaugeLib.Gauge");
    EXPECT_EQ(info.description, "second");
    EXPECT_EQ(info.iid, gauge::kIGauge);
    EXPECT_EQ(GetErrorInfo(&info), S_FALSE);

    // The object stays usable.
    Variant result;
    EXPECT_EQ(Call(g.Get(), gauge::kCount, DISPATCH_PROPERTYGET, {}, &result), S_OK);
}

TEST_F(ComTest, EventsReachTheSinkAndByReferenceArgumentsAreReadBack) {
    ComPtr<IDispatch> g = NewGauge();
    ComPtr<Sink> sink = MakeObject<Sink>();
    DWORD cookie = 0;
    ASSERT_EQ(ConnectSink(g.Get(), gauge::kIGaugeEvents, sink.Get(), &cookie), S_OK);
    EXPECT_NE(cookie, 0u);

    Variant result;
    ASSERT_EQ(Call(g.Get(), gauge::kAsk, DISPATCH_METHOD, Args(Variant::Text("閉じますか")), &result), S_OK);
    EXPECT_EQ(result.vt, VT_BOOL);
    EXPECT_EQ(result.boolVal, VARIANT_TRUE); // the sink's Close, read back
    sink->closeDialog = false;
    ASSERT_EQ(Call(g.Get(), gauge::kAsk, DISPATCH_METHOD, Args(Variant::Text("again")), &result), S_OK);
    EXPECT_EQ(result.boolVal, VARIANT_FALSE);
    EXPECT_EQ(sink->captions, (std::vector<std::string>{"閉じますか", "again"}));
    ASSERT_EQ(Call(g.Get(), gauge::kCount, DISPATCH_PROPERTYPUT, Args(Variant::I4(12))), S_OK);
    EXPECT_EQ(sink->counts, std::vector<LONG>{12});

    // A sink that fails makes the raising member fail.
    sink->fail = true;
    EXPECT_EQ(Call(g.Get(), gauge::kAsk, DISPATCH_METHOD, Args(Variant::Text("x")), &result), DISP_E_EXCEPTION);
    sink->fail = false;

    // Disconnected: the event goes nowhere and Close keeps its start value.
    ASSERT_EQ(DisconnectSink(g.Get(), gauge::kIGaugeEvents, cookie), S_OK);
    EXPECT_EQ(DisconnectSink(g.Get(), gauge::kIGaugeEvents, cookie), CONNECT_E_NOCONNECTION);
    sink->closeDialog = true;
    ASSERT_EQ(Call(g.Get(), gauge::kAsk, DISPATCH_METHOD, Args(Variant::Text("gone")), &result), S_OK);
    EXPECT_EQ(result.boolVal, VARIANT_FALSE);
    EXPECT_EQ(sink->captions.size(), 3u);
}

TEST_F(ComTest, ASinkWithoutTheEventInterfaceIsRefused) {
    ComPtr<IDispatch> g = NewGauge();
    // Another gauge is a dispatch object, but not of the event interface.
    ComPtr<IDispatch> stranger = NewGauge();
    ComPtr<IConnectionPointContainer> container = g.As<IConnectionPointContainer>();
    ASSERT_TRUE(container);
    ComPtr<IConnectionPoint> point;
    EXPECT_EQ(container->FindConnectionPoint(gauge::kIGauge, point.Put()), CONNECT_E_NOCONNECTION);
    ASSERT_EQ(container->FindConnectionPoint(gauge::kIGaugeEvents, point.Put()), S_OK);
    DWORD cookie = 5;
    EXPECT_EQ(point->Advise(stranger.Get(), &cookie), E_NOINTERFACE);
    EXPECT_EQ(cookie, 0u);
    EXPECT_EQ(point->Advise(nullptr, &cookie), E_POINTER);
    IID iid;
    ASSERT_EQ(point->GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, gauge::kIGaugeEvents);

    // Nothing was connected: the event changes nothing.
    Variant result;
    ASSERT_EQ(Call(g.Get(), gauge::kAsk, DISPATCH_METHOD, Args(Variant::Text("x")), &result), S_OK);
    EXPECT_EQ(result.boolVal, VARIANT_FALSE);
}
