#include "platform/forms/forms.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace forms;

class 図画面 : public Form {
public:
    PictureBox 図{*this};
};

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        pic.Move(0, 0, 3000, 1500); // 200 x 100 pixels
        pic.Scale(0, 50, 200, 0);   // y grows upwards
    }
    void TearDown() override { UnloadAll(); }
    PictureBox& pic = Get<図画面>().図;
};

TEST_F(PictureBoxTest, DrawingIsRecordedFromTheLastClsWithTheDrawingPosition) {
    pic.Line(1, 1, 2, 2, RGB(255, 0, 0));
    pic.Cls();
    pic.PSet(10, 20);
    pic.LineTo(30, 40, vbBlue, LineShape::Box);
    pic.Line(0, 0, 5, 5, vbWhite, LineShape::FilledBox);
    pic.Circle(100, 25, 10, vbGreen);
    const std::vector<DrawCommand> expected = {
        // clang-format off
        {DrawCommand::Cls, 0, 0, 0, 0, vbWhite},
        {DrawCommand::Point, 10, 20, 0, 0, vbBlack},
        {DrawCommand::Box, 10, 20, 30, 40, vbBlue},
        {DrawCommand::FilledBox, 0, 0, 5, 5, vbWhite},
        {DrawCommand::Circle, 100, 25, 10, 0, vbGreen},
        // clang-format on
    };
    EXPECT_EQ(pic.Commands(), expected);
    EXPECT_EQ(pic.CurrentX(), 100);
    EXPECT_EQ(pic.CurrentY(), 25);
}

TEST_F(PictureBoxTest, PictureIsDrawnInUserUnitsAndSavedAsPng) {
    pic.Cls();
    pic.Line(100, 0, 100, 50, RGB(255, 255, 0));                   // vertical line at x = 100 px
    pic.Line(0, 50, 20, 40, RGB(0, 0, 200), LineShape::FilledBox); // top-left 20 x 20 px
    const std::string file = (std::filesystem::temp_directory_path() / "picture_box_test.png").string();
    pic.SavePicture(file);
    QImage saved(QString::fromStdString(file));
    ASSERT_EQ(saved.size(), QSize(200, 100));
    EXPECT_EQ(saved.pixelColor(100, 60), QColor(255, 255, 0));
    EXPECT_EQ(saved.pixelColor(10, 10), QColor(0, 0, 200));
    EXPECT_EQ(saved.pixelColor(150, 60), QColor(255, 255, 255));
    std::filesystem::remove(file);
}

// Cls leaves nothing of what was painted or was waiting to be, also after the picture changed size.
TEST_F(PictureBoxTest, ClsClearsTheWholePictureAtItsCurrentSize) {
    const std::string file = (std::filesystem::temp_directory_path() / "picture_box_cls.png").string();
    pic.Line(0, 0, 200, 50, vbBlack);
    pic.SavePicture(file); // painted
    pic.Move(0, 0, 4500, 3000);
    pic.Line(0, 50, 200, 0, vbBlack); // waiting
    pic.SetBackColor(RGB(0, 128, 0));
    pic.SavePicture(file);
    QImage saved(QString::fromStdString(file));
    std::filesystem::remove(file);
    ASSERT_EQ(saved.size(), QSize(300, 200));
    const QRgb back = QColor(0, 128, 0).rgb();
    int others = 0;
    for (int y = 0; y < saved.height(); ++y)
        for (int x = 0; x < saved.width(); ++x) others += saved.pixel(x, y) != back;
    EXPECT_EQ(others, 0);
}

TEST_F(PictureBoxTest, MouseEventsReportUserUnits) {
    float x = 0, y = 0;
    int button = 0;
    pic.OnMouseDown = [&](int b, int, float px, float py) {
        button = b;
        x = px;
        y = py;
    };
    const QPointF at(50, 20);
    QMouseEvent press(QEvent::MouseButtonPress, at, pic.Widget()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(pic.Widget(), &press);
    EXPECT_EQ(button, vbLeftButton);
    EXPECT_FLOAT_EQ(x, 50);
    EXPECT_FLOAT_EQ(y, 40);
}

TEST_F(PictureBoxTest, ControlsInsideArePlacedInItsUnits) {
    Label label(pic);
    label.Move(100, 25, 50, 10);
    EXPECT_EQ(label.Widget()->geometry(), QRect(100, 50, 50, 20));
}

} // namespace
