#pragma once
// Shared helpers of the workbook tests: a fresh application per test, a scratch folder, and
// running /usr/bin/python3 on a script.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/workbook/workbook.h"

namespace xl::test {

class WorkbookTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A path in this test's own scratch folder.
    std::string Path(const std::string& name) const;
    std::filesystem::path dir_;
};

// Ends the running application, if any, so the next CreateObject starts a new one.
void QuitRunningApplication();

// Raises and returns the error number of `f`, 0 if it does not raise.
template <class F>
int ErrorOf(F&& f);

} // namespace xl::test

#include "platform/runtime/error.h"

template <class F>
int xl::test::ErrorOf(F&& f) {
    try {
        f();
    } catch (const rt::Error& e) {
        return e.Number();
    }
    return 0;
}
