// The panel's look, the page control's pages and tabs, the colour dialog's
// scripted answers, and these controls read from and written to a form
// description.
#include <gtest/gtest.h>

#include <QWidget>

#include <string>
#include <vector>

#include "controls_test_support.h"
#include "host/qt/Automation.h"
#include "host/stdctrls/ComCtrls.h"
#include "host/stdctrls/Dialogs.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"
#include "host/framework/Streaming.h"

using namespace Orvo;

namespace {

// Pixels of black text, antialiased over the button face: darker than any
// bevel colour.
int CountInk(const TSurface& s, const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const COLORREF c = s.Pixel(x, y);
            n += GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100;
        }
    return n;
}

// Counts the pixels of one colour in a rectangle of a surface.
int CountColour(const TSurface& s, const TRect& r, COLORREF c) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (s.Pixel(x, y) == c) ++n;
    return n;
}

struct TPageForm {
    TForm Form{nullptr};
    TPageControl* Pages;
    TTabSheet* Sheet1;
    TTabSheet* Sheet2;
    TPageForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 400, 260);
        Pages = new TPageControl(&Form);
        Pages->SetBounds(0, 0, 361, 221);
        Pages->SetParent(&Form);
        Sheet1 = new TTabSheet(&Form);
        Sheet1->SetCaption("First");
        Sheet1->SetPageControl(Pages);
        Sheet2 = new TTabSheet(&Form);
        Sheet2->SetCaption("Second");
        Sheet2->SetPageControl(Pages);
    }
    ~TPageForm() { SetCaptureControl(nullptr); }
};

}  // namespace

// ---------------------------------------------------------------- panel

TEST(StdPanel, DefaultsMatchTheFramework) {
    TPanel p(nullptr);
    EXPECT_EQ(p.Width(), 185);
    EXPECT_EQ(p.Height(), 41);
    EXPECT_EQ(p.Alignment(), taCenter);
    EXPECT_EQ(p.BevelOuter(), bvRaised);
    EXPECT_EQ(p.BevelInner(), bvNone);
    EXPECT_EQ(p.BevelWidth(), 1);
    EXPECT_EQ(p.BorderWidth(), 0);
    EXPECT_EQ(p.BorderStyle(), bsNone);
    EXPECT_EQ(p.Color(), clBtnFace);
    EXPECT_FALSE(p.ParentColor());
    EXPECT_TRUE(p.ControlStyle().Contains(csAcceptsControls));
}

TEST(StdPanel, DefaultLookIsARaisedOnePixelBevel) {
    TPanel p(nullptr);
    p.SetCaption("");
    TSurface s(185, 41);
    p.Perform(WM_ERASEBKGND, s.WParam(), 0);
    p.Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(s.Pixel(0, 0), Plain(clBtnHighlight));
    EXPECT_EQ(s.Pixel(0, 39), Plain(clBtnHighlight));   // left column
    EXPECT_EQ(s.Pixel(183, 0), Plain(clBtnHighlight));  // top row
    EXPECT_EQ(s.Pixel(184, 0), Plain(clBtnShadow));     // right column, full height
    EXPECT_EQ(s.Pixel(0, 40), Plain(clBtnShadow));      // bottom row, full width
    EXPECT_EQ(s.Pixel(184, 40), Plain(clBtnShadow));
    EXPECT_EQ(s.Pixel(1, 1), Plain(clBtnFace));
    EXPECT_EQ(CountColour(s, Rect(1, 1, 184, 40), Plain(clBtnFace)), 183 * 39);

    p.SetBevelOuter(bvLowered);
    p.SetBevelInner(bvRaised);
    p.SetBorderWidth(2);
    p.Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(s.Pixel(0, 0), Plain(clBtnShadow));
    EXPECT_EQ(s.Pixel(184, 40), Plain(clBtnHighlight));
    EXPECT_EQ(s.Pixel(1, 1), Plain(clBtnFace));        // the border width in Color
    EXPECT_EQ(s.Pixel(3, 3), Plain(clBtnHighlight));   // the inner bevel
    EXPECT_EQ(s.Pixel(181, 37), Plain(clBtnShadow));
    EXPECT_EQ(p.InteriorRect(), Rect(4, 4, 181, 37));
}

