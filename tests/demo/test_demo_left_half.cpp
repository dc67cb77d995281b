// The left half of the demonstration form: every library control with its
// parent, stream position, stored values and pictures, and the two shaped
// buttons' handlers driven through the real pointer.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Unit1.h"
#include "host/qt/Automation.h"
#include "host/services/BmpCodec.h"
#include "host/framework/FormText.h"
#include "host/framework/Streaming.h"

using namespace Orvo;

namespace {

// What the form description must hold for the library's controls, nested as
// they are parented and in stream order. Only what is listed is compared;
// Version banners and pictures are checked elsewhere.
constexpr const char* kLeftHalf = R"(object Form1: TForm1
  object OrvoBackground1: TOrvoBackground
    Left = 0
    Top = 0
    Width = 645
    Height = 294
    GradientStartColor = clBtnFace
    GradientEndColor = clWhite
    Style = gsVertical
  end
  object OrvoGroupBox1: TOrvoGroupBox
    Left = 16
    Top = 8
    Width = 257
    Height = 145
    Caption = 'OrvoGroupBox'
    Color = clBtnFace
    ParentColor = False
    Ctl3D = True
    ParentCtl3D = False
    Font.Name = 'MS Sans Serif'
    Font.Height = -11
    Font.Color = clBlack
    Font.Style = []
    ParentFont = False
    TabOrder = 0
    TabStop = True
    Transparent = True
    object OrvoCheckBox1: TOrvoCheckBox
      Left = 15
      Top = 24
      Width = 90
      Height = 19
      Caption = 'OrvoCheckBox'
      Alignment = taRightJustify
      AutoSize = True
      Border = obNone
      BorderColor = clBlue
      BorderVisible = bvAlways
      Checked = False
      CheckColor = clRed
      CheckStyle = os3D
      CheckType = ocCross
      Ctl3D = True
      FocusHighlight = True
      HighlightColor = clLime
      HotTrack = True
      HotTrackFontColor = clGreen
      ReadOnly = False
      TabStop = True
      TabOrder = 0
      Transparent = True
      TransparentCenter = False
      WordWrap = False
    end
    object OrvoRadioGroup1: TOrvoRadioGroup
      Left = 136
      Top = 8
      Width = 113
      Height = 73
      Caption = 'OrvoRadioGroup'
      Items.Strings = (
        'Cat'
        'Dog'
        'OrvoRadioButton')
      Alignment = taRightJustify
      AutoSize = False
      Border = obNone
      BorderColor = clBlue
      BorderVisible = bvAlways
      CheckColor = clBlack
      CheckStyle = os3D
      Color = clBtnFace
      ParentColor = False
      Ctl3D = True
      FocusHighlight = True
      HighlightColor = clLime
      HotTrack = True
      HotTrackFontColor = clBlue
      Raised = False
      ReadOnly = False
      TabOrder = 1
      Transparent = True
      TransparentCenter = False
    end
    object OrvoGroupBoxWithCheck1: TOrvoGroupBoxWithCheck
      Left = 8
      Top = 84
      Width = 241
      Height = 53
      Caption = 'OrvoGroupBoxWithCheck'
      Checked = True
      Alignment = taRightJustify
      CheckColor = clRed
      CheckStyle = os3D
      CheckType = ocCross
      Ctl3D = True
      FocusHighlight = True
      HighlightColor = clLime
      HotTrack = True
      HotTrackFontColor = clGreen
      ReadOnly = False
      TabOrder = 2
      TabStop = True
      Transparent = True
      TransparentCenter = False
      object OrvoCheckBox2: TOrvoCheckBox
        Left = 24
        Top = 24
        Width = 96
        Height = 19
        Caption = 'OrvoCheckBox2'
        Alignment = taRightJustify
        AutoSize = True
        Border = obNone
        BorderColor = clBlue
        BorderVisible = bvAlways
        Checked = False
        CheckColor = clRed
        CheckStyle = os3D
        CheckType = ocCross
        Ctl3D = True
        FocusHighlight = True
        HighlightColor = clLime
        HotTrack = True
        HotTrackFontColor = clGreen
        ReadOnly = False
        TabStop = True
        TabOrder = 1
        Transparent = True
        TransparentCenter = False
        WordWrap = False
      end
      object OrvoEdit2: TOrvoEdit
        Left = 136
        Top = 24
        Width = 89
        Height = 21
        Text = 'OrvoEdit2'
        Alignment = taLeftJustify
        Ctl3D = True
        ParentCtl3D = False
        FocusHighlight = False
        HighlightColor = clLime
        TabOrder = 2
        Transparent = True
        Transparency = 100
      end
    end
  end
  object OrvoStaticText1: TOrvoStaticText
    Left = 24
    Top = 56
    Width = 121
    Height = 33
    Caption = 'OrvoStaticText - Transparent and borders'
    Alignment = taLeftJustify
    AutoSize = False
    Border = obRaised
    BorderColor = clBlue
    Color = clBlue
    ParentColor = False
    Font.Name = 'MS Sans Serif'
    Font.Height = -11
    Font.Color = clWhite
    Font.Style = []
    ParentFont = False
    TabStop = True
    TabOrder = 1
    Transparent = True
    Transparency = 75
  end
  object OrvoPanel1: TOrvoPanel
    Left = 16
    Top = 160
    Width = 257
    Height = 121
    Caption = 'OrvoPanel      '
    Color = clWhite
    Ctl3D = True
    TabOrder = 2
    TabStop = True
    Transparent = True
    Transparency = 75
    object OrvoListBox1: TOrvoListBox
      Left = 8
      Top = 40
      Width = 81
      Height = 73
      Items.Strings = (
        'OrvoListBox'
        'Dog'
        'Cat'
        'Apple'
        'Orange'
        'Triangle')
      Style = lbOwnerDrawFixed
      ItemHeight = 16
      Alignment = taLeftJustify
      Ctl3D = True
      ParentCtl3D = False
      TabOrder = 2
      Transparent = True
    end
    object OrvoEdit1: TOrvoEdit
      Left = 8
      Top = 8
      Width = 129
      Height = 21
      Text = 'OrvoEdit1'
      Alignment = taRightJustify
      Ctl3D = True
      ParentCtl3D = False
      FocusHighlight = False
      HighlightColor = clLime
      TabOrder = 0
      Transparent = True
      Transparency = 100
    end
    object OrvoMemo1: TOrvoMemo
      Left = 152
      Top = 8
      Width = 97
      Height = 57
      Lines.Strings = (
        'OrvoMemo1')
      Alignment = taCenter
      Color = $00F0C080
      Ctl3D = True
      ParentCtl3D = False
      FocusHighlight = False
      HighlightColor = clLime
      TabOrder = 1
      Transparent = True
      Transparency = 50
    end
    object OrvoButton1: TOrvoButton
      Left = 104
      Top = 72
      Width = 81
      Height = 41
      Caption = 'OrvoButton Click Me!'
      Alignment = taCenter
      Color = clBtnFace
      ParentColor = False
      Ctl3D = True
      FocusHighlight = False
      FocusRect = True
      HighlightColor = clLime
      HotTrack = True
      HotTrackFontColor = clBlue
      Layout = blGlyphLeft
      Shape = stRectangle
      WordWrap = True
      TabOrder = 3
      OnClick = OrvoButton1Click
    end
    object OrvoButton2: TOrvoButton
      Left = 192
      Top = 76
      Width = 57
      Height = 33
      Caption = 'Or Me!'
      Font.Name = 'MS Sans Serif'
      Font.Height = -11
      Font.Color = clBlue
      Font.Style = [fsBold]
      ParentFont = False
      Alignment = taCenter
      Color = $00A0FFFF
      ParentColor = False
      Ctl3D = True
      FocusHighlight = True
      FocusRect = False
      HighlightColor = clLime
      HotTrack = True
      HotTrackFontColor = clRed
      Layout = blGlyphLeft
      Shape = stEllipse
      WordWrap = False
      TabOrder = 4
      OnClick = OrvoButton2Click
    end
  end
end
)";

