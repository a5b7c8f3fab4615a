#include "platform/forms/picture.h"

#include "platform/forms/internal.h"
#include "platform/runtime/error.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QStyle>

namespace forms {

int Picture::Width() const { return image_ ? image_->width() : 0; }
int Picture::Height() const { return image_ ? image_->height() : 0; }

Picture LoadPicture(const std::string& path) {
    internal::EnsureApplication();
    auto image = std::make_shared<QImage>();
    if (!image->load(internal::Q(path))) rt::Raise(rt::errApplication, "cannot read the picture " + path);
    Picture p;
    p.image_ = std::move(image);
    return p;
}

Picture StockPicture(int which) {
    internal::EnsureApplication();
    static const QStyle::StandardPixmap kinds[] = {
        QStyle::SP_FileIcon,               // picNew
        QStyle::SP_DialogOpenButton,       // picOpen
        QStyle::SP_DialogSaveButton,       // picSave
        QStyle::SP_ArrowDown,              // picInsertRow
        QStyle::SP_ArrowUp,                // picDeleteRow
        QStyle::SP_FileDialogContentsView, // picGraph
        QStyle::SP_FileDialogDetailedView, // picFormula
        QStyle::SP_FileDialogListView,     // picSheetInput
        QStyle::SP_BrowserReload,          // picRead
        QStyle::SP_ArrowForward,           // picSend
        QStyle::SP_DialogYesButton,        // picShow
        QStyle::SP_DialogNoButton,         // picHide
        QStyle::SP_DialogCloseButton,      // picExit
        QStyle::SP_MessageBoxWarning,      // picWarning
        QStyle::SP_MessageBoxInformation,  // picInformation
    };
    if (which < 0 || which >= static_cast<int>(std::size(kinds))) rt::Raise(rt::errSubscript, "no such picture");
    const QIcon icon = QApplication::style()->standardIcon(kinds[which]);
    Picture p;
    p.image_ = std::make_shared<QImage>(icon.pixmap(32, 32).toImage());
    return p;
}

} // namespace forms
