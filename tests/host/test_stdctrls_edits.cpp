// The edit and the memo: window styles honoured at creation, the colour
// messages of every paint, transparency through them, user edits, scrolling.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <vector>

#include "controls_test_support.h"
#include "host/qt/Automation.h"
#include "host/qt/HostWidget.h"
#include "host/stdctrls/StdCtrls.h"

using namespace Orvo;

namespace {

// An edit with a chosen alignment style that records its messages.
class TStyledEdit : public TEdit {
public:
    TStyledEdit(TComponent* owner, std::uint32_t alignment) : TEdit(owner), FAlignment(alignment) {}
    std::vector<UINT> Messages;
    void WndProc(TMessage& m) override {
        Messages.push_back(m.Msg);
        TEdit::WndProc(m);
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TEdit::CreateParams(params);
        params.Style |= FAlignment;
    }

private:
    std::uint32_t FAlignment;
};

// An edit that erases itself green and answers its colour request as a
// transparent control does: transparent background mode, hollow brush.
class TSeeThroughEdit : public TEdit {
public:
    using TEdit::TEdit;
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_ERASEBKGND) {
            HBRUSH green = CreateSolidBrush(clLime);
            FillRect(reinterpret_cast<HDC>(m.WParam), ClientRect(), green);
            DeleteObject(green);
            m.Result = 1;
            return;
        }
        if (m.Msg == CN_CTLCOLOREDIT || m.Msg == CN_CTLCOLORSTATIC) {
            SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
            m.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
            return;
        }
        TEdit::WndProc(m);
    }
};

struct TEditForm {
    TForm Form{nullptr};
    TEditForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 300, 200);
        Form.SetColor(clWhite);
    }
    template <class T>
    T* Add(T* c, int left, int top) {
        c->SetLeft(left);
        c->SetTop(top);
        c->SetParent(&Form);
        return c;
    }
    void Show() { ShowFormForAutomation(&Form); }
};

COLORREF PixelOf(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return RGB(std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c)));
}

// The leftmost and rightmost columns holding a pixel of `color` in a band.
std::pair<int, int> ColumnsOf(const QImage& image, COLORREF color, int top, int bottom, int left, int right) {
    int first = -1, last = -1;
    for (int x = left; x < right; ++x)
        for (int y = top; y < bottom; ++y)
            if (PixelOf(image, x, y) == color) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

}  // namespace

TEST(StdEdit, RightAlignmentStyleIsHonouredAndSurvivesRecreation) {
    TEditForm f;
    auto* edit = f.Add(new TStyledEdit(&f.Form, ES_RIGHT), 10, 10);
    edit->SetAutoSize(false);
    edit->SetBounds(10, 10, 150, 24);
    edit->SetText("abc");
    edit->Font()->SetColor(clBlack);
    f.Show();
    ASSERT_TRUE(edit->HandleAllocated());
    EXPECT_EQ(edit->WindowStyle() & ES_ALIGNMASK, ES_RIGHT);
    EXPECT_EQ(edit->WindowAlignment(), taRightJustify);
    auto* line = dynamic_cast<QLineEdit*>(edit->Widget());
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->alignment() & Qt::AlignRight);

    // The text's pixels lie in the right half.
    QImage shot = edit->Widget()->grab().toImage();
    auto [first, last] = ColumnsOf(shot, RGB(0, 0, 0), 4, 20, 3, 147);
    ASSERT_GE(first, 0);
    EXPECT_GT(first, 75);

    edit->RecreateWnd();
    ProcessPendingPaints();
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(edit->WindowAlignment(), taRightJustify);
    line = dynamic_cast<QLineEdit*>(edit->Widget());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text().toStdString(), "abc");
    EXPECT_TRUE(line->alignment() & Qt::AlignRight);
}