const TFormObject* FindChild(const TFormObject& parent, const std::string& name) {
    for (const TFormObject& child : parent.Children)
        if (child.Name == name) return &child;
    return nullptr;
}

// Every expected property is written with the expected value, and the
// expected children lie under the same parent in the same relative order.
void ExpectContains(const TFormObject& written, const TFormObject& expected) {
    SCOPED_TRACE(expected.Name);
    EXPECT_EQ(written.ClassName, expected.ClassName);
    for (const TFormProperty& want : expected.Properties) {
        const TFormProperty* got = nullptr;
        for (const TFormProperty& p : written.Properties)
            if (p.Name == want.Name) got = &p;
        ASSERT_NE(got, nullptr) << want.Name << " is not written";
        EXPECT_EQ(got->Value, want.Value) << want.Name;
    }
    std::size_t lastPosition = 0;
    for (const TFormObject& child : expected.Children) {
        const TFormObject* match = FindChild(written, child.Name);
        ASSERT_NE(match, nullptr) << child.Name << " is not a child of " << expected.Name;
        const std::size_t position = std::size_t(match - written.Children.data());
        EXPECT_GE(position, lastPosition) << child.Name << " is out of stream order";
        lastPosition = position;
        ExpectContains(*match, child);
    }
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A bitmap property as the form stores it: a 32-bit byte count, then the file.
std::vector<std::uint8_t> StoredPicture(TComponent* component, const std::string& property) {
    const TFormObject tree = WriteComponentTree(component);
    for (const TFormProperty& p : tree.Properties)
        if (p.Name == property + ".Data") return p.Value.bytes;
    return {};
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

TEST(DemoLeftHalf, DescriptionHoldsEveryLibraryControlAsStored) {
    TForm1 form(nullptr);
    ExpectContains(WriteComponentTree(&form), ParseFormText(kLeftHalf));
    // Every library control carries the banner, which reading leaves alone.
    for (const char* name : {"OrvoEdit1", "OrvoEdit2", "OrvoMemo1", "OrvoListBox1", "OrvoButton1", "OrvoButton2"}) {
        TComponent* c = form.FindComponent(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(ValueToString(*c->ClassInfo().FindPublished("Version")->Get(*c)),
                  "Version 2.00 by the OrvoControls team");
    }
}

struct PictureRow {
    const char* component;
    const char* property;
    const char* file;
    std::uint32_t fileBytes, width, height, depth, pixelOffset, rowBytes;
};

TEST(DemoLeftHalf, PicturesHaveTheirSizesDepthsAndKeyPixel) {
    TForm1 form(nullptr);
    const PictureRow rows[] = {
        {"OrvoBackground1", "TileImage", "wood_tile.bmp", 480054, 400, 400, 24, 54, 1200},
        {"OrvoButton1", "Glyph", "pictogram.bmp", 358, 19, 20, 4, 118, 12},
        {"OrvoButton1", "Image", "marble.bmp", 10774, 89, 40, 24, 54, 268},
    };
    for (const PictureRow& row : rows) {
        SCOPED_TRACE(row.file);
        const std::vector<std::uint8_t> stored = StoredPicture(form.FindComponent(row.component), row.property);
        ASSERT_EQ(stored.size(), row.fileBytes + 4);
        EXPECT_EQ(Le32(stored, 0), row.fileBytes);
        const std::vector<std::uint8_t> file(stored.begin() + 4, stored.end());
        // The form carries exactly what the picture script makes.
        EXPECT_EQ(file, ReadFile(std::string(ORVO_DEMO_PICTURES) + "/" + row.file));
        EXPECT_EQ(Le32(file, 10), row.pixelOffset);
        EXPECT_EQ(Le32(file, 18), row.width);
        EXPECT_EQ(Le32(file, 22), row.height);
        EXPECT_EQ(file[28] | file[29] << 8, int(row.depth));
        EXPECT_EQ(row.fileBytes - row.pixelOffset, row.rowBytes * row.height);
    }
    // The glyph's bottom-left pixel, its key colour, is olive.
    const std::vector<std::uint8_t> glyph = StoredPicture(form.OrvoButton1, "Glyph");
    const TBmpImage picture = DecodeBmp(std::span(glyph).subspan(4));
    const std::uint8_t* bottomLeft = &picture.Pixels[std::size_t(picture.Height - 1) * picture.Width * 4];
    EXPECT_EQ(bottomLeft[2], 128);  // red
    EXPECT_EQ(bottomLeft[1], 128);  // green
    EXPECT_EQ(bottomLeft[0], 0);    // blue
}

class DemoButtons : public ::testing::Test {
protected:
    void SetUp() override {
        form.AfterConstruction();
        ShowFormForAutomation(&form);
    }
    TForm1 form{nullptr};
};

TEST_F(DemoButtons, FirstButtonFlipsThe3DLookOfThePanelAndItsContentsOnly) {
    const auto ctl3D = [](TComponent* c) {
        return ValueToBoolean(*c->ClassInfo().FindPublished("Ctl3D")->Get(*c));
    };
    TComponent* six[] = {form.OrvoEdit1, form.OrvoMemo1, form.OrvoListBox1, form.OrvoButton1, form.OrvoPanel1, form.OrvoButton2};
    EXPECT_EQ(form.OrvoEdit1->Height(), 21);  // as stored, whatever the font's line height
    ClickMouse(form.OrvoButton1, ClientCentre(form.OrvoButton1));
    EXPECT_FALSE(form.PanelCtl3D());
    for (TComponent* c : six) EXPECT_FALSE(ctl3D(c)) << c->Name();
    EXPECT_TRUE(ctl3D(form.OrvoEdit2));  // in the group box with check, not on the panel
    EXPECT_EQ(form.OrvoEdit1->Height(), 19);  // the flat border is a pixel thinner a side
    ClickMouse(form.OrvoButton1, ClientCentre(form.OrvoButton1));
    for (TComponent* c : six) EXPECT_TRUE(ctl3D(c)) << c->Name();
    EXPECT_EQ(form.OrvoEdit1->Height(), 21);
}

TEST_F(DemoButtons, SecondButtonCyclesItsShapeAndIgnoresClicksOutsideIt) {
    const auto shape = [this] { return form.OrvoButton2->ClassInfo().FindPublished("Shape")->Get(*form.OrvoButton2)->text; };
    EXPECT_EQ(shape(), "stEllipse");
    // The ellipse's corner lies outside its region: the panel gets the click.
    ClickMouse(form.OrvoButton2, Point(1, 1));
    EXPECT_EQ(shape(), "stEllipse");
    const char* cycle[] = {"stRectangle", "stRoundRect", "stEllipse", "stRectangle"};
    for (const char* next : cycle) {
        ClickMouse(form.OrvoButton2, ClientCentre(form.OrvoButton2));
        EXPECT_EQ(shape(), next);
    }
    // Any other shape is left as it is.
    form.OrvoButton2->ClassInfo().FindPublished("Shape")->Set(*form.OrvoButton2, TValue::Identifier("stCircle"), nullptr);
    ClickMouse(form.OrvoButton2, ClientCentre(form.OrvoButton2));
    EXPECT_EQ(shape(), "stCircle");
}

}  // namespace
