#pragma once
// A fresh desktop with AutoCAD LT 2002 installed and the control library registered, and a
// sink that records the events the control raises. The library is loaded by path from the
// registry, never linked, and unloaded after each test.
#include "cad/app/install.h"
#include "pellixlib/com/Pellixlib_TLB.h"
#include "platform/com/com.h"
#include "platform/desktop/clock.h"
#include "platform/desktop/process.h"
#include "platform/desktop/testing.h"
#include "platform/runtime/number_text.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace pellix_com_test {

using namespace com;

// Records each event as "<name> <arguments>"; `answer` may write the by-reference ones.
class RecordingSink final : public Object<IDispatch> {
public:
    explicit RecordingSink(IID answersFor = pellix::tlb::DIID_IPellixEvents) : iid_(answersFor) {}
    std::function<void(DISPID, DISPPARAMS*)> answer;

    std::vector<std::string> Events() {
        std::lock_guard lock(m_);
        return events_;
    }
    std::vector<desk::DWORD> Threads() {
        std::lock_guard lock(m_);
        return threads_;
    }

    HRESULT GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*, UINT*) override {
        std::string line = pellix::tlb::IPellixEvents().Find(id, MemberKind::Method)->name;
        for (UINT i = p->cArgs; i-- > 0;) {
            Variant v;
            VariantCopyInd(&v, &p->rgvarg[i]);
            line += " " + (v.vt == VT_BOOL ? rt::CStr(static_cast<long long>(v.boolVal)) : v.AsText());
        }
        {
            std::lock_guard lock(m_);
            events_.push_back(line);
            threads_.push_back(desk::GetCurrentThreadId());
        }
        if (answer) answer(id, p);
        return S_OK;
    }

protected:
    void* FindOther(REFIID iid) override { return iid == iid_ ? static_cast<IDispatch*>(this) : nullptr; }

private:
    IID iid_;
    std::mutex m_;
    std::vector<std::string> events_;
    std::vector<desk::DWORD> threads_;
};

// A sink that fails one event with a description, as a container's handler that raises does.
class FailingSink final : public Object<IDispatch> {
public:
    FailingSink(DISPID fails, std::string description) : fails_(fails), description_(std::move(description)) {}
    HRESULT GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO* info, UINT*) override {
        if (id != fails_) return S_OK;
        if (info) {
            *info = EXCEPINFO{};
            info->bstrDescription = BstrFromUtf8(description_);
            info->scode = E_FAIL;
        }
        return DISP_E_EXCEPTION;
    }

protected:
    void* FindOther(REFIID iid) override {
        return iid == pellix::tlb::DIID_IPellixEvents ? static_cast<IDispatch*>(this) : nullptr;
    }

private:
    DISPID fails_;
    std::string description_;
};

class PellixComTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::path(::testing::TempDir()) /
                (std::string("pellixcom-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(root_);
        desk::testing::Reset(root_);
        cad::app::InstallProduct(6, "C:\\LT2002");
        ASSERT_EQ(RegisterServer(kLibrary), S_OK);
    }
    void TearDown() override {
        CoFreeUnusedLibraries();
        EXPECT_FALSE(LibraryLoaded()) << "an object of the library outlived its test";
        desk::testing::Reset(root_);
        std::filesystem::remove_all(root_);
    }

    static ComPtr<IDispatch> NewPellix() {
        ComPtr<IDispatch> pellix;
        EXPECT_EQ(CreateObject(pellix::tlb::kProgId, IDispatch::Id, pellix.PutVoid()), S_OK);
        return pellix;
    }
    // Made as a container makes it: the sink connected first, then the state loaded (none:
    // the defaults).
    static ComPtr<IDispatch> Place(IUnknown* sink, const std::vector<BYTE>& state = {}, DWORD* cookie = nullptr) {
        ComPtr<IDispatch> pellix = NewPellix();
        DWORD c = 0;
        if (sink) {
            EXPECT_EQ(ConnectSink(pellix.Get(), pellix::tlb::DIID_IPellixEvents, sink, &c), S_OK);
        }
        if (cookie) *cookie = c;
        const auto persist = pellix.As<IPersistStreamInit>();
        EXPECT_EQ(state.empty() ? persist->InitNew() : persist->Load(state), S_OK);
        return pellix;
    }

    static Variant Call(IDispatch* o, DISPID id, WORD flags, std::vector<Variant> args = {}, HRESULT expected = S_OK) {
        Variant r;
        EXPECT_EQ(InvokeMember(o, id, flags, args, &r), expected) << "member " << id;
        return r;
    }
    static Variant Method(IDispatch* o, DISPID id, std::vector<Variant> args = {}) {
        return Call(o, id, DISPATCH_METHOD, std::move(args));
    }
    static Variant Get(IDispatch* o, DISPID id) { return Call(o, id, DISPATCH_PROPERTYGET); }
    static void Put(IDispatch* o, DISPID id, Variant v) {
        std::vector<Variant> args;
        args.push_back(std::move(v));
        Call(o, id, DISPATCH_PROPERTYPUT, std::move(args));
    }
    static DISPID Id(const char* name) { return pellix::tlb::IPellix().FindByName(name)->id; }

    static bool LibraryLoaded() {
        void* h = dlopen(kLibrary, RTLD_NOW | RTLD_NOLOAD);
        if (h) dlclose(h);
        return h != nullptr;
    }

    static constexpr const char* kLibrary = PELLIXLIB_PATH;
    std::filesystem::path root_;
};

} // namespace pellix_com_test
