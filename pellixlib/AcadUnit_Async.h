#pragma once
// The asynchronous command queue of one attached CAD: commands typed later, one after the other,
// by a worker thread that takes the head of the queue every 100 ms, announces it, types it as the
// synchronous path does and reports the outcome. Both reports are made on the worker thread.
#include "pellixlib/AcadFunc_Windows.h"
#include "platform/desktop/sync.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pellix {

class TAcadCmdThread;

// Before typing: (worker, SendNo, target, whether the target is still a window).
using TAsyncSendingProc =
    std::function<void(TAcadCmdThread* sender, int sendNo, desk::HWND target, bool targetIsWindow)>;
// After typing: (worker, SendNo, target, whether the text was taken).
using TAsyncSendedProc = std::function<void(TAcadCmdThread* sender, int sendNo, desk::HWND target, bool resulted)>;

// One queued command. Its Id is never given to another entry, so an entry queued after a cancel
// is never taken for the dropped one.
struct TAsyncCmdRec {
    std::uint64_t Id = 0;
    int SendNo = 0;
    desk::HWND Target = nullptr;
    desk::HWND WatchWnd = nullptr;
    std::string CmdText;
    bool CmdIdle = false;
    TAsyncSendingProc OnSending;
    TAsyncSendedProc OnSended;
};

class TAsyncCmdList {
public:
    TAsyncCmdList();
    // Stops the worker (after its typing in progress), then drops what is still queued.
    virtual ~TAsyncCmdList();
    TAsyncCmdList(const TAsyncCmdList&) = delete;
    TAsyncCmdList& operator=(const TAsyncCmdList&) = delete;

    // Queues a command; false for a target that is no window, no watched window or an empty text,
    // and while the worker cannot be started (the command stays queued; the next Add tries again).
    bool Add(int sendNo, desk::HWND target, const std::string& cmdText, TAsyncSendingProc onSending,
             TAsyncSendedProc onSended, bool cmdIdle, desk::HWND watchWnd);
    int Count();
    // Position of the entry with that id, or -1.
    int IndexOf(std::uint64_t id);
    int Remove(std::uint64_t id);
    // Drops every queued command; one already announced is still typed and reported.
    void Clear();
    // Ends the queue for good, as its owner's end begins: drops what is queued and stops the
    // worker (after a typing in progress); Add refuses from then on.
    void End();
    bool HasWorker() const { return static_cast<bool>(FThread); }

    // The worker's two steps, run on the worker.
    void BeforeSend(TAcadCmdThread& worker);
    void AfterSend(TAcadCmdThread& worker);

private:
    std::vector<std::unique_ptr<TAsyncCmdRec>> FList;
    std::unique_ptr<TAcadCmdThread> FThread;
    desk::CRITICAL_SECTION FLock;
    std::uint64_t FNextId = 1;
    bool FEnded = false;
};

// The worker: a desktop thread of the host that runs until its queue is destroyed.
class TAcadCmdThread {
public:
    using TStep = std::function<void(TAcadCmdThread&)>;
    // Starts the thread; Started() tells whether it runs.
    TAcadCmdThread(TStep beforeSend, TStep afterSend);
    // Asks the loop to end and waits for it (a typing in progress finishes first).
    virtual ~TAcadCmdThread();
    TAcadCmdThread(const TAcadCmdThread&) = delete;
    TAcadCmdThread& operator=(const TAcadCmdThread&) = delete;

    bool Started() const { return FHandle != nullptr; }

    // The command being worked on: a copy of the queue's head entry.
    std::uint64_t FCurrent = 0;
    bool FResulted = false;
    int FSendNo = 0;
    desk::HWND FTarget = nullptr;
    desk::HWND FWatchWnd = nullptr;
    std::string FCmdText;
    bool FCmdIdle = false;
    TAsyncSendingProc FOnSending;
    TAsyncSendedProc FOnSended;

    void Load(const TAsyncCmdRec& entry);
    void Unload();

private:
    void Execute();
    void DoSending();
    void DoSended();

    TStep FBeforeSend, FAfterSend;
    std::atomic<bool> FTerminated{false};
    desk::HANDLE FHandle = nullptr;
    TTextBuffer FSendBuf;
};

} // namespace pellix
