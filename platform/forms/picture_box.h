#pragma once
// A drawing surface with its own coordinate system. Drawing goes into an image (kept across
// repaints, saved with SavePicture) and is also recorded as a list of commands, from the last
// Cls on, so that the sequence can be read back. Mouse events report positions in user units.
#include "platform/forms/color.h"
#include "platform/forms/control.h"

#include <vector>

namespace forms {

struct DrawCommand {
    enum Kind { Cls, Line, Box, FilledBox, Point, Circle };
    Kind kind = Cls;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Point: (x1, y1); Circle: centre (x1, y1), radius x2
    long color = 0;
    bool operator==(const DrawCommand&) const = default;
};

enum MouseButtonValue : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum ShiftValue : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

enum class LineShape { Line, Box, FilledBox }; // a line, a box outline, a box filled with the colour

class PictureBox : public Control, public Container {
public:
    explicit PictureBox(Container& parent);

    // User coordinates: (x1, y1) at the top-left corner, (x2, y2) at the bottom-right one.
    // Until then the unit is the twip with the origin at the top left.
    void Scale(double x1, double y1, double x2, double y2);
    double ScaleLeft() const;
    double ScaleTop() const;
    double ScaleWidth() const;
    double ScaleHeight() const;

    void Cls(); // clears to the background colour; the drawing position goes to (0, 0)
    // Each drawing leaves the drawing position at its end point (a circle at its centre).
    void Line(double x1, double y1, double x2, double y2, long color, LineShape shape = LineShape::Line);
    void Line(double x1, double y1, double x2, double y2) { Line(x1, y1, x2, y2, foreColor_); }
    // From the current drawing position.
    void LineTo(double x2, double y2, long color, LineShape shape = LineShape::Line) {
        Line(currentX_, currentY_, x2, y2, color, shape);
    }
    void PSet(double x, double y, long color);
    void PSet(double x, double y) { PSet(x, y, foreColor_); }
    void Circle(double x, double y, double radius, long color);
    void Circle(double x, double y, double radius) { Circle(x, y, radius, foreColor_); }

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }
    long ForeColor() const { return foreColor_; }
    void SetForeColor(long color) { foreColor_ = color; }
    long BackColor() const { return backColor_; }
    void SetBackColor(long color);
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int pixels) { drawWidth_ = pixels; }

    const std::vector<DrawCommand>& Commands() const { return commands_; }
    // Writes the picture as PNG; raises an application error when the file cannot be written.
    void SavePicture(const std::string& path) const;

    // (button, shift, x, y) with x, y in user units.
    std::function<void(int, int, float, float)> OnMouseDown;
    std::function<void(int, int, float, float)> OnMouseMove;
    std::function<void(int, int, float, float)> OnMouseUp;

    QWidget* ClientWidget() const override { return Widget(); }
    Units ChildUnits() const override;

private:
    bool userScale_ = false;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 1, scaleHeight_ = 1;
    double currentX_ = 0, currentY_ = 0;
    long foreColor_ = vbBlack, backColor_ = vbWhite;
    int drawWidth_ = 1;
    std::vector<DrawCommand> commands_;
};

} // namespace forms
