// The demonstration form under real input: disabled radio lines, the radio
// group's arrow keys, Ctrl+Tab between the property pages, the sign of focus
// on a drop-down list, the colour dialog handing the keyboard back, and every
// text of the form fitting its control at the stored sizes.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <sstream>
#include <string>

#include "Unit1.h"
#include "host/qt/Automation.h"
#include "host/stdctrls/Dialogs.h"
#include "host/services/Gdi.h"
#include "host/test_input_support.h"

using namespace Orvo;

using namespace input_test;

namespace {

struct TShownDemo {
    TForm1 Form{nullptr};
    TShownDemo() {
        TColorDialog::ClearScriptedAnswers();
        ShowFormForAutomation(&Form);
    }
    ~TShownDemo() { SetCaptureControl(nullptr); }
    QWindow* Window() const { return Form.Widget()->windowHandle(); }
    TOrvoGroupButton* Line(int i) const { return Form.OrvoRadioGroup1->Buttons(i); }
    void ShowRadioPage() { Form.PageControl1->SetActivePage(Form.TabSheet2); ProcessPendingPaints(); }
    // Clicks the middle of a check box's square.
    void Tick(TCheckBox* box) { Click(box, Point(6, box->Height() / 2)); }
};

QRgb PixelOf(TWinControl* control, QPoint p) { return control->Widget()->grab().toImage().pixel(p); }

}  // namespace

TEST(DemoInput, AClickOnADisabledRadioLineSelectsNothing) {
    TShownDemo d;
    d.ShowRadioPage();
    Click(d.Line(1), Point(30, 9));  // Dog
    ASSERT_TRUE(d.Line(1)->Checked());

    d.Tick(d.Form.cb_rbEnabled);
    ASSERT_FALSE(d.Form.OrvoRadioGroup1->Enabled());
    Click(d.Line(0), Point(30, 9));  // Cat, disabled
    d.Tick(d.Form.cb_rbEnabled);
    ASSERT_TRUE(d.Line(0)->Enabled());

    EXPECT_FALSE(d.Line(0)->Checked());
    EXPECT_TRUE(d.Line(1)->Checked());
    EXPECT_EQ(d.Form.OrvoRadioGroup1->ItemIndex(), 1);
}

TEST(DemoInput, ArrowKeysMoveTheSelectionRoundTheRadioGroup) {
    TShownDemo d;
    d.ShowRadioPage();
    int clicks = 0;
    d.Form.OrvoRadioGroup1->OnClick = [&](TObject*) { ++clicks; };
    Click(d.Line(0), Point(30, 9));
    ASSERT_TRUE(d.Line(0)->Focused());

    struct TStep {
        int Key;
        int Line;
    };
    // Down and Right go on, Up and Left go back, round the ends.
    const TStep steps[] = {{Qt::Key_Down, 1}, {Qt::Key_Right, 2}, {Qt::Key_Down, 0},
                           {Qt::Key_Up, 2},   {Qt::Key_Left, 1},  {Qt::Key_Up, 0}};
    int expectedClicks = 1;
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.Key);
        Key(d.Window(), step.Key);
        ++expectedClicks;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(d.Line(i)->Checked(), i == step.Line) << i;
            EXPECT_EQ(d.Line(i)->Focused(), i == step.Line) << i;
        }
        EXPECT_EQ(d.Form.OrvoRadioGroup1->ItemIndex(), step.Line);
        EXPECT_EQ(clicks, expectedClicks);
    }

    // Read-only lines still let the focus move but keep their selection.
    d.Form.OrvoRadioGroup1->SetReadOnly(true);
    Key(d.Window(), Qt::Key_Down);
    EXPECT_TRUE(d.Line(1)->Focused());
    EXPECT_TRUE(d.Line(0)->Checked());
    EXPECT_FALSE(d.Line(1)->Checked());
}

