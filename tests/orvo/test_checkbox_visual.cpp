// A sheet of check boxes in every style, type, colour, border, alignment,
// state and transparency over a gradient, rendered as the user would see it.
// The picture is written to $ORVO_SHOT_DIR (or the temporary directory) for
// a person to look at; the test checks what can be checked by number.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "test_checkbox_support.h"

using namespace Orvo;

using namespace checkbox_test;

namespace {

// A vertical gradient from light blue at the top to warm yellow at the bottom.
TColor GradientAt(int y, int height) {
    const int t = height > 1 ? 255 * y / (height - 1) : 0;
    return TColor(RGB(std::uint8_t(150 + 100 * t / 255), std::uint8_t(190 + 40 * t / 255),
                      std::uint8_t(250 - 150 * t / 255)));
}

class TGradientParent : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override {
        for (int y = 0; y < Height(); ++y) {
            Canvas()->Brush()->SetColor(GradientAt(y, Height()));
            Canvas()->FillRect(Rect(0, y, Width(), y + 1));
        }
    }
};

struct TSheet {
    TForm Form{nullptr};
    TGradientParent* Back = nullptr;
    TOrvoCheckBox* TransparentBox = nullptr;
    TOrvoCheckBox* HotBox = nullptr;

    TSheet() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 440, 250);
        Back = new TGradientParent(&Form);
        Back->SetParent(&Form);
        Back->SetBounds(0, 0, 440, 250);
        const TOrvoCheckStyle styles[] = {osFlat, os3D, os3DJumbo};
        const TOrvoCheckType types[] = {ocCheck, ocCross, ocCircle};
        const TColor colours[] = {clRed, clBlue, clGreen};
        const char* styleNames[] = {"Flat", "3D", "Glossy"};
        const char* typeNames[] = {"check", "cross", "circle"};
        for (int s = 0; s < 3; ++s)
            for (int t = 0; t < 3; ++t) {
                TOrvoCheckBox* b = Add(8 + 145 * s, 8 + 24 * t, std::string(styleNames[s]) + " " + typeNames[t]);
                b->SetCheckStyle(styles[s]);
                b->SetCheckType(types[t]);
                b->SetCheckColor(colours[t]);
                b->SetChecked(true);
            }
        TOrvoCheckBox* b = Add(8, 90, "Lowered border");
        b->SetBorder(obLowered);
        b->SetChecked(true);
        HotBox = b = Add(153, 90, "Raised border, hot");
        b->SetBorder(obRaised);
        b = Add(298, 90, "Simple border");
        b->SetBorder(obSimple);
        b->SetBorderColor(clPurple);
        b->SetChecked(true);
        b = Add(8, 120, "Left justify");
        b->SetAlignment(taLeftJustify);
        b->SetChecked(true);
        b = Add(153, 120, "&Disabled");
        b->SetEnabled(false);
        b->SetChecked(true);
        b = Add(298, 120, "Flat square");
        b->SetCtl3D(false);
        b->SetChecked(true);
        TransparentBox = Add(8, 150, "Transparent");
        TransparentBox->SetTransparent(true);
        TransparentBox->SetChecked(true);
        b = Add(153, 150, "Transparent centre");
        b->SetTransparent(true);
        b->SetTransparentCenter(true);
        b->SetChecked(true);
        b = Add(298, 150, "Disabled, clear");
        b->SetTransparent(true);
        b->SetEnabled(false);
        b = Add(8, 180, "Word wrap in a taller box");
        b->SetAutoSize(false);  // AutoSize would make it one line wide
        b->SetBounds(8, 180, 110, 40);
        b->SetWordWrap(true);
        b->SetTransparent(true);
        b = Add(153, 180, "Focus highlight");
        b->SetFocusHighlight(true);
        b->SetChecked(true);
        b->SetTabOrder(0);
        b = Add(298, 180, "Yellow box");
        b->SetColor(clYellow);
        b->SetCheckColor(clNavy);
        b->SetChecked(true);
    }

    TOrvoCheckBox* Add(int left, int top, const std::string& caption) {
        auto* b = new TOrvoCheckBox(&Form);
        b->SetParent(Back);
        b->SetBounds(left, top, 97, 19);
        b->SetCaption(caption);
        b->SetAutoSize(true);
        return b;
    }
};

std::string ShotDirectory() {
    if (const char* dir = std::getenv("ORVO_SHOT_DIR")) return dir;
    if (const char* tmp = std::getenv("TMPDIR")) return tmp;
    return "/tmp";
}

}  // namespace

TEST(CheckBoxVisual, SheetOfEveryKindRendersOverTheGradient) {
    TSheet sheet;
    ShowFormForAutomation(&sheet.Form);
    MoveMouse(&sheet.Form, Point(425, 235));
    MoveMouse(&sheet.Form, Point(430, 240));
    MoveMouse(sheet.HotBox, Point(5, 5));
    ASSERT_TRUE(sheet.HotBox->MouseOver());
    const std::string path = ShotDirectory() + "/checkboxes.png";
    std::string error;
    ASSERT_TRUE(RenderClientArea(&sheet.Form, path, error)) << error;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);

    // Every box sized itself to its caption.
    const TOrvoCheckBox* box = sheet.TransparentBox;
    EXPECT_EQ(box->Width(), MeasureText(box->Font(), "Transparent").cx + 24);
    // The transparent box shows the gradient round its caption.
    TSnapshot s(*sheet.TransparentBox);
    EXPECT_EQ(s.At(0, 0), GradientAt(150, 250));
    EXPECT_EQ(s.At(0, 18), GradientAt(168, 250));
}
