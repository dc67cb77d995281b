// The demonstration program's main form as the program creates it: loaded
// from its compiled description, created, shown.
#include <QWidget>

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "Unit1.h"
#include "host/qt/Automation.h"
#include "host/framework/Streaming.h"

using namespace Orvo;

namespace {

// The description of the left half's controls, to see that nothing changed
// them. Left and Width are left out: AutoSize sets them at each paint.
std::string LeftHalfText(TForm1& form) {
    std::string text;
    for (TComponent* c : std::initializer_list<TComponent*>{form.OrvoCheckBox1, form.OrvoCheckBox2,
                                                             form.OrvoGroupBoxWithCheck1, form.OrvoRadioGroup1}) {
        std::istringstream lines(WriteComponentText(c));
        for (std::string line; std::getline(lines, line);)
            if (line.find("  Left = ") == std::string::npos && line.find("  Width = ") == std::string::npos)
                text += line + "\n";
    }
    return text;
}

TEST(DemoForm, LoadingGivesTheStoredValues) {
    TForm1 form(nullptr);
    EXPECT_EQ(form.Caption(), "OrvoControls v2.00 Demo Application");
    EXPECT_EQ(form.ClientRect(), Rect(0, 0, 645, 294));
    EXPECT_EQ(form.BorderStyle(), bsDialog);
    EXPECT_EQ(form.Position(), poScreenCenter);

    // Every field is bound to its component.
    ASSERT_NE(form.Panel1, nullptr);
    ASSERT_NE(form.co_rbAlignment, nullptr);
    ASSERT_NE(form.OrvoBackground1, nullptr);
    EXPECT_EQ(form.Panel1->BoundsRect(), Bounds(284, 0, 361, 301));
    EXPECT_EQ(form.PageControl1->BoundsRect(), Bounds(0, 72, 361, 221));
    EXPECT_EQ(form.PageControl1->Parent(), form.Panel1);
    EXPECT_EQ(form.b_cbBorderColor->BoundsRect(), Bounds(272, 116, 33, 21));
    EXPECT_EQ(form.co_cbCheckStyle->BoundsRect(), Bounds(280, 92, 65, 21));
    EXPECT_EQ(form.OrvoPanel1->BoundsRect(), Bounds(16, 160, 257, 121));
    EXPECT_EQ(form.OrvoCheckBox2->Parent(), form.OrvoGroupBoxWithCheck1);

    // Items, tab orders, ticked boxes.
    ASSERT_EQ(form.co_cbCheckType->Items()->Count(), 3);
    EXPECT_EQ(form.co_cbCheckType->Items()->Strings(2), "ocCross");
    EXPECT_EQ(form.co_cbBorder->Items()->Count(), 4);
    EXPECT_EQ(form.cb_cbAutosize->TabOrder(), 12);
    EXPECT_EQ(form.co_rbCheckStyle->TabOrder(), 12);
    EXPECT_EQ(form.b_rbBorderColor->TabOrder(), 17);
    EXPECT_TRUE(form.cb_cbTransparent->Checked());
    EXPECT_FALSE(form.cb_cbTransparentCenter->Checked());
    EXPECT_FALSE(form.cb_cbAutosize->Checked());
    EXPECT_TRUE(form.cb_rbHotTrack->Checked());
    // The AutoSize box starts unticked although both check boxes start with AutoSize.
    EXPECT_TRUE(form.OrvoCheckBox1->AutoSize());
    EXPECT_TRUE(form.OrvoCheckBox2->AutoSize());
    // As stored, before FormShow.
    EXPECT_EQ(form.PageControl1->ActivePage(), form.TabSheet2);
    EXPECT_EQ(form.co_cbBorder->ItemIndex(), -1);
}

TEST(DemoForm, CreatingAndShowingBringsThePagesInLineWithoutRunningAHandler) {
    TForm1 form(nullptr);
    const std::string before = LeftHalfText(form);
    form.AfterConstruction();  // OnCreate
    EXPECT_TRUE(form.PanelCtl3D());
    ShowFormForAutomation(&form);  // OnShow

    EXPECT_EQ(form.PageControl1->ActivePage(), form.TabSheet1);
    EXPECT_EQ(form.co_cbCheckType->ItemIndex(), 2);
    EXPECT_EQ(form.co_cbCheckStyle->ItemIndex(), 0);
    EXPECT_EQ(form.co_cbBorder->ItemIndex(), 0);
    EXPECT_EQ(form.co_cbBorderVisible->ItemIndex(), 0);
    EXPECT_EQ(form.co_cbAlignment->ItemIndex(), 1);
    EXPECT_EQ(form.co_rbCheckStyle->ItemIndex(), 0);
    EXPECT_EQ(form.co_rbBorder->ItemIndex(), 0);
    EXPECT_EQ(form.co_rbBorderVisible->ItemIndex(), 0);
    EXPECT_EQ(form.co_rbAlignment->ItemIndex(), 1);
    // No OnChange ran: the demonstration controls are as they were stored.
    EXPECT_EQ(LeftHalfText(form), before);
}

TEST(DemoForm, WindowHasTheClientSizeAndCannotBeResized) {
    TForm1 form(nullptr);
    form.AfterConstruction();
    ShowFormForAutomation(&form);
    QWidget* w = form.Widget();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->size(), QSize(645, 294));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
}

