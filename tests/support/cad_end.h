#pragma once
// A CAD at the other end of a command channel: a drawing, its command line and the DDE
// endpoint the drawing program links to, so a test sees the drawing the sends made.
#include "cad/command/command_line.h"
#include "cad/command/dde_endpoint.h"
#include "cad/drawing/drawing.h"
#include "cad/dxf/dxf_writer.h"
#include "run_python.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <variant>
#include <vector>

namespace test_support {

// The entities of kind T in `drawing`, in drawing order.
template <class T>
std::vector<T> EntitiesOf(const cad::Drawing& drawing) {
    std::vector<T> out;
    for (const cad::Entity& e : drawing.Entities())
        if (const auto* s = std::get_if<T>(&e.shape)) out.push_back(*s);
    return out;
}

struct CadEnd {
    template <class T>
    std::vector<T> All() const {
        return EntitiesOf<T>(drawing);
    }

    // The command line waits for a command and refused none of the sends.
    void ExpectIdleAndClean() const {
        EXPECT_TRUE(commandLine.IsIdle()) << commandLine.Prompt();
        EXPECT_EQ(commandLine.Prompt(), "Command: ");
        EXPECT_EQ(commandLine.RejectionCount(), 0u)
            << (commandLine.Rejections().empty() ? std::string() : commandLine.Rejections().front().reason);
    }

    // The drawing written to `dxf` and read back by the Python `script`, which is left beside
    // it as dxf + ".py" and gets the file's path as its argument; what the script printed.
    std::string ReadBackDxf(const std::string& dxf, const std::string& script) const {
        cad::dxf::WriteDxf(drawing, dxf);
        std::ofstream(dxf + ".py", std::ios::binary) << script;
        return RunPython(dxf + ".py " + dxf);
    }

    cad::Drawing drawing;
    cad::command::CommandLine commandLine{drawing};
    cad::command::DdeEndpoint server{commandLine, "AutoCAD LT.DDE", "System"};
};

} // namespace test_support