TEST(StdPanel, CaptionIsCentredInTheFontColour) {
    TPanel p(nullptr);
    p.SetCaption("Panel1");
    p.Font()->SetColor(clBlack);
    TSurface s(185, 41);
    p.Perform(WM_ERASEBKGND, s.WParam(), 0);
    p.Perform(WM_PAINT, s.WParam(), 0);
    TCanvas* canvas = p.Canvas();
    canvas->SetFont(p.Font());
    const int w = canvas->TextWidth("Panel1");
    const int left = (185 - w) / 2;
    EXPECT_GT(CountInk(s, Rect(left, 1, left + w + 1, 40)), 0);
    EXPECT_EQ(CountColour(s, Rect(1, 1, left - 1, 40), Plain(clBtnFace)), (left - 2) * 39);
    EXPECT_EQ(CountColour(s, Rect(left + w + 2, 1, 184, 40), Plain(clBtnFace)), (182 - left - w) * 39);

    // Left alignment moves it to the bevel.
    p.SetAlignment(taLeftJustify);
    p.Perform(WM_ERASEBKGND, s.WParam(), 0);
    p.Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_GT(CountInk(s, Rect(1, 1, 4, 40)), 0);
}

// ---------------------------------------------------------------- page control

TEST(StdPageControl, PagesFillTheDisplayAreaAndOneIsShown) {
    TPageForm f;
    EXPECT_EQ(f.Pages->PageCount(), 2);
    EXPECT_EQ(f.Pages->Pages(1), f.Sheet2);
    EXPECT_THROW(f.Pages->Pages(2), EListError);
    EXPECT_EQ(f.Pages->ActivePage(), f.Sheet1);  // the first page added
    ShowFormForAutomation(&f.Form);
    EXPECT_EQ(f.Sheet1->BoundsRect(), f.Pages->DisplayRect());
    EXPECT_TRUE(f.Sheet1->Widget()->isVisible());
    EXPECT_FALSE(f.Sheet2->Visible());
    EXPECT_EQ(f.Sheet2->PageIndex(), 1);

    int changes = 0;
    f.Pages->OnChange = [&](TObject*) { ++changes; };
    f.Pages->SetActivePage(f.Sheet2);  // from code: no event
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(f.Pages->ActivePageIndex(), 1);
    EXPECT_TRUE(f.Sheet2->Visible());
    EXPECT_FALSE(f.Sheet1->Visible());
    EXPECT_EQ(f.Sheet2->BoundsRect(), f.Pages->DisplayRect());
}

TEST(StdPageControl, ClickingATabAsksThenChanges) {
    TPageForm f;
    ShowFormForAutomation(&f.Form);
    std::vector<std::string> events;
    bool allow = true;
    f.Pages->OnChanging = [&](TObject*, bool& ok) {
        events.push_back("changing");
        ok = allow;
    };
    f.Pages->OnChange = [&](TObject*) { events.push_back("change"); };

    const TRect second = f.Pages->TabRect(1);
    ASSERT_FALSE(second.IsEmpty());
    allow = false;
    ClickMouse(f.Pages, Point(second.Left + 5, second.Top + 5));
    EXPECT_EQ(f.Pages->ActivePage(), f.Sheet1);
    EXPECT_EQ(events, std::vector<std::string>{"changing"});

    allow = true;
    ClickMouse(f.Pages, Point(second.Left + 5, second.Top + 5));
    EXPECT_EQ(f.Pages->ActivePage(), f.Sheet2);
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "changing", "change"}));
    EXPECT_TRUE(f.Pages->Focused());

    SendKey(&f.Form, VK_LEFT);
    EXPECT_EQ(f.Pages->ActivePage(), f.Sheet1);
    SendKey(&f.Form, VK_LEFT);  // no wrapping round
    EXPECT_EQ(f.Pages->ActivePage(), f.Sheet1);
}

TEST(StdPageControl, HiddenTabsAndRemovedPages) {
    TPageForm f;
    f.Sheet1->SetTabVisible(false);
    EXPECT_EQ(f.Pages->ActivePage(), f.Sheet2);
    EXPECT_TRUE(f.Pages->TabRect(0).IsEmpty());
    EXPECT_EQ(f.Sheet2->TabIndex(), 0);
    EXPECT_EQ(f.Pages->TabRect(1).Left, 2);
    f.Sheet1->SetTabVisible(true);
    f.Sheet2->SetPageIndex(0);
    EXPECT_EQ(f.Pages->Pages(0), f.Sheet2);
    delete f.Sheet2;
    EXPECT_EQ(f.Pages->PageCount(), 1);
    EXPECT_EQ(f.Pages->ActivePage(), f.Sheet1);
}