TEST(DemoInput, CtrlTabTurnsThePropertyPagesAndTheFocusFollows) {
    TShownDemo d;
    ASSERT_EQ(d.Form.PageControl1->ActivePage(), d.Form.TabSheet1);
    d.Form.cb_cbEnabled->SetFocus();
    Key(d.Window(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(d.Form.PageControl1->ActivePage(), d.Form.TabSheet2);
    EXPECT_TRUE(d.Form.cb_rbTransparent->Focused()) << "the new page's first control";
    EXPECT_TRUE(d.Form.cb_rbTransparent->Checked()) << "Ctrl+Tab ticks nothing";

    Key(d.Window(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(d.Form.PageControl1->ActivePage(), d.Form.TabSheet1);
    Key(d.Window(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(d.Form.PageControl1->ActivePage(), d.Form.TabSheet2) << "round the ends";

    // Plain Tab still moves the focus on the page.
    Key(d.Window(), Qt::Key_Tab);
    EXPECT_EQ(d.Form.PageControl1->ActivePage(), d.Form.TabSheet2);
    EXPECT_FALSE(d.Form.cb_rbTransparent->Focused());
}

TEST(DemoInput, AFocusedDropDownListShowsItsTextInTheSelectionColours) {
    TShownDemo d;
    TComboBox* combo = d.Form.co_cbBorder;
    auto* widget = static_cast<QComboBox*>(combo->Widget());
    QStyleOptionComboBox option;
    option.initFrom(widget);
    option.editable = false;
    const QRect field = widget->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, widget);
    // A point of the field right of the text.
    const QPoint probe(field.right() - 2, field.center().y());
    const TColor highlight = ColorToRGB(clHighlight);
    const QRgb selection = qRgb(GetRValue(highlight), GetGValue(highlight), GetBValue(highlight));

    EXPECT_NE(PixelOf(combo, probe), selection);
    d.Form.cb_cbTransparent->SetFocus();
    for (int i = 0; i < 30 && !combo->Focused(); ++i) Key(d.Window(), Qt::Key_Tab);
    ASSERT_TRUE(combo->Focused());
    EXPECT_EQ(PixelOf(combo, probe), selection);
    Key(d.Window(), Qt::Key_Tab);
    EXPECT_NE(PixelOf(combo, probe), selection);
}

TEST(DemoInput, TheColourDialogGivesTheKeyboardBackToTheForm) {
    TShownDemo d;
    d.Form.b_cbColor->SetFocus();
    ASSERT_TRUE(d.Form.b_cbColor->Focused());
    bool answered = false;
    // The dialog is cancelled from inside its own event loop.
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answered = true;
            modal->close();
        }
    });
    timer.start(20);
    Key(d.Window(), Qt::Key_Space);  // presses "Pick"
    timer.stop();
    ASSERT_TRUE(answered);
    EXPECT_EQ(QApplication::activeWindow(), d.Form.Widget());
    EXPECT_TRUE(d.Form.b_cbColor->Focused());
    // And keys reach the form again.
    Key(d.Window(), Qt::Key_Tab);
    EXPECT_FALSE(d.Form.b_cbColor->Focused());
}

// ---------------------------------------------------------------- texts

namespace {

TSize Extent(const TControl* control, const std::string& text, unsigned flags = DT_SINGLELINE, int width = 0) {
    TBitmap bitmap;
    bitmap.SetWidth(8);
    bitmap.SetHeight(8);
    bitmap.Canvas()->SetFont(control->Font());
    TRect r = Rect(0, 0, width, 0);
    DrawText(bitmap.Canvas()->Handle(), text, r, flags | DT_CALCRECT);
    return TSize{r.Width(), r.Height()};
}

}  // namespace

TEST(DemoTexts, EveryCaptionAndItemFitsItsControlAtTheStoredSize) {
    TShownDemo d;
    TForm1& f = d.Form;
    int checked = 0;
    for (int i = 0; i < f.ComponentCount(); ++i) {
        TComponent* c = f.Components(i);
        SCOPED_TRACE(c->Name());
        if (auto* box = dynamic_cast<TCheckBox*>(c)) {
            const TSize t = Extent(box, StripHotkey(box->Caption()));
            EXPECT_LE(t.cx, box->CaptionRect().Width());
            EXPECT_LE(t.cy, box->Height());
            ++checked;
        } else if (auto* combo = dynamic_cast<TComboBox*>(c)) {
            auto* widget = static_cast<QComboBox*>(combo->Widget());
            QStyleOptionComboBox option;
            option.initFrom(widget);
            const QRect field =
                widget->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, widget);
            for (int k = 0; k < combo->Items()->Count(); ++k) {
                const TSize t = Extent(combo, combo->Items()->Strings(k));
                EXPECT_LE(t.cx, field.width() - 2) << combo->Items()->Strings(k);  // one pixel of margin a side
                EXPECT_LE(t.cy, field.height()) << combo->Items()->Strings(k);
            }
            ++checked;
        } else if (auto* button = dynamic_cast<TButton*>(c)) {
            const std::string caption = StripHotkey(button->Caption());
            auto* shaped = dynamic_cast<TOrvoButton*>(button);
            if (shaped && shaped->WordWrap()) {
                // Wrapped beside its glyph: every word fits between the 4-pixel
                // insets, less one glyph frame and its 4-pixel gap.
                const int glyph = shaped->Glyph()->Empty() ? 0 : shaped->Glyph()->Width() / std::max(1, shaped->NumGlyphs()) + 4;
                std::istringstream words(caption);
                for (std::string word; words >> word;) EXPECT_LE(Extent(button, word).cx, button->Width() - 8 - glyph) << word;
            } else {
                EXPECT_LE(Extent(button, caption).cx, button->Width() - 4);
            }
            ++checked;
        } else if (auto* label = dynamic_cast<TLabel*>(c)) {
            if (label == f.Label3 || label == f.Label1 || label == f.Label23) continue;  // titles; one never shown
            // Labels that size themselves only grow; the text must fit what
            // the form laid out, which is still their height and, for the
            // fixed ones, their width.
            const TSize t = Extent(label, StripHotkey(label->Caption()));
            EXPECT_LE(t.cy, label->Height());
            if (!label->AutoSize()) {
                EXPECT_LE(t.cx, label->Width());
            }
            ++checked;
        }
    }
    EXPECT_GE(checked, 40) << "the check boxes, combo boxes, buttons and labels of both pages";

    // Labels that size themselves, at the widths the form stores.
    const std::pair<TLabel*, int> stored[] = {
        {f.Label10, 24}, {f.Label15, 68}, {f.Label6, 58}, {f.Label5, 24}, {f.Label2, 23},
        {f.Label7, 31},  {f.Label9, 64},  {f.Label11, 46}, {f.Label13, 24}, {f.Label14, 68},
        {f.Label19, 58}, {f.Label18, 23}, {f.Label20, 31}, {f.Label22, 64}, {f.Label24, 46}};
    for (const auto& [label, width] : stored) EXPECT_LE(Extent(label, label->Caption()).cx, width) << label->Name();

    // The radio lines: the caption between the ring and the edge, whichever
    // side the ring is on (it starts 20 pixels in, or leaves 18 at the right).
    for (int i = 0; i < f.OrvoRadioGroup1->ButtonCount(); ++i) {
        TOrvoGroupButton* line = f.OrvoRadioGroup1->Buttons(i);
        EXPECT_LE(Extent(line, line->Caption()).cx, line->Width() - 20) << line->Caption();
    }
    // The static text: all its lines inside its raised border.
    TOrvoStaticText* text = f.OrvoStaticText1;
    const TSize block = Extent(text, text->Caption(), DT_WORDBREAK, text->Width() - 2);
    EXPECT_LE(block.cy, text->Height() - 2);
    // The credit line, wrapped within its label: every line shown whole.
    const TSize credit = Extent(f.Label3, f.Label3->Caption(), DT_WORDBREAK, f.Label3->Width());
    EXPECT_LE(credit.cx, f.Label3->Width());
    EXPECT_LE(credit.cy, f.Label3->Height());
    // The library's captions inside their controls' widths.
    for (TControl* c : std::initializer_list<TControl*>{f.OrvoCheckBox1, f.OrvoCheckBox2})
        EXPECT_LE(Extent(c, StripHotkey(c->Caption())).cx + 20, c->Width()) << c->Name();
    for (TControl* c : std::initializer_list<TControl*>{f.OrvoGroupBox1, f.OrvoRadioGroup1, f.OrvoGroupBoxWithCheck1})
        EXPECT_LE(Extent(c, StripHotkey(c->Caption())).cx + 16, c->Width()) << c->Name();
    // The page tabs lie within the page control.
    EXPECT_LE(f.PageControl1->TabRect(1).Right, f.PageControl1->Width());
}
