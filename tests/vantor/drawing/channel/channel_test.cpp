// The command channel: opened when the drawing screen loads, one
// execute per send with its carriage return, failures told once, and the CAD's command line
// at the other end drawing what was sent.
#include "../drawing_fixture.h"
#include "cad/command/command_host.h"
#include "cad/command/command_line.h"
#include "cad/command/dde_endpoint.h"
#include "cad/drawing/drawing.h"
#include "platform/dde/dde_server.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"
#include "tests/cad/app/fake_host.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/drawing_tables.h"

#include <stdexcept>

namespace {

using namespace 縦断bus;
namespace channel = 縦断bus::cad_channel;

using drawing_test::RecordingCad;

class Channel : public drawing_test::DrawingTest {};

TEST_F(Channel, LoadOpensTheManualLinkOnce) {
    RecordingCad cad;
    forms::Get<作図画面>();
    const dde::Link& link = channel::acadtext();
    EXPECT_EQ(ddeflg, 1);
    EXPECT_EQ(link.LinkTopic(), "AutoCAD LT.DDE|System");
    EXPECT_EQ(link.LinkMode(), dde::kLinkManual);
    // An open link is left alone.
    EXPECT_TRUE(ddesetsuzoku(channel::acadtext(), "Other", "Topic"));
    EXPECT_EQ(link.LinkTopic(), "AutoCAD LT.DDE|System");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Channel, OneExecutePerSendWithItsCarriageReturn) {
    RecordingCad cad;
    EXPECT_TRUE(channel::RunDrawing([] {
        channel::Send("LINE " + channel::Point(0, 0) + " " + channel::Point(100.0f, 23.4f) + " ");
        channel::Send("DTEXT ");
        channel::CloseTextEntry();
        channel::Send("縦断図");
        channel::Send("_cecolor\rRed");
    }));
    EXPECT_EQ(cad.executes, (std::vector<std::string>{"LINE 0,0 100,23.4 \r", "DTEXT \r", "\r\r",
                                                      rt::Utf8ToCp932("縦断図") + "\r", "_cecolor\rRed\r"}));
}

TEST_F(Channel, NumbersInTheirOwnPrecision) {
    const float planned = 12.34f, datum = 10;
    const double y = (planned - datum) * 1000.0 / 100; // computed in double from single data
    EXPECT_EQ(channel::Point(-45, 0), "-45,0");
    EXPECT_EQ(channel::Point(150.0f, y), "150,23.4000015258789");
    EXPECT_EQ(channel::Point(0.5f, -0.5f, 4), "0.5,-0.5,4");
    EXPECT_EQ(channel::Point(12345678.0f, 100.0), "1.234568E+07,100");
}

TEST_F(Channel, AFailedOpeningIsToldAndTriedAgainAtTheNextDrawing) {
    forms::Get<作図画面>(); // no CAD runs
    EXPECT_EQ(ddeflg, 0);
    EXPECT_EQ(channel::acadtext().LinkMode(), dde::kLinkNone);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("ＣＡＤとの通信"), std::string::npos);

    bool drew = false;
    EXPECT_FALSE(channel::RunDrawing([&] { drew = true; }));
    EXPECT_FALSE(drew); // nothing is sent without a link
    EXPECT_EQ(Messages().size(), 2u);

    RecordingCad cad;
    EXPECT_TRUE(channel::RunDrawing([] { channel::Send("LINE 0,0 1,1 "); }));
    EXPECT_EQ(ddeflg, 1);
    EXPECT_EQ(cad.executes, std::vector<std::string>{"LINE 0,0 1,1 \r"});
}

TEST_F(Channel, ADrawingStopsAtTheFirstRefusedSendAndSaysSoOnce) {
    RecordingCad cad(2);
    forms::Get<作図画面>();
    EXPECT_FALSE(channel::RunDrawing([] {
        for (int k = 0; k < 5; ++k) channel::Send("LINE 0,0 " + channel::Point(k, k) + " ");
    }));
    EXPECT_EQ(cad.count, 2);
    EXPECT_EQ(cad.executes.size(), 1u);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("LINE 0,0 1,1 "), std::string::npos);
}

TEST_F(Channel, AnswersAreMadeTypable) {
    EXPECT_EQ(channel::TextAnswer("No.1\r\n+20"), "No.1+20");
    for (const auto& [name, typable] : {std::pair{"KEIKAKU1", true},
                                        {"計画ブロック", true},
                                        {"A B", false},
                                        {"", false},
                                        {"A\tB", false},
                                        {"A\rB", false}})
        EXPECT_EQ(channel::IsTypableBlockName(name), typable) << name;
    EXPECT_EQ(channel::InsertAnswer("GENKYOU", channel::Point(10, 20)), "GENKYOU 10,20 1 1 0");
    EXPECT_THROW(channel::InsertAnswer("GEN KYOU", channel::Point(10, 20)), rt::Error);
}

TEST_F(Channel, LinesReachTheCadsCommandLine) {
    cad::Drawing drawing;
    cad::command::CommandLine commandLine{drawing};
    cad::command::DdeEndpoint server{commandLine, "AutoCAD LT.DDE", "System"};
    forms::Get<作図画面>();
    EXPECT_TRUE(channel::RunDrawing([] {
        channel::Send("LINE " + channel::Point(0, 0) + " " + channel::Point(100.0f, 50.0f) + " ");
        channel::Send("DTEXT ");
        channel::CloseTextEntry();
        channel::Send(channel::Point(10, 20));
        channel::Send("4");
        channel::Send("0");
        channel::Send(channel::TextAnswer("測点 No.1\r\n"));
        channel::CloseTextEntry();
        channel::CloseTextEntry();
    }));
    std::vector<cad::Line> lines;
    std::vector<cad::Text> texts;
    for (const cad::Entity& e : drawing.Entities()) {
        if (const auto* l = std::get_if<cad::Line>(&e.shape)) lines.push_back(*l);
        if (const auto* t = std::get_if<cad::Text>(&e.shape)) texts.push_back(*t);
    }
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].b.x, 100);
    EXPECT_EQ(lines[0].b.y, 50);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "測点 No.1");
    EXPECT_EQ(texts[0].height, 4);
    EXPECT_EQ(commandLine.RejectionCount(), 0u);
}

// While the CAD asks whether to save its drawing, the profile sheet's lines are no answer:
// the CAD refuses them, the drawing stops and says so once, and the CAD still asks.
TEST_F(Channel, ADrawingSentWhileTheCadAsksToSaveIsRefusedAndTold) {
    cad::Drawing drawing;
    cad::command::CommandLine commandLine{drawing};
    cad::app::testing::FakeHost host;
    cad::command::HostAttachment attachment{commandLine, host};
    cad::command::DdeEndpoint server{commandLine, "AutoCAD LT.DDE", "System"};
    forms::Get<作図画面>();
    host.changed = true;
    commandLine.Type("QUIT\r");
    ASSERT_TRUE(commandLine.AsksUser());
    EXPECT_FALSE(channel::RunDrawing([] {
        channel::Send("PLINE 0,-45 0,127 ");
        channel::Send("LINE 0,0 10,10 ");
    }));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("ＣＡＤが次の入力を受け付けませんでした：「PLINE 0,-45 0,127 」"), std::string::npos)
        << Messages()[0];
    EXPECT_TRUE(drawing.Entities().empty());
    EXPECT_TRUE(host.drawings.empty());
    EXPECT_EQ(host.quits, 0);
    EXPECT_TRUE(commandLine.AsksUser());
}

} // namespace