TEST(StdPageControl, SelectedTabJoinsThePage) {
    TPageForm f;
    f.Pages->SetColor(clBtnFace);
    TSurface s(361, 221);
    f.Pages->Perform(WM_ERASEBKGND, s.WParam(), 0);
    f.Pages->Perform(WM_PAINT, s.WParam(), 0);
    const TRect first = f.Pages->TabRect(0);
    const TRect second = f.Pages->TabRect(1);
    const int bodyTop = first.Bottom;
    // The frame's top line is open under the selected tab, closed under the other.
    EXPECT_EQ(s.Pixel(first.Left + 5, bodyTop), Plain(clBtnFace));
    EXPECT_EQ(s.Pixel(second.Left + 5, bodyTop), Plain(clBtnHighlight));
    // The selected tab stands two pixels higher.
    EXPECT_EQ(s.Pixel(first.Left + 5, first.Top - 2), Plain(clBtnHighlight));
    EXPECT_EQ(s.Pixel(second.Left + 5, second.Top), Plain(clBtnHighlight));
    EXPECT_NE(s.Pixel(second.Left + 5, second.Top - 2), Plain(clBtnHighlight));
}

// ---------------------------------------------------------------- colour dialog

TEST(StdColorDialog, ScriptedAnswersConfirmOrCancelInOrder) {
    TColorDialog::ClearScriptedAnswers();
    TColorDialog dialog(nullptr);
    dialog.SetColor(clBlue);
    int shows = 0, closes = 0;
    dialog.OnShow = [&](TObject*) { ++shows; };
    dialog.OnClose = [&](TObject*) { ++closes; };
    TColorDialog::QueueScriptedAnswer(TColor(0x00F0C080));
    TColorDialog::QueueScriptedAnswer(std::nullopt);
    EXPECT_EQ(TColorDialog::ScriptedAnswerCount(), 2);

    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), TColor(0x00F0C080));
    EXPECT_FALSE(dialog.Execute());  // cancelled: the colour stays
    EXPECT_EQ(dialog.Color(), TColor(0x00F0C080));
    EXPECT_EQ(TColorDialog::ScriptedAnswerCount(), 0);
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(closes, 2);

    TColorDialog::SetScriptedAnswer(clRed);
    TColorDialog::SetScriptedAnswer(std::nullopt);  // replaces, not appends
    EXPECT_EQ(TColorDialog::ScriptedAnswerCount(), 1);
    EXPECT_FALSE(dialog.Execute());
    TColorDialog::ClearScriptedAnswers();
}

TEST(StdColorDialog, UnscriptedExecuteRunsTheModalChooser) {
    TColorDialog::ClearScriptedAnswers();
    DismissUnexpectedDialogs();
    TColorDialog dialog(nullptr);
    dialog.SetColor(clGreen);
    std::string title;
    TakeDismissedDialog(title);
    EXPECT_FALSE(dialog.Execute());  // dismissed as a cancel
    EXPECT_TRUE(TakeDismissedDialog(title));
    EXPECT_EQ(dialog.Color(), clGreen);
}

// ---------------------------------------------------------------- streaming

