// The automation layer's own duties: waiting until painting has settled and
// writing a control's client area to PNG at one pixel per pixel. (Its input
// synthesis is exercised by the control tests that drive forms with it.)
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

#include "controls_test_support.h"
#include "host/qt/Automation.h"
#include "host/stdctrls/Dialogs.h"

using namespace Orvo;

namespace {

// Sizes itself while painting, as controls that fit their content do: the
// first paint widens it, and the wider control must be painted too.
class TGrowOnPaint : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    static constexpr int GrownWidth = 80;

protected:
    void Paint() override {
        if (Width() < GrownWidth) SetWidth(GrownWidth);
        Canvas()->Brush()->SetColor(clBlue);
        Canvas()->FillRect(ClientRect());
    }
};

// A red borderless form at (0,0) with a lime control at 10,10 sized 30 x 20.
struct TRenderForm {
    TForm Form{nullptr};
    TRecordingControl* Lime;

    TRenderForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 120, 60);
        Form.SetColor(clRed);
        Lime = new TRecordingControl(&Form);
        Lime->SetBounds(10, 10, 30, 20);
        Lime->PaintColor = clLime;
        Lime->SetParent(&Form);
        ShowFormForAutomation(&Form);
    }
};

QRgb QtColor(TColor c) {
    const COLORREF rgb = ColorToRGB(c);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

}  // namespace

TEST(Automation, RenderWritesTheClientAreaOnePixelPerPixel) {
    TRenderForm f;
    QTemporaryDir dir;
    std::string error;
    const std::string formPng = dir.filePath("form.png").toStdString();
    ASSERT_TRUE(RenderClientArea(&f.Form, formPng, error)) << error;
    const QImage form(QString::fromStdString(formPng));
    ASSERT_EQ(form.size(), QSize(120, 60));
    EXPECT_EQ(form.pixel(10, 10), QtColor(clLime));
    EXPECT_EQ(form.pixel(39, 29), QtColor(clLime));
    EXPECT_EQ(form.pixel(40, 29), QtColor(clRed));
    EXPECT_EQ(form.pixel(9, 10), QtColor(clRed));
    EXPECT_EQ(form.pixel(39, 30), QtColor(clRed));
    EXPECT_EQ(form.pixel(119, 59), QtColor(clRed));

    const std::string controlPng = dir.filePath("control.png").toStdString();
    ASSERT_TRUE(RenderClientArea(f.Lime, controlPng, error)) << error;
    const QImage control(QString::fromStdString(controlPng));
    ASSERT_EQ(control.size(), QSize(30, 20));
    EXPECT_EQ(control.pixel(0, 0), QtColor(clLime));
    EXPECT_EQ(control.pixel(29, 19), QtColor(clLime));
}

TEST(Automation, WhatPaintingResizesIsPaintedBeforeTheForm) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 120, 40);
    form.SetColor(clRed);
    auto* grow = new TGrowOnPaint(&form);
    grow->SetBounds(10, 10, 20, 20);
    grow->SetParent(&form);
    ShowFormForAutomation(&form);
    EXPECT_EQ(grow->Width(), TGrowOnPaint::GrownWidth);

    QTemporaryDir dir;
    std::string error;
    const std::string png = dir.filePath("grown.png").toStdString();
    ASSERT_TRUE(RenderClientArea(&form, png, error)) << error;
    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.pixel(10 + TGrowOnPaint::GrownWidth - 1, 15), QtColor(clBlue));
    EXPECT_EQ(image.pixel(10 + TGrowOnPaint::GrownWidth, 15), QtColor(clRed));
}

TEST(Automation, FailedRenderWritesNothing) {
    TRenderForm f;
    QTemporaryDir dir;
    std::string error;
    const std::string inMissingFolder = dir.filePath("missing/form.png").toStdString();
    EXPECT_FALSE(RenderClientArea(&f.Form, inMissingFolder, error));
    EXPECT_NE(error.find(inMissingFolder), std::string::npos) << error;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(inMissingFolder)));
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    // A control without a window has nothing to picture.
    TRecordingControl loose(nullptr);
    error.clear();
    const std::string loosePng = dir.filePath("loose.png").toStdString();
    EXPECT_FALSE(RenderClientArea(&loose, loosePng, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(loosePng)));
}

TEST(Automation, UnansweredModalDialogIsCancelledAndReported) {
    DismissUnexpectedDialogs();
    std::string title;
    EXPECT_FALSE(TakeDismissedDialog(title));

    // With no scripted answer the colour dialog really opens; it is
    // cancelled at once instead of waiting for a user.
    TColorDialog::ClearScriptedAnswers();
    TColorDialog dialog(nullptr);
    dialog.SetColor(clNavy);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), clNavy);
    EXPECT_TRUE(TakeDismissedDialog(title));
    EXPECT_FALSE(TakeDismissedDialog(title));  // reported once

    // A scripted answer never opens it.
    TColorDialog::QueueScriptedAnswer(clTeal);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), clTeal);
    EXPECT_FALSE(TakeDismissedDialog(title));
}