TEST(StdEdit, DefaultColourAnswerUsesFontAndColor) {
    TEdit edit(nullptr);
    edit.Font()->SetColor(clRed);
    edit.SetColor(clYellow);
    TSurface s(10, 10);
    const LRESULT answer = edit.Perform(CN_CTLCOLOREDIT, s.WParam(), 0);
    EXPECT_EQ(ColorToRGB(GetTextColor(s.Handle())), Plain(clRed));
    EXPECT_EQ(ColorToRGB(GetBkColor(s.Handle())), Plain(clYellow));
    EXPECT_EQ(answer, reinterpret_cast<LRESULT>(edit.Brush()->Handle()));
    EXPECT_EQ(edit.Brush()->Color(), clYellow);
}

TEST(StdEdit, EveryPaintErasesThenAsksItsColours) {
    TEditForm f;
    auto* edit = f.Add(new TStyledEdit(&f.Form, ES_LEFT), 10, 10);
    f.Show();
    edit->Messages.clear();
    edit->Widget()->repaint();
    auto erase = std::find(edit->Messages.begin(), edit->Messages.end(), WM_ERASEBKGND);
    auto colour = std::find(edit->Messages.begin(), edit->Messages.end(), CN_CTLCOLOREDIT);
    ASSERT_NE(erase, edit->Messages.end());
    ASSERT_NE(colour, edit->Messages.end());
    EXPECT_LT(erase - edit->Messages.begin(), colour - edit->Messages.begin());

    // Read-only (and disabled) edits ask with the static variant.
    edit->SetReadOnly(true);
    edit->Messages.clear();
    edit->Widget()->repaint();
    EXPECT_NE(std::find(edit->Messages.begin(), edit->Messages.end(), CN_CTLCOLORSTATIC), edit->Messages.end());
    EXPECT_EQ(std::find(edit->Messages.begin(), edit->Messages.end(), CN_CTLCOLOREDIT), edit->Messages.end());
}

TEST(StdEdit, PaintsBackgroundFromTheAnswerAndTheCtl3DBorder) {
    TEditForm f;
    auto* opaque = f.Add(new TEdit(&f.Form), 10, 10);
    opaque->SetColor(clYellow);
    auto* clear = f.Add(new TSeeThroughEdit(&f.Form), 10, 60);
    clear->SetColor(clYellow);
    f.Show();

    const QImage a = opaque->Widget()->grab().toImage();
    EXPECT_EQ(PixelOf(a, 0, 0), Plain(clBtnShadow));    // sunken outer ring
    EXPECT_EQ(PixelOf(a, 1, 1), Plain(cl3DDkShadow));   // and inner ring
    EXPECT_EQ(PixelOf(a, a.width() - 1, a.height() - 1), Plain(clBtnHighlight));
    EXPECT_EQ(PixelOf(a, a.width() - 5, a.height() / 2), Plain(clYellow));

    // Hollow brush and transparent mode: the erase shows behind the text.
    const QImage b = clear->Widget()->grab().toImage();
    EXPECT_EQ(PixelOf(b, b.width() - 5, b.height() / 2), Plain(clLime));

    opaque->SetCtl3D(false);  // the window is created again with a flat frame
    ProcessPendingPaints();
    const QImage c = opaque->Widget()->grab().toImage();
    EXPECT_EQ(PixelOf(c, 0, 0), Plain(clWindowFrame));
    EXPECT_EQ(PixelOf(c, 1, 1), Plain(clYellow));
}

TEST(StdEdit, AutoSizeFollowsTheFontAndTheBorder) {
    TEditForm f;
    auto* edit = f.Add(new TEdit(&f.Form), 10, 10);
    f.Show();
    HDC dc = GetDC(nullptr);
    SelectObject(dc, edit->Font()->Handle());
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(edit->Height(), tm.tmHeight + 8);
    edit->SetCtl3D(false);
    EXPECT_EQ(edit->Height(), tm.tmHeight + 6);
}

TEST(StdEdit, TypingRaisesOnChangeAndUpdatesText) {
    TEditForm f;
    auto* edit = f.Add(new TEdit(&f.Form), 10, 10);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    f.Show();
    edit->SetFocus();
    ASSERT_TRUE(edit->Focused());
    SendChar(&f.Form, 'h');
    SendChar(&f.Form, 'i');
    EXPECT_EQ(edit->Text(), "hi");
    EXPECT_EQ(changes, 2);
    SendKey(&f.Form, VK_BACK);
    EXPECT_EQ(edit->Text(), "h");
    EXPECT_EQ(changes, 3);
}

