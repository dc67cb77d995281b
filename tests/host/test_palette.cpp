// The desktop switches to a dark palette while a form is shown: every system
// colour follows and every control, stock or library, repaints with the new
// values while the colours stored in the controls stay what they were.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include "host/qt/Automation.h"
#include "host/services/Colors.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/framework/Forms.h"
#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoCheckControls.h"

using namespace Orvo;

namespace {

QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::Button, QColor(0x30, 0x31, 0x32));
    p.setColor(QPalette::Base, QColor(0x20, 0x21, 0x22));
    p.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    p.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    p.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    p.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    p.setColor(QPalette::HighlightedText, QColor(0x00, 0x00, 0x00));
    return p;
}

// A pixel as $00BBGGRR.
COLORREF PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGB(std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p)));
}

int CountPixels(const QImage& image, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += PixelAt(image, x, y) == colour;
    return n;
}

class PaletteSwitch : public ::testing::Test {
protected:
    QPalette saved;
    TForm form{nullptr};
    TPanel* panel = nullptr;
    TEdit* edit = nullptr;
    TOrvoCheckBox* check = nullptr;

    void SetUp() override {
        saved = QApplication::palette();
        form.SetBorderStyle(bsNone);
        form.SetBounds(0, 0, 300, 120);
        panel = new TPanel(&form);
        panel->SetParent(&form);
        panel->SetBounds(0, 0, 140, 60);
        panel->SetCaption("");
        edit = new TEdit(&form);
        edit->SetParent(&form);
        edit->SetBounds(150, 10, 120, 24);
        check = new TOrvoCheckBox(&form);
        check->SetParent(&form);
        check->SetBounds(10, 70, 150, 24);
        check->SetCaption("Dark");
        check->SetCheckColor(clHighlight);
        check->SetChecked(true);
        ShowFormForAutomation(&form);
    }
    void TearDown() override { QApplication::setPalette(saved); }

    QImage Shot(TWinControl* c) { return c->Widget()->grab().toImage(); }
};

TEST_F(PaletteSwitch, SystemColoursFollowAndEveryControlRepaints) {
    const COLORREF lightFace = ColorToRGB(clBtnFace);
    const COLORREF lightWindow = ColorToRGB(clWindow);
    const COLORREF lightHighlight = ColorToRGB(clHighlight);

    // Before: the light colours, where the controls' colours say so.
    QImage formShot = Shot(&form);
    EXPECT_EQ(PixelAt(formShot, 200, 100), lightFace);        // the form itself
    EXPECT_EQ(PixelAt(formShot, 70, 30), lightFace);          // the panel's face
    EXPECT_EQ(PixelAt(Shot(edit), 100, 12), lightWindow);     // the edit's background
    EXPECT_GT(CountPixels(Shot(check), lightHighlight), 4);   // the check glyph

    QApplication::setPalette(DarkPalette());
    ProcessPendingPaints();

    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(0x30, 0x31, 0x32));
    EXPECT_EQ(ColorToRGB(clWindow), RGB(0x20, 0x21, 0x22));
    EXPECT_EQ(ColorToRGB(clHighlight), RGB(0x2A, 0x82, 0xDA));

    formShot = Shot(&form);
    EXPECT_EQ(PixelAt(formShot, 200, 100), RGB(0x30, 0x31, 0x32));
    EXPECT_EQ(PixelAt(formShot, 70, 30), RGB(0x30, 0x31, 0x32));
    EXPECT_EQ(PixelAt(Shot(edit), 100, 12), RGB(0x20, 0x21, 0x22));
    const QImage checkShot = Shot(check);
    EXPECT_EQ(CountPixels(checkShot, lightHighlight), 0);
    EXPECT_GT(CountPixels(checkShot, RGB(0x2A, 0x82, 0xDA)), 4);
    EXPECT_EQ(CountPixels(checkShot, lightFace), 0);

    // Nothing stored changed: the controls still name the system colours.
    EXPECT_EQ(form.Color(), clBtnFace);
    EXPECT_EQ(panel->Color(), clBtnFace);
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_EQ(check->CheckColor(), clHighlight);

    // And back: the light palette restores the light pixels.
    QApplication::setPalette(saved);
    ProcessPendingPaints();
    EXPECT_EQ(PixelAt(Shot(&form), 70, 30), lightFace);
    EXPECT_GT(CountPixels(Shot(check), lightHighlight), 4);
}

}  // namespace
