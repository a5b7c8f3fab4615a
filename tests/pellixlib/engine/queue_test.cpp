// The asynchronous command queue: a real worker thread types queued commands into the product
// while the test's main thread keeps the desktop running on the virtual clock.
#include "engine_fixture.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

using namespace pellix;
using namespace pellix::testing;

namespace {

struct Queue : Engine {
    std::mutex m;
    std::vector<std::string> events;
    std::vector<desk::DWORD> callbackThreads;

    // Each report says how many texts the product had been given at that moment.
    void Record(const std::string& what) {
        const std::string line = what + " after " + rt::CStr(static_cast<long long>(Typed().size()));
        std::lock_guard lock(m);
        events.push_back(line);
        callbackThreads.push_back(desk::GetCurrentThreadId());
    }
    TAsyncSendingProc Sending() {
        return [this](TAcadCmdThread* sender, int no, desk::HWND, bool targetIsWindow) {
            EXPECT_NE(sender, nullptr);
            Record("sending " + rt::CStr(static_cast<long long>(no)) + (targetIsWindow ? "" : " closed"));
        };
    }
    TAsyncSendedProc Sended(std::function<void()> then = nullptr) {
        return [this, then](TAcadCmdThread*, int no, desk::HWND, bool resulted) {
            Record("sent " + rt::CStr(static_cast<long long>(no)) + (resulted ? "" : " failed"));
            if (then) then();
        };
    }
    bool Add(int no, const std::string& text, std::function<void()> afterSent = nullptr) {
        return acad->AsyncCommand(no, text, Sending(), Sended(std::move(afterSent)));
    }
    std::vector<std::string> Events() {
        std::lock_guard lock(m);
        return events;
    }
    // Keeps the desktop running (the worker's typing needs the product served) until `done`.
    bool RunUntil(const std::function<bool()>& done) {
        for (int i = 0; i < 100000 && !done(); ++i) {
            desk::testing::RunFor(10);
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        return done();
    }
    bool RunUntilEvents(std::size_t n) {
        return RunUntil([&] { return Events().size() >= n; });
    }
};

} // namespace

TEST_F(Queue, CommandsAreTypedInOrderEachAnnouncedBeforeAndReportedAfterOnTheWorker) {
    Start();
    const std::vector<std::string> commands{"_LINE 0,0 10,0 \r", "_LINE 0,0 0,10 \r", "_CIRCLE 5,5 2\r"};
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(Add(i + 1, commands[static_cast<std::size_t>(i)]));
    EXPECT_TRUE(acad->IsAsyncBuffer());
    EXPECT_FALSE(acad->SendCommand("_LINE 1,1 2,2 \r")); // refused while commands are queued

    ASSERT_TRUE(RunUntilEvents(6));
    EXPECT_EQ(Events(), (std::vector<std::string>{"sending 1 after 0", "sent 1 after 1", "sending 2 after 1",
                                                  "sent 2 after 2", "sending 3 after 2", "sent 3 after 3"}));
    EXPECT_EQ(Typed(), commands);
    EXPECT_EQ(cad->drawing().Entities().size(), 3u);
    for (const desk::DWORD thread : callbackThreads) EXPECT_NE(thread, desk::GetCurrentThreadId());
    EXPECT_FALSE(acad->IsAsyncBuffer());
    EXPECT_TRUE(acad->SendCommand("_LINE 1,1 2,2 \r"));
}

TEST_F(Queue, CancelledCommandsAreNeverTypedNorReportedAndALaterOneIsTypedAsItself) {
    Start();
    std::atomic<bool> firstSent{false}, go{false};
    ASSERT_TRUE(Add(1, "_LINE 0,0 10,0 \r", [&] {
        firstSent = true;
        while (!go) std::this_thread::yield(); // the worker goes on to load command 2 once the test is ready
    }));
    ASSERT_TRUE(Add(2, "_LINE 0,0 0,10 \r"));
    ASSERT_TRUE(RunUntil([&] { return firstSent.load(); }));
    go = true;
    acad->AsyncCancel();
    EXPECT_FALSE(acad->IsAsyncBuffer());
    ASSERT_TRUE(Add(3, "_CIRCLE 5,5 2\r"));

    ASSERT_TRUE(RunUntilEvents(4));
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"sending 1 after 0", "sent 1 after 1", "sending 3 after 1", "sent 3 after 2"}));
    EXPECT_EQ(Typed(), (std::vector<std::string>{"_LINE 0,0 10,0 \r", "_CIRCLE 5,5 2\r"}));
}