TEST(StdStreaming, StockControlsRoundTripWithTheirStoredDefaults) {
    const std::string children =
        "  object Panel1: TPanel\n"
        "    Left = 4\n"
        "    Top = 0\n"
        "    Width = 361\n"
        "    Height = 301\n"
        "    BevelOuter = bvNone\n"
        "    Caption = 'Panel1'\n"
        "    TabOrder = 0\n"
        "    object Label15: TLabel\n"
        "      Left = 196\n"
        "      Top = 46\n"
        "      Width = 68\n"
        "      Height = 13\n"
        "      Alignment = taRightJustify\n"
        "      AutoSize = False\n"
        "      Caption = 'Highlight Color'\n"
        "      Transparent = True\n"
        "    end\n"
        "    object PageControl1: TPageControl\n"
        "      Left = 0\n"
        "      Top = 72\n"
        "      Width = 361\n"
        "      Height = 221\n"
        "      ActivePage = TabSheet2\n"
        "      TabOrder = 0\n"
        "      object TabSheet1: TTabSheet\n"
        "        Caption = 'TOrvoCheckBoxes'\n"
        "        object cb_cbTransparent: TCheckBox\n"
        "          Left = 8\n"
        "          Top = 4\n"
        "          Width = 82\n"
        "          Height = 19\n"
        "          Caption = 'Transparent'\n"
        "          Checked = True\n"
        "          State = cbChecked\n"
        "          Ctl3D = True\n"
        "          ParentCtl3D = False\n"
        "          TabOrder = 0\n"
        "        end\n"
        "        object b_cbColor: TButton\n"
        "          Left = 40\n"
        "          Top = 44\n"
        "          Width = 33\n"
        "          Height = 21\n"
        "          Caption = 'Pick'\n"
        "          TabOrder = 1\n"
        "        end\n"
        "        object co_cbCheckType: TComboBox\n"
        "          Left = 144\n"
        "          Top = 92\n"
        "          Width = 97\n"
        "          Height = 21\n"
        "          Style = csDropDownList\n"
        "          ItemHeight = 13\n"
        "          TabOrder = 2\n"
        "          Items.Strings = (\n"
        "            'ocCheck'\n"
        "            'ocCircle'\n"
        "            'ocCross')\n"
        "          ItemIndex = 2\n"
        "        end\n"
        "      end\n"
        "      object TabSheet2: TTabSheet\n"
        "        Caption = 'TOrvoRadioButtons'\n"
        "        ImageIndex = 1\n"
        "        object Memo1: TMemo\n"
        "          Left = 8\n"
        "          Top = 8\n"
        "          Width = 97\n"
        "          Height = 57\n"
        "          Color = $00F0C080\n"
        "          Lines.Strings = (\n"
        "            'OrvoMemo1')\n"
        "          TabOrder = 0\n"
        "        end\n"
        "        object Edit1: TEdit\n"
        "          Left = 8\n"
        "          Top = 80\n"
        "          Width = 129\n"
        "          Height = 21\n"
        "          TabOrder = 1\n"
        "          Text = 'OrvoEdit1'\n"
        "        end\n"
        "        object ListBox1: TListBox\n"
        "          Left = 150\n"
        "          Top = 8\n"
        "          Width = 81\n"
        "          Height = 73\n"
        "          Style = lbOwnerDrawFixed\n"
        "          ItemHeight = 16\n"
        "          Items.Strings = (\n"
        "            'Dog'\n"
        "            'Cat')\n"
        "          TabOrder = 2\n"
        "        end\n"
        "      end\n"
        "    end\n"
        "  end\n"
        "  object ColorDialog1: TColorDialog\n"
        "    Ctl3D = True\n"
        "    Left = 240\n"
        "    Top = 8\n"
        "  end\n";
    const std::string text = "object Form1: TForm\n" + children + "end\n";
    std::unique_ptr<TComponent> root(ReadComponentFromText(text, "stock.form"));
    auto* form = dynamic_cast<TForm*>(root.get());
    ASSERT_NE(form, nullptr);
    auto* pages = dynamic_cast<TPageControl*>(form->FindComponent("PageControl1"));
    auto* sheet2 = dynamic_cast<TTabSheet*>(form->FindComponent("TabSheet2"));
    auto* combo = dynamic_cast<TComboBox*>(form->FindComponent("co_cbCheckType"));
    auto* check = dynamic_cast<TCheckBox*>(form->FindComponent("cb_cbTransparent"));
    auto* memo = dynamic_cast<TMemo*>(form->FindComponent("Memo1"));
    auto* dialog = dynamic_cast<TColorDialog*>(form->FindComponent("ColorDialog1"));
    ASSERT_TRUE(pages && sheet2 && combo && check && memo && dialog);
    EXPECT_EQ(pages->ActivePage(), sheet2);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(sheet2->ImageIndex(), 1);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(memo->Text(), "OrvoMemo1");
    EXPECT_EQ(dialog->Left(), 240);

    const std::string written = WriteComponentText(form);
    EXPECT_NE(written.find(children), std::string::npos) << written;
}
