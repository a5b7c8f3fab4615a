#pragma once
// A fresh desktop per test with the library's product unit started, and products installed
// and launched the way the library starts them.
#include "cad/app/install.h"
#include "cad/app/instance.h"
#include "pellixlib/AcadFunc.h"
#include "pellixlib/AcadVInf.h"
#include "platform/desktop/desktop.h"
#include "platform/desktop/testing.h"
#include "platform/runtime/cp932.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace pellix::testing {

struct Launched {
    desk::PROCESS_INFORMATION process;
    TAcadWindowInfo windows;
};

struct PellixDesktop : ::testing::Test {
    std::filesystem::path root;

    void SetUp() override {
        root = std::filesystem::temp_directory_path() /
               ("vantor_pellix_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(root);
        desk::testing::Reset(root);
        InitAcadVInf();
    }
    void TearDown() override {
        DoneAcadVInf();
        desk::testing::Reset(root);
        std::filesystem::remove_all(root);
    }

    // Installs the product as its installer would; the records look again afterwards.
    static std::string Install(int index, const std::string& folder) {
        const std::string exe = cad::app::InstallProduct(index, folder);
        ResetAcadInstParams();
        return exe;
    }

    // Starts the product as the library does and waits, 300 ms a step, until its windows are
    // detected; the launch is ended (its handles closed) before returning.
    static Launched Launch(TAcadIndex index, desk::PROCESS_INFORMATION* handles = nullptr) {
        Launched l;
        SetInstRunState(index, true);
        EXPECT_TRUE(LaunchInst(index, "", "", ssNORMAL, l.process));
        for (int i = 0; i < 50 && !DetectAcadWindows(l.process.dwThreadId, l.windows); ++i) {
            desk::WaitForSingleObject(l.process.hProcess, 300);
            PumpMessages();
        }
        if (handles) *handles = l.process;
        EndInstLaunch(index, l.process);
        return l;
    }

    static cad::app::Instance* InstanceOf(const Launched& l) { return cad::app::FindInstance(l.process.dwProcessId); }

    static std::string Cp932(const std::string& utf8) { return rt::Utf8ToCp932(utf8); }
};

} // namespace pellix::testing
