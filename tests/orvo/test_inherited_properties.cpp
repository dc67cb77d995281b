// The framework's published properties that the library's edit, memo and
// list box inherit: a form that stores them loads, writes them back, and
// each does on the shown control what it says.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/framework/Streaming.h"
#include "test_edit_support.h"

using namespace Orvo;
using namespace edit_test;

namespace {

// A borderless form with the control `C` of class `cls` at (8, 8), 120 x 73,
// its stored properties `props` (one a line), and an edit to take the focus.
std::string FormWith(const std::string& cls, const std::string& props) {
    std::string text = "object Form1: TForm\n  Left = 0\n  Top = 0\n  BorderStyle = bsNone\n  ClientHeight = 160\n"
                       "  ClientWidth = 240\n  object C: " + cls + "\n    Left = 8\n    Top = 8\n    Width = 120\n"
                       "    Height = 73\n    Color = clWhite\n    Font.Color = clBlack\n";
    std::size_t start = 0;
    while (start < props.size()) {
        const std::size_t end = std::min(props.find('\n', start), props.size());
        text += "    " + props.substr(start, end - start) + "\n";
        start = end + 1;
    }
    return text + "  end\n  object Other: TEdit\n    Left = 8\n    Top = 120\n    Width = 100\n    Height = 21\n"
                  "    TabOrder = 1\n  end\nend\n";
}

TPoint CentreOf(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

// The inked columns of a row band of a picture (not white), as runs.
std::vector<std::pair<int, int>> InkRuns(const TScreenShot& shot, int left, int right, int top, int bottom) {
    std::vector<std::pair<int, int>> runs;  // first column, width
    for (int x = left; x < right; ++x) {
        bool ink = false;
        for (int y = top; y < bottom; ++y) ink = ink || shot.At(x, y) != Plain(clWhite);
        if (!ink) continue;
        if (!runs.empty() && runs.back().first + runs.back().second == x) ++runs.back().second;
        else runs.emplace_back(x, 1);
    }
    return runs;
}

}  // namespace

TEST(InheritedProperties, FormsThatStoreThemLoadWriteThemBackAndAreHonoured) {
    struct TCase {
        const char* Class;
        std::string Props;
        std::vector<std::string> Written;  // lines the written form holds
        std::function<void(TForm&, TWinControl*)> Check;
    };
    const TCase cases[] = {
        {"TOrvoEdit", "CharCase = ecUpperCase\nText = 'mixed Case'", {"CharCase = ecUpperCase", "Text = 'MIXED CASE'"},
         [](TForm& form, TWinControl* c) {
             auto* edit = static_cast<TOrvoEdit*>(c);
             EXPECT_EQ(edit->Text(), "MIXED CASE");
             ClickMouse(edit, Point(60, 10));
             TypeKeys(form, Qt::Key_End);
             SendChar(&form, 'x');
             EXPECT_EQ(edit->Text(), "MIXED CASEX");
         }},
        {"TOrvoMemo", "CharCase = ecLowerCase\nLines.Strings = (\n  'ONE'\n  'Two')", {"CharCase = ecLowerCase", "'one'"},
         [](TForm& form, TWinControl* c) {
             auto* memo = static_cast<TOrvoMemo*>(c);
             EXPECT_EQ(memo->Lines()->ToVector(), (std::vector<std::string>{"one", "two"}));
             ClickMouse(memo, Point(60, 10));
             TypeKeys(form, Qt::Key_End);
             SendChar(&form, 'Z');
             EXPECT_EQ(memo->Lines()->Strings(0), "onez");
         }},
        {"TOrvoEdit", "HideSelection = False\nText = 'abcdef'", {"HideSelection = False"},
         [](TForm& form, TWinControl* c) {
             auto* edit = static_cast<TOrvoEdit*>(c);
             EXPECT_TRUE(edit->WindowStyle() & ES_NOHIDESEL);
             edit->SetFocus();
             edit->SetSelStart(1);
             edit->SetSelLength(3);
             static_cast<TWinControl*>(form.FindComponent("Other"))->SetFocus();
             EXPECT_EQ(edit->SelStart(), 1);
             EXPECT_EQ(edit->SelLength(), 3);
             // Shown while another control has the focus.
             EXPECT_GT(TScreenShot(edit).Count(Rect(2, 2, edit->Width() - 2, edit->Height() - 2), clHighlight), 0);
         }},
        {"TOrvoMemo", "HideSelection = False", {"HideSelection = False"},
         [](TForm&, TWinControl* c) { EXPECT_TRUE(static_cast<TOrvoMemo*>(c)->WindowStyle() & ES_NOHIDESEL); }},
        {"TOrvoEdit", "ImeMode = imDisable", {"ImeMode = imDisable"},
         [](TForm& form, TWinControl* c) {
             EXPECT_FALSE(c->Widget()->testAttribute(Qt::WA_InputMethodEnabled));
             auto* other = static_cast<TWinControl*>(form.FindComponent("Other"));
             EXPECT_TRUE(other->Widget()->testAttribute(Qt::WA_InputMethodEnabled));
             // Read-only and back, the window stays closed to the input method.
             static_cast<TOrvoEdit*>(c)->SetReadOnly(true);
             static_cast<TOrvoEdit*>(c)->SetReadOnly(false);
             EXPECT_FALSE(c->Widget()->testAttribute(Qt::WA_InputMethodEnabled));
         }},
        {"TOrvoMemo", "ImeName = 'Pinyin'", {"ImeName = 'Pinyin'"},
         [](TForm&, TWinControl* c) { EXPECT_EQ(c->ImeName(), "Pinyin"); }},
        {"TOrvoEdit", "OEMConvert = True\nText = 'Cafe'", {"OEMConvert = True"},
         [](TForm&, TWinControl* c) {
             EXPECT_TRUE(static_cast<TOrvoEdit*>(c)->WindowStyle() & ES_OEMCONVERT);
             EXPECT_EQ(static_cast<TOrvoEdit*>(c)->Text(), "Cafe");
         }},
        {"TOrvoListBox", "ExtendedSelect = False\nItems.Strings = (\n  'a'\n  'b'\n  'c')\nMultiSelect = True",
         {"ExtendedSelect = False"},
         [](TForm&, TWinControl* c) {
             auto* list = static_cast<TOrvoListBox*>(c);
             // Every click toggles its item, without Ctrl or Shift.
             for (int item : {0, 2, 0}) ClickMouse(list, CentreOf(list->ItemRect(item)));
             EXPECT_FALSE(list->Selected(0));
             EXPECT_FALSE(list->Selected(1));
             EXPECT_TRUE(list->Selected(2));
         }},
        {"TOrvoListBox", "IntegralHeight = True\nItemHeight = 16", {"IntegralHeight = True", "Height = 68"},
         [](TForm&, TWinControl* c) {
             auto* list = static_cast<TOrvoListBox*>(c);
             EXPECT_EQ(list->ItemsArea().Height() % 16, 0);
             EXPECT_EQ(list->Height(), 68);  // 73 cut to the border and four whole items
             list->SetHeight(90);
             EXPECT_EQ(list->Height(), 84);
         }},
        {"TOrvoListBox",
         "Columns = 2\nItemHeight = 16\nItems.Strings = (\n  'a'\n  'b'\n  'c'\n  'd'\n  'e'\n  'f'\n  'g'\n  'h'\n  'i'\n  'j')",
         {"Columns = 2"},
         [](TForm&, TWinControl* c) {
             auto* list = static_cast<TOrvoListBox*>(c);
             const TRect area = list->ItemsArea();
             const int rows = area.Height() / 16;
             // Item `rows` heads the second column; a horizontal scroll bar
             // under the columns scrolls a column at a time.
             EXPECT_EQ(list->ItemRect(rows).Left, area.Left + area.Width() / 2);
             EXPECT_EQ(list->ItemRect(rows).Top, area.Top);
             const TRect bar = list->ScrollBarRect();
             EXPECT_GT(bar.Width(), bar.Height());
             ClickMouse(list, CentreOf(list->ItemRect(rows)));
             EXPECT_EQ(list->ItemIndex(), rows);
             ClickMouse(list, Point(bar.Right - 4, (bar.Top + bar.Bottom) / 2));
             EXPECT_EQ(list->TopIndex(), rows);
         }},
        {"TOrvoListBox", "Style = lbStandard\nTabWidth = 40\nItems.Strings = (\n  'a'#9'b')", {"TabWidth = 40"},
         [](TForm&, TWinControl* c) {
             auto* list = static_cast<TOrvoListBox*>(c);
             HDC dc = GetDC(nullptr);
             SelectObject(dc, list->Font()->Handle());
             TEXTMETRIC metrics;
             GetTextMetrics(dc, &metrics);
             ReleaseDC(nullptr, dc);
             const int stop = 40 * metrics.tmAveCharWidth / 4;
             const TRect item = list->ItemRect(0);
             const auto runs = InkRuns(TScreenShot(list), item.Left, item.Right, item.Top + 1, item.Bottom - 1);
             ASSERT_EQ(runs.size(), 2u);
             // 'b' at the first stop after 'a', counted from the text's start.
             EXPECT_GE(runs[1].first, item.Left + 2 + stop);
             EXPECT_LT(runs[1].first, item.Left + 2 + stop + metrics.tmAveCharWidth);
         }},
    };
    for (const TCase& c : cases) {
        TForm form(nullptr);
        ReadComponentText(&form, FormWith(c.Class, c.Props), "inherited.form");
        auto* control = static_cast<TWinControl*>(form.FindComponent("C"));
        ASSERT_NE(control, nullptr);
        ShowFormForAutomation(&form);
        static_cast<TWinControl*>(form.FindComponent("Other"))->SetFocus();
        ProcessPendingPaints();
        const std::string written = WriteComponentText(&form);
        for (const std::string& line : c.Written)
            EXPECT_NE(written.find("    " + line + "\n"), std::string::npos) << c.Class << ": " << line << " not in\n" << written;
        c.Check(form, control);
        SetCaptureControl(nullptr);
    }
}