TEST(DemoForm, HiddenLabelAndPanelCaptionLieUnderThePageControl) {
    TForm1 form(nullptr);
    form.AfterConstruction();
    ShowFormForAutomation(&form);
    // Label23 is windowless, so the windowed page control above it covers it.
    const TRect pages = form.PageControl1->BoundsRect();
    const TRect label = form.Label23->BoundsRect();
    TRect overlap;
    IntersectRect(overlap, pages, label);
    EXPECT_EQ(overlap, label);
    EXPECT_EQ(form.Label23->Parent(), form.PageControl1->Parent());
    // Panel1's caption is centred in the panel, which the page control covers
    // from y 72 on; the panel's lowest 7 pixels lie below the client area.
    const TPoint centre = Point(form.Panel1->Width() / 2, form.Panel1->Height() / 2);
    EXPECT_TRUE(pages.Contains(centre));
    EXPECT_EQ(form.Panel1->Top() + form.Panel1->Height() - form.ClientHeight(), 7);
}

TEST(DemoForm, PagesDriveTheDemonstrationControls) {
    TForm1 form(nullptr);
    form.AfterConstruction();
    ShowFormForAutomation(&form);
    // Border reaches the two check boxes only.
    form.co_cbBorder->SelectByUser(3);
    EXPECT_EQ(form.OrvoCheckBox1->Border(), obSimple);
    EXPECT_EQ(form.OrvoCheckBox2->Border(), obSimple);
    // Check type: item 1 is "ocCircle", ordinal 2.
    form.co_cbCheckType->SelectByUser(1);
    EXPECT_EQ(form.OrvoCheckBox1->CheckType(), ocCircle);
    // Unticking Enabled disables all three targets at once.
    form.cb_cbEnabled->SetChecked(false);
    EXPECT_FALSE(form.OrvoCheckBox1->Enabled());
    EXPECT_FALSE(form.OrvoCheckBox2->Enabled());
    EXPECT_FALSE(form.OrvoGroupBoxWithCheck1->Enabled());
    // The highlight colour reaches the two check boxes only; a cancelled
    // dialog changes nothing.
    TColorDialog::QueueScriptedAnswer(clYellow);
    form.b_cbFocusHighlightColor->Click();
    EXPECT_EQ(form.OrvoCheckBox1->HighlightColor(), clYellow);
    EXPECT_EQ(form.OrvoGroupBoxWithCheck1->HighlightColor(), clLime);
    TColorDialog::QueueScriptedAnswer(std::nullopt);
    form.b_cbCheckColor->Click();
    EXPECT_EQ(form.OrvoCheckBox1->CheckColor(), clRed);
    // The radio page sets the radio group alone.
    form.co_rbCheckStyle->SelectByUser(2);
    EXPECT_EQ(form.OrvoRadioGroup1->CheckStyle(), osFlat);
}

}  // namespace
