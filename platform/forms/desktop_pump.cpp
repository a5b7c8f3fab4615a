#include "platform/forms/desktop_pump.h"

#include "platform/desktop/host_loop.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

namespace forms {

namespace {

QTimer& NextTimer() {
    static QTimer* timer = [] {
        auto* t = new QTimer(QCoreApplication::instance());
        t->setSingleShot(true);
        return t;
    }();
    return *timer;
}

void Dispatch() {
    const desk::DWORD next = desk::DispatchPending();
    if (next == desk::INFINITE) NextTimer().stop();
    else NextTimer().start(static_cast<int>(std::min<desk::DWORD>(next, 24 * 3600 * 1000)));
}

} // namespace

void ServeDesktop() {
    QObject::connect(&NextTimer(), &QTimer::timeout, &Dispatch);
    // The handler may be called on any thread: the queued call runs on the interface's thread.
    desk::SetMainThreadWakeHandler(
        [] { QMetaObject::invokeMethod(QCoreApplication::instance(), &Dispatch, Qt::QueuedConnection); });
    desk::SetMainThreadFrameworkPump([] { QCoreApplication::processEvents(); });
    QMetaObject::invokeMethod(QCoreApplication::instance(), &Dispatch, Qt::QueuedConnection);  // what waits already
}

} // namespace forms
