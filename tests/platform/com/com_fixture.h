#pragma once
// A fresh desktop (and so a fresh registry) for every test, with the gauge server registered.
#include "server/gauge_library.h"

#include "platform/com/com.h"
#include "platform/desktop/testing.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>
#include <string>

class ComTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::path(::testing::TempDir()) /
                (std::string("com-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(root_);
        desk::testing::Reset(root_);
        ASSERT_EQ(com::RegisterServer(kServer), com::S_OK);
    }
    void TearDown() override { com::CoFreeUnusedLibraries(); }

    // A new gauge by its ProgID, as its IDispatch.
    static com::ComPtr<com::IDispatch> NewGauge() {
        com::ComPtr<com::IDispatch> gauge;
        EXPECT_EQ(com::CreateObject(gauge::kProgId, com::IDispatch::Id, gauge.PutVoid()), com::S_OK);
        return gauge;
    }

    // Whether the server is mapped in the process (asked without loading it).
    static bool ServerLoaded() {
        void* h = dlopen(kServer, RTLD_NOW | RTLD_NOLOAD);
        if (h) dlclose(h);
        return h != nullptr;
    }

    static constexpr const char* kServer = GAUGE_SERVER_PATH;
    std::filesystem::path root_;
};
