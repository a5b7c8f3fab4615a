#include "platform/forms/application.h"

#include "platform/desktop/registry.h"
#include "platform/forms/form.h"
#include "platform/forms/internal.h"
#include "platform/forms/script.h"
#include "platform/runtime/doevents.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace forms {

namespace {
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

// The toolkit's own dialogs and buttons (the file dialogs, キャンセル, はい/いいえ) speak the
// program's language.
void LoadToolkitTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else delete translator;
}

void Prepare() {
    SetUpFonts();
    // The program's windows carry one picture of their own, not the toolkit's.
    QApplication::setWindowIcon(QApplication::style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    LoadToolkitTranslation();
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
    new QApplication(argc, argv);
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
    new QApplication(argc, argv);
    Prepare();
}
} // namespace internal

int Run() {
    internal::EnsureApplication();
    const QString screenshot = qEnvironmentVariable("VANTOR_SCREENSHOT");
    if (!screenshot.isEmpty()) QTimer::singleShot(500, [screenshot] { SaveScreenshotAndQuit(screenshot); });
    const int code = QApplication::exec();
    UnloadAll();
    return code;
}

void DoEvents() {
    internal::EnsureApplication();
    QCoreApplication::processEvents();
}

void End() {
    if (script::Headless()) {
        internal::RecordEnd();
        return;
    }
    // Ends without the static destructors, the desktop's end among them: what the registry holds
    // unwritten is written first.
    desk::WriteUnwrittenRegistry();
    std::fflush(nullptr);
    std::_Exit(0);
}

const std::string& AppTitle() {
    static const std::string title = "Vantor";
    return title;
}

std::string AppPath() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

} // namespace forms
