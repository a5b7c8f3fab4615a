#include "platform/forms/desktop_pump.h"

#include "platform/desktop/host_loop.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace forms {

namespace {

void Dispatch();

// The single-shot timer of the next desktop timer, made again for a new application object.
QTimer& NextTimer() {
    static QPointer<QTimer> timer;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, &Dispatch);
    }
    return *timer;
}

void Dispatch() {
    const desk::DWORD next = desk::DispatchPending();
    if (next == desk::INFINITE) NextTimer().stop();
    else NextTimer().start(static_cast<int>(std::min<desk::DWORD>(next, 24 * 3600 * 1000)));
}

} // namespace

void ServeDesktop() {
    // The handler may be called on any thread: the queued call runs on the interface's thread.
    desk::SetMainThreadWakeHandler([] {
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, &Dispatch, Qt::QueuedConnection);
    });
    desk::SetMainThreadFrameworkPump([] {
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
    });
    QMetaObject::invokeMethod(QCoreApplication::instance(), &Dispatch, Qt::QueuedConnection); // what waits already
}

} // namespace forms
