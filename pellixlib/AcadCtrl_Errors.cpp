#include "pellixlib/AcadCtrl_Errors.h"

#include <iostream>

namespace pellix {

namespace {

TExceptionReport& Report() {
    static TExceptionReport report;
    return report;
}

std::string CurrentMessage() {
    try {
        throw;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown exception.";
    }
}

} // namespace

void SetExceptionReport(TExceptionReport report) { Report() = std::move(report); }

void ReportCurrentException() {
    const std::string message = CurrentMessage();
    try {
        if (Report()) Report()(message);
        else std::cerr << "Pellixlib: " << message << '\n';
    } catch (...) {
        // A failing report must not take the window procedure down with it.
    }
}

} // namespace pellix
