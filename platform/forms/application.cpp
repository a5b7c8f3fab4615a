#include "platform/forms/application.h"

#include "platform/forms/form.h"
#include "platform/forms/internal.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/script.h"
#include "platform/runtime/doevents.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <QApplication>
#include <QFont>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace forms {

namespace {
std::function<void()>& EndHook() {
    static std::function<void()> hook;
    return hook;
}

std::string& Title() {
    static std::string title = "Vantor";
    return title;
}

// Screen fonts of the original screens, drawn with the Japanese fonts installed here.
void SetUpFonts() {
    const QString gothic = QStringLiteral("IPAGothic"), pgothic = QStringLiteral("IPAPGothic");
    const QString mincho = QStringLiteral("IPAMincho"), pmincho = QStringLiteral("IPAPMincho");
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ ゴシック"), gothic);
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐゴシック"), pgothic);
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ 明朝"), mincho);
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐ明朝"), pmincho);
    QFont::insertSubstitution(QStringLiteral("MS UI Gothic"), pgothic);
    QFont font(pgothic, 9);
    QApplication::setFont(font);
}

// An error that escapes a command's handler ends that command, not the program: the user is
// told what went wrong and goes on working with what was there before the command.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const rt::Error& e) {
            MsgBox("実行時エラー '" + rt::CStr(e.Number()) + "':\n\n" + e.Description(), vbCritical);
        } catch (const std::exception& e) {
            MsgBox(std::string("実行時エラー:\n\n") + e.what(), vbCritical);
        }
        return false;
    }
};

void Prepare() {
    SetUpFonts();
    rt::SetDoEventsHook([] { DoEvents(); });
}

void SaveScreenshotAndQuit(const QString& file) {
    QWidget* window = QApplication::activeWindow();
    if (!window) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !window) window = w;
    }
    const bool saved = window && window->grab().save(file, "PNG");
    if (!saved) std::fprintf(stderr, "vantor: no window could be saved to %s\n", file.toLocal8Bit().constData());
    QCoreApplication::exit(saved ? 0 : 1);
}
} // namespace

void InitApplication(int& argc, char** argv) {
    if (QApplication::instance()) return;
    new Application(argc, argv);
    Prepare();
}

namespace internal {
void EnsureApplication() {
    if (QApplication::instance()) return;
    // Tests and tools: never open a real window or wait for a user.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vantor";
    static char* argv[] = {name, nullptr};
    new Application(argc, argv);
    Prepare();
}
} // namespace internal

int Run() {
    internal::EnsureApplication();
    const QString screenshot = qEnvironmentVariable("VANTOR_SCREENSHOT");
    if (!screenshot.isEmpty())
        QTimer::singleShot(500, [screenshot] { SaveScreenshotAndQuit(screenshot); });
    const int code = QApplication::exec();
    UnloadAll();
    return code;
}

void DoEvents() {
    internal::EnsureApplication();
    QCoreApplication::processEvents();
}

void End() {
    if (EndHook()) {
        EndHook()();
        return;
    }
    if (script::Headless()) {
        internal::RecordEnd();
        return;
    }
    std::fflush(nullptr);
    std::_Exit(0);
}

void SetEndHook(std::function<void()> hook) { EndHook() = std::move(hook); }

const std::string& AppTitle() { return Title(); }
void SetAppTitle(const std::string& title) { Title() = title; }

} // namespace forms