TEST_F(Queue, ACommandAnnouncedBeforeTheCancelIsStillTypedAndReported) {
    Start();
    ASSERT_TRUE(acad->AsyncCommand(
        1, "_LINE 0,0 10,0 \r",
        [&](TAcadCmdThread*, int, desk::HWND, bool) {
            Record("sending 1");
            acad->AsyncCancel();
        },
        Sended()));
    ASSERT_TRUE(Add(2, "_LINE 0,0 0,10 \r"));
    ASSERT_TRUE(RunUntilEvents(2));
    ASSERT_TRUE(Add(3, "_CIRCLE 5,5 2\r"));
    ASSERT_TRUE(RunUntilEvents(4));
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"sending 1 after 0", "sent 1 after 1", "sending 3 after 1", "sent 3 after 2"}));
}

TEST_F(Queue, ACommandForAClosedProductIsAnnouncedAsClosedAndReportedFailed) {
    Start();
    // The worker is held in the first command's report until the product is gone, so the second
    // command, queued while the product was open, is taken only after it closed.
    std::atomic<bool> firstSent{false}, closed{false};
    ASSERT_TRUE(Add(1, "_LINE 0,0 10,0 \r", [&] {
        firstSent = true;
        while (!closed) std::this_thread::yield();
    }));
    ASSERT_TRUE(Add(2, "_LINE 0,0 0,10 \r"));
    ASSERT_TRUE(RunUntil([&] { return firstSent.load(); }));
    const desk::HANDLE process = desk::OpenProcess(desk::PROCESS_TERMINATE, false, cad->ProcessId());
    desk::TerminateProcess(process, 0);
    desk::CloseHandle(process);
    closed = true;
    ASSERT_TRUE(RunUntilEvents(4));
    // The product's frame and its record of what it was given are gone: nothing counts as typed.
    EXPECT_EQ(Events(), (std::vector<std::string>{"sending 1 after 0", "sent 1 after 1", "sending 2 closed after 0",
                                                  "sent 2 failed after 0"}));
}

TEST_F(Queue, AddRefusesWhatCannotBeTyped) {
    EXPECT_FALSE(Add(1, "_LINE ")); // not attached
    Start();
    EXPECT_FALSE(Add(1, ""));
    EXPECT_FALSE(acad->IsAsyncBuffer());
}

TEST_F(Queue, ACommandAddedByAHandlerThatTheFirstAddServesStartsNoSecondWorker) {
    Start();
    const desk::UINT addMessage = desk::WM_USER + 5;
    const desk::HWND host =
        desk::CreateWindowEx(0, "Static", "", 0, 0, 0, 10, 10, nullptr, nullptr,
                             [&](desk::HWND h, desk::UINT msg, desk::WPARAM wp, desk::LPARAM lp) -> desk::LRESULT {
                                 if (msg == addMessage) return Add(1, "_LINE 0,0 10,0 \r");
                                 return desk::DefWindowProc(h, msg, wp, lp);
                             });
    ASSERT_TRUE(desk::PostMessage(host, addMessage, 0, 0));
    ASSERT_TRUE(Add(2, "_LINE 0,0 0,10 \r"));
    ASSERT_TRUE(RunUntilEvents(4));
    desk::testing::RunFor(1000); // a second worker would type again meanwhile
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"sending 1 after 0", "sent 1 after 1", "sending 2 after 1", "sent 2 after 2"}));
    EXPECT_EQ(Typed(), (std::vector<std::string>{"_LINE 0,0 10,0 \r", "_LINE 0,0 0,10 \r"}));
    desk::DestroyWindow(host);
}

TEST_F(Queue, DestroyingTheObjectStopsItsWorkerAndDropsWhatIsQueued) {
    Start();
    constexpr std::size_t queued = 10;
    for (std::size_t i = 1; i <= queued; ++i) ASSERT_TRUE(Add(static_cast<int>(i), "_LINE 0,0 10,0 \r"));
    // The worker is really typing: the first command went through before the object goes.
    ASSERT_TRUE(RunUntil([&] {
        const auto events = Events();
        return std::any_of(events.begin(), events.end(), [](const std::string& e) { return e.starts_with("sent 1 "); });
    }));
    // While this thread serves nothing, no typing can finish, so the count holds until the reset;
    // the worker may still announce the next command and wait to type it.
    const auto typedBefore = Typed().size();
    const auto eventsBefore = Events().size();
    ASSERT_LT(typedBefore, queued - 1); // commands are still queued when the object goes
    acad.reset();
    desk::testing::RunFor(1000);
    EXPECT_LE(Typed().size(), typedBefore + 1);   // at most the one being typed when the object went
    EXPECT_LE(Events().size(), eventsBefore + 2); // and at most its announcement and its report
}
