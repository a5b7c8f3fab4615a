#pragma once
// A picture held by an image control, an image list or a toolbar button.
#include <memory>
#include <string>

class QImage;

namespace forms {

class Picture {
public:
    Picture() = default;
    bool Empty() const { return !image_; }
    int Width() const; // pixels
    int Height() const;
    const QImage* Image() const { return image_.get(); }

private:
    friend Picture LoadPicture(const std::string& path);
    friend Picture StockPicture(int which);
    std::shared_ptr<const QImage> image_;
};

// Reads a picture file; raises an application error when it cannot be read.
Picture LoadPicture(const std::string& path);

// Pictures the program draws for itself (toolbar buttons, warnings).
enum StockPictureKind : int {
    // clang-format off
    picNew, picOpen, picSave, picInsertRow, picDeleteRow, picGraph, picFormula, picSheetInput,
    picRead, picSend, picShow, picHide, picExit, picWarning, picInformation,
    // clang-format on
};
Picture StockPicture(int which); // StockPictureKind

} // namespace forms
