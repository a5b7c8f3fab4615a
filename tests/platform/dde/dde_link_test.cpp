#include "platform/dde/dde_link.h"

#include "platform/runtime/error.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const rt::Error& e) {
        return e.Number();
    }
    return 0;
}

dde::Link OpenLink(const std::string& topic) {
    dde::Link link;
    link.SetLinkMode(dde::kLinkNone);
    link.SetLinkTopic(topic);
    link.SetLinkMode(dde::kLinkManual);
    return link;
}

} // namespace

TEST(DdeLink, ExecutesReachTheServerInOrderWithTheirExactBytes) {
    std::vector<std::string> got;
    dde::ServerRegistration server("AutoCAD LT.DDE", "System", [&](const std::string& s) { got.push_back(s); });
    dde::Link link = OpenLink("autocad lt.dde|SYSTEM"); // names are not case-sensitive
    EXPECT_EQ(link.LinkMode(), dde::kLinkManual);
    link.LinkExecute("PLINE 0,0 1,1 \r");
    link.LinkExecute(std::string("\x8f\x63\r", 3));
    link.LinkExecute("\r\r");
    EXPECT_EQ(got, (std::vector<std::string>{"PLINE 0,0 1,1 \r", std::string("\x8f\x63\r", 3), "\r\r"}));
}

TEST(DdeLink, FailuresRaiseTheNumbersProgramsTest) {
    dde::Link noServer;
    noServer.SetLinkTopic("AutoCAD LT.DDE|System");
    EXPECT_EQ(ErrorNumberOf([&] { noServer.SetLinkMode(dde::kLinkManual); }), rt::errDdeNoServer);
    EXPECT_EQ(noServer.LinkMode(), dde::kLinkNone);
    EXPECT_EQ(ErrorNumberOf([&] { noServer.LinkExecute("x\r"); }), rt::errDdeLinkClosed);
    EXPECT_EQ(ErrorNumberOf([&] { noServer.SetLinkMode(7); }), 380);

    std::optional<dde::ServerRegistration> server;
    server.emplace("App", "Topic", [](const std::string& s) {
        if (s == "bad") throw std::runtime_error("refused");
    });
    dde::Link link = OpenLink("App|Topic");
    EXPECT_EQ(ErrorNumberOf([&] { link.LinkExecute("bad"); }), 285);
    link.SetLinkMode(dde::kLinkNone);
    EXPECT_EQ(ErrorNumberOf([&] { link.LinkExecute("x"); }), rt::errDdeLinkClosed);
    link.SetLinkMode(dde::kLinkManual);
    server.reset(); // the server goes away under an open link
    EXPECT_EQ(ErrorNumberOf([&] { link.LinkExecute("x"); }), rt::errDdeLinkClosed);
    EXPECT_EQ(link.LinkMode(), dde::kLinkNone);
}

TEST(DdeLink, OnePairHasOneServer) {
    dde::ServerRegistration first("App", "Topic", [](const std::string&) {});
    EXPECT_EQ(ErrorNumberOf([] { dde::ServerRegistration second("APP", "topic", [](const std::string&) {}); }),
              rt::errApplication);
}
