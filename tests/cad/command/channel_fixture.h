#pragma once
// A CAD command line served over DDE as the drawing program reaches it: the link is opened
// with topic "AutoCAD LT.DDE|System" in manual mode and every send is the line and a CR.
#include "../../support/cad_end.h"
#include "platform/dde/dde_link.h"
#include "platform/runtime/cp932.h"

#include <gtest/gtest.h>

#include <string>

class ChannelTest : public ::testing::Test, protected test_support::CadEnd {
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

    dde::Link link;
};
