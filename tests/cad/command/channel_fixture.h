#pragma once
// A CAD command line served over DDE as the drawing program reaches it: the link is opened
// with topic "AutoCAD LT.DDE|System" in manual mode and every send is the line and a CR.
#include "cad/command/command_line.h"
#include "cad/command/dde_endpoint.h"
#include "platform/dde/dde_link.h"
#include "platform/runtime/cp932.h"

#include <gtest/gtest.h>

#include <string>

class ChannelTest : public ::testing::Test {
protected:
    ChannelTest() {
        link.SetLinkMode(dde::kLinkNone);
        link.SetLinkTopic("AutoCAD LT.DDE|System");
        link.SetLinkMode(dde::kLinkManual);
    }

    // One send of the program: the UTF-8 line in code page 932 with one carriage return.
    void Send(const std::string& line) { link.LinkExecute(rt::Utf8ToCp932(line) + "\r"); }
    // A send given exactly, e.g. the empty line with two carriage returns.
    void SendRaw(const std::string& bytes) { link.LinkExecute(bytes); }

    template <class T>
    std::vector<T> All() const {
        std::vector<T> out;
        for (const cad::Entity& e : drawing.Entities())
            if (const auto* s = std::get_if<T>(&e.shape)) out.push_back(*s);
        return out;
    }

    void ExpectIdleAndClean() const {
        EXPECT_TRUE(commandLine.IsIdle()) << commandLine.Prompt();
        EXPECT_EQ(commandLine.Prompt(), "Command: ");
        EXPECT_EQ(commandLine.RejectionCount(), 0u)
            << (commandLine.Rejections().empty() ? std::string() : commandLine.Rejections().front().reason);
    }

    cad::Drawing drawing;
    cad::command::CommandLine commandLine{drawing};
    cad::command::DdeEndpoint server{commandLine, "AutoCAD LT.DDE", "System"};
    dde::Link link;
};