TEST(StdEdit, MaxLengthLimitsTyping) {
    TEditForm f;
    auto* edit = f.Add(new TEdit(&f.Form), 10, 10);
    edit->SetMaxLength(2);
    f.Show();
    edit->SetFocus();
    for (char ch : std::string("abcd")) SendChar(&f.Form, ch);
    EXPECT_EQ(edit->Text(), "ab");
}

// ---------------------------------------------------------------- memo

TEST(StdMemo, LinesAndTextStayInStepBothWays) {
    TEditForm f;
    auto* memo = f.Add(new TMemo(&f.Form), 10, 10);
    memo->Lines()->Add("one");
    memo->Lines()->Add("two");
    EXPECT_EQ(memo->Text(), "one\r\ntwo");
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    f.Show();
    auto* widget = dynamic_cast<QPlainTextEdit*>(memo->Widget());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->toPlainText().toStdString(), "one\ntwo");

    memo->SetFocus();
    widget->moveCursor(QTextCursor::End);
    SendKey(&f.Form, VK_RETURN);
    SendChar(&f.Form, 'x');
    ASSERT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Strings(2), "x");
    EXPECT_EQ(changes, 2);

    memo->SetText("a\r\nb");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(widget->toPlainText().toStdString(), "a\nb");
}

TEST(StdMemo, ScrollBarActionsReportScrollingBeforeTheViewMoves) {
    class TScrollSpy : public TMemo {
    public:
        using TMemo::TMemo;
        std::vector<std::pair<unsigned, int>> Seen;  // code, top line when it arrived
        void WndProc(TMessage& m) override {
            if (m.Msg == WM_VSCROLL) Seen.push_back({LOWORD(m.WParam), TopLine()});
            TMemo::WndProc(m);
        }
    };
    TEditForm f;
    auto* memo = f.Add(new TScrollSpy(&f.Form), 10, 10);
    memo->SetScrollBars(ssVertical);
    memo->SetBounds(10, 10, 120, 60);
    for (int i = 0; i < 30; ++i) memo->Lines()->Add("line " + std::to_string(i));
    f.Show();
    auto* widget = dynamic_cast<QPlainTextEdit*>(memo->Widget());
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->verticalScrollBar()->isVisible());

    widget->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_EQ(memo->Seen.size(), 1u);
    EXPECT_EQ(memo->Seen[0].first, SB_LINEDOWN);
    EXPECT_EQ(memo->Seen[0].second, 0);  // not scrolled yet when told
    EXPECT_EQ(memo->TopLine(), 1);

    // Sent from code, the request scrolls the memo itself.
    memo->Perform(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(memo->TopLine(), 2);
    memo->ScrollLines(-2);
    EXPECT_EQ(memo->TopLine(), 0);
}

TEST(StdMemo, AlignmentAndWordWrapRecreateTheWindow) {
    TEditForm f;
    auto* memo = f.Add(new TMemo(&f.Form), 10, 10);
    memo->Lines()->Add("kept");
    f.Show();
    EXPECT_EQ(memo->WindowStyle() & ES_MULTILINE, ES_MULTILINE);
    memo->SetAlignment(taCenter);
    EXPECT_EQ(memo->WindowStyle() & ES_ALIGNMASK, ES_CENTER);
    EXPECT_EQ(memo->Text(), "kept");
    auto* widget = dynamic_cast<QPlainTextEdit*>(memo->Widget());
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->document()->defaultTextOption().alignment() & Qt::AlignHCenter);
    EXPECT_EQ(widget->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    memo->SetWordWrap(false);
    widget = dynamic_cast<QPlainTextEdit*>(memo->Widget());
    EXPECT_EQ(widget->lineWrapMode(), QPlainTextEdit::NoWrap);
}
