#include "pellixlib/AcadUnit_Async.h"

#include "pellixlib/AcadFunc_Typing.h"
#include "pellixlib/AcadUnit_Wait.h"
#include "platform/desktop/clock.h"
#include "platform/desktop/process.h"
#include "platform/desktop/window.h"

#include <algorithm>

namespace pellix {

namespace {

constexpr desk::DWORD kWorkerPassMs = 100;

class Locked {
public:
    explicit Locked(desk::CRITICAL_SECTION& lock) : lock_(lock) { desk::EnterCriticalSection(&lock_); }
    ~Locked() { desk::LeaveCriticalSection(&lock_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    desk::CRITICAL_SECTION& lock_;
};

} // namespace

TAsyncCmdList::TAsyncCmdList() { desk::InitializeCriticalSection(&FLock); }

TAsyncCmdList::~TAsyncCmdList() {
    End();
    desk::DeleteCriticalSection(&FLock);
}

void TAsyncCmdList::End() {
    {
        Locked lock(FLock);
        FEnded = true;
        FList.clear();
    }
    FThread.reset(); // outside the lock: the worker takes it in its last step
}

bool TAsyncCmdList::Add(int sendNo, desk::HWND target, const std::string& cmdText, TAsyncSendingProc onSending,
                        TAsyncSendedProc onSended, bool cmdIdle, desk::HWND watchWnd) {
    if (!target || !desk::IsWindow(target) || !watchWnd || cmdText.empty()) return false;
    auto entry = std::make_unique<TAsyncCmdRec>();
    entry->SendNo = sendNo;
    entry->Target = target;
    entry->WatchWnd = watchWnd;
    entry->CmdText = cmdText;
    entry->CmdIdle = cmdIdle;
    entry->OnSending = std::move(onSending);
    entry->OnSended = std::move(onSended);
    if (!FThread) {
        // Serve the caller's queue before the worker starts, never while holding the lock: a
        // handler run here may add a command itself.
        TWaitScope scope;
        IdlePump();
    }
    Locked lock(FLock);
    if (FEnded) return false; // ended while the caller's queue was served
    entry->Id = FNextId++;
    FList.push_back(std::move(entry));
    if (FThread) return true;
    auto worker = std::make_unique<TAcadCmdThread>([this](TAcadCmdThread& w) { BeforeSend(w); },
                                                   [this](TAcadCmdThread& w) { AfterSend(w); });
    if (worker->Started()) FThread = std::move(worker);
    return static_cast<bool>(FThread);
}

int TAsyncCmdList::Count() {
    Locked lock(FLock);
    return static_cast<int>(FList.size());
}

int TAsyncCmdList::IndexOf(std::uint64_t id) {
    Locked lock(FLock);
    const auto it = std::find_if(FList.begin(), FList.end(), [&](const auto& e) { return e->Id == id; });
    return it == FList.end() ? -1 : static_cast<int>(it - FList.begin());
}

int TAsyncCmdList::Remove(std::uint64_t id) {
    Locked lock(FLock);
    const int pos = IndexOf(id);
    if (pos >= 0) FList.erase(FList.begin() + pos);
    return pos;
}

void TAsyncCmdList::Clear() {
    Locked lock(FLock);
    FList.clear();
}

void TAsyncCmdList::BeforeSend(TAcadCmdThread& worker) {
    try {
        if (worker.FCurrent == 0) return;
        if (IndexOf(worker.FCurrent) < 0) {
            worker.Unload(); // cancelled while waiting: never typed, never reported
            return;
        }
        if (worker.FOnSending)
            worker.FOnSending(&worker, worker.FSendNo, worker.FTarget, desk::IsWindow(worker.FTarget));
    } catch (...) {}
}

void TAsyncCmdList::AfterSend(TAcadCmdThread& worker) {
    try {
        if (worker.FCurrent != 0) {
            Remove(worker.FCurrent);
            worker.FCurrent = 0;
            const TAsyncSendedProc onSended = worker.FOnSended;
            const int sendNo = worker.FSendNo;
            const desk::HWND target = worker.FTarget;
            const bool resulted = worker.FResulted;
            worker.Unload();
            if (onSended) onSended(&worker, sendNo, target, resulted);
        }
    } catch (...) {}
    try {
        Locked lock(FLock);
        if (!FList.empty()) worker.Load(*FList.front());
    } catch (...) {}
}

TAcadCmdThread::TAcadCmdThread(TStep beforeSend, TStep afterSend)
        : FBeforeSend(std::move(beforeSend)), FAfterSend(std::move(afterSend)) {
    InitTextBuffer(FSendBuf);
    FHandle = desk::CreateThread(
        nullptr, 0,
        [this]() -> desk::DWORD {
            Execute();
            return 0;
        },
        0, nullptr);
}

TAcadCmdThread::~TAcadCmdThread() {
    if (!FHandle) return;
    FTerminated = true;
    desk::WaitForSingleObject(FHandle, desk::INFINITE);
    desk::CloseHandle(FHandle);
}

void TAcadCmdThread::Load(const TAsyncCmdRec& entry) {
    FCurrent = entry.Id;
    FResulted = false;
    FSendNo = entry.SendNo;
    FTarget = entry.Target;
    FWatchWnd = entry.WatchWnd;
    FCmdText = entry.CmdText;
    FCmdIdle = entry.CmdIdle;
    FOnSending = entry.OnSending;
    FOnSended = entry.OnSended;
}

void TAcadCmdThread::Unload() {
    FCurrent = 0;
    FResulted = false;
    FSendNo = 0;
    FTarget = FWatchWnd = nullptr;
    FCmdText.clear();
    FCmdIdle = false;
    FOnSending = nullptr;
    FOnSended = nullptr;
}

void TAcadCmdThread::Execute() {
    try {
        while (!FTerminated) {
            desk::Sleep(kWorkerPassMs);
            if (FTerminated) break; // asked during the sleep: nothing more is announced or typed
            if (FCurrent != 0) {
                DoSending();
                if (FCurrent != 0) FResulted = SendCommandString(FTarget, FWatchWnd, FCmdText, FSendBuf, FCmdIdle);
            }
            DoSended();
        }
    } catch (...) {}
    FreeTextBuffer(FSendBuf);
}

void TAcadCmdThread::DoSending() {
    try {
        if (FBeforeSend) FBeforeSend(*this);
    } catch (...) {}
}

void TAcadCmdThread::DoSended() {
    try {
        if (FAfterSend) FAfterSend(*this);
    } catch (...) {}
}

} // namespace pellix
