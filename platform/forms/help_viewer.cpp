#include "platform/forms/help_viewer.h"

#include "platform/forms/internal.h"

#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace forms {

namespace {

QPointer<QTextBrowser>& Viewer() {
    static QPointer<QTextBrowser> viewer;
    return viewer;
}

} // namespace

bool ShowHelpDocument(const std::string& path) {
    const QFileInfo file(internal::Q(path));
    if (!file.isFile() || !file.isReadable()) return false;
    if (!Viewer()) {
        auto* viewer = new QTextBrowser;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setOpenExternalLinks(false);
        viewer->resize(820, 640);
        QObject::connect(viewer, &QTextBrowser::sourceChanged, viewer,
                         [viewer] { viewer->setWindowTitle(viewer->documentTitle()); });
        Viewer() = viewer;
    }
    QTextBrowser* viewer = Viewer();
    viewer->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    viewer->setWindowTitle(viewer->documentTitle());
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}

std::string HelpViewerTitle() { return Viewer() ? internal::S(Viewer()->documentTitle()) : std::string(); }

std::string HelpViewerText() { return Viewer() ? internal::S(Viewer()->toPlainText()) : std::string(); }

} // namespace forms
