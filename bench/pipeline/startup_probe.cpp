// The program's start-up as vantor/main.cpp does it, ending once the main window shows: the
// first turn of the event loop after Main finds the window up and quits. Exit code 0 when the
// main window was visible, 1 when it was not. Started by bench_startup, which times it.
#include "platform/forms/application.h"
#include "platform/forms/forms.h"
#include "vantor/shell/親画面.h"
#include "vantor/start_up.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char** argv) {
    縦断bus::StartVantor(argc, argv);
    int shown = 1;
    QTimer::singleShot(0, [&shown] {
        shown = forms::Get<親画面>().Visible() ? 0 : 1;
        QCoreApplication::quit();
    });
    forms::Run();
    return shown;
}
