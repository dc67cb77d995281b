// The library's edit: stream form, the alignment style and re-creation, the
// parent's clipping style, what it shows over a picture, the focus scheme,
// and editing after its look changed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTextLayout>

#include "host/stdctrls/ExtCtrls.h"
#include "host/framework/Streaming.h"
#include "test_edit_support.h"

using namespace Orvo;

using namespace edit_test;

TEST(EditStream, OwnPropertiesAreAlwaysWrittenInOrderAndReadThroughTheirSetters) {
    TForm form(nullptr);
    form.SetName("Form1");
    auto* edit = new TOrvoEdit(&form);
    edit->SetName("Edit1");
    edit->SetParent(&form);
    const std::string written = WriteComponentText(&form);
    std::size_t at = 0;
    for (const std::string& own : std::vector<std::string>{"Alignment = taLeftJustify", "FocusHighlight = False", "HighlightColor = clLime",
                            "Transparent = False", "Transparency = 100", "Version = '" + OrvoVersion() + "'"}) {
        const std::size_t next = written.find("    " + own + "\n");
        ASSERT_NE(next, std::string::npos) << own << " missing from\n" << written;
        EXPECT_GT(next, at) << own;
        at = next;
    }
    TForm copy(nullptr);
    ReadComponentText(&copy, "object Form1: TForm\n object Edit1: TOrvoEdit\n  Transparency = 180\n"
                             "  Version = 'Version 9'\n end\nend\n", "edit.form");
    auto* read = dynamic_cast<TOrvoEdit*>(copy.FindComponent("Edit1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Transparency(), 100);
    EXPECT_EQ(read->Version(), OrvoVersion());
}

TEST(EditWindow, AlignmentRecreatesTheWindowKeepingTextAndSelection) {
    TPictureForm f;
    auto* edit = f.Add<TOrvoEdit>(10, 150, 21);
    edit->SetText("abcdef");
    f.Show();
    edit->SetSelStart(2);
    edit->SetSelLength(3);
    const std::pair<TAlignment, std::uint32_t> cases[] = {{taCenter, ES_CENTER}, {taRightJustify, ES_RIGHT}, {taLeftJustify, ES_LEFT}};
    for (auto [alignment, style] : cases) {
        edit->SetAlignment(alignment);
        EXPECT_EQ(edit->WindowStyle() & ES_ALIGNMASK, style);
        EXPECT_EQ(edit->WindowAlignment(), alignment);
        EXPECT_EQ(edit->Text(), "abcdef");
        EXPECT_EQ(edit->SelStart(), 2);
        EXPECT_EQ(edit->SelLength(), 3);
    }
}

TEST(EditWindow, ATransparentEditStopsItsParentClippingChildrenForGood) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    TPanel* panels[2];
    TOrvoEdit* edits[2];
    for (int k = 0; k < 2; ++k) {
        panels[k] = new TPanel(&form);
        panels[k]->SetParent(&form);
        edits[k] = new TOrvoEdit(&form);
        edits[k]->SetParent(panels[k]);
    }
    edits[0]->SetTransparent(true);
    ShowFormForAutomation(&form);
    EXPECT_EQ(panels[0]->WindowStyle() & WS_CLIPCHILDREN, 0u);
    EXPECT_EQ(panels[1]->WindowStyle() & WS_CLIPCHILDREN, WS_CLIPCHILDREN);
    edits[0]->SetTransparent(false);
    edits[0]->SetAlignment(taRightJustify);  // a new window does not give it back
    edits[1]->SetTransparent(true);          // the style changes only with the next window
    EXPECT_EQ(panels[0]->WindowStyle() & WS_CLIPCHILDREN, 0u);
    EXPECT_EQ(panels[1]->WindowStyle() & WS_CLIPCHILDREN, WS_CLIPCHILDREN);
    edits[1]->SetAlignment(taCenter);
    EXPECT_EQ(panels[1]->WindowStyle() & WS_CLIPCHILDREN, 0u);
}

TEST(EditLook, UnfocusedTransparentShowsThePictureBetweenTheLettersFocusedIsOpaque) {
    TPictureForm f;
    auto* edit = f.Add<TOrvoEdit>(20, 150, 21);
    edit->SetText("Ill Wwm");
    edit->SetTransparent(true);
    f.Show();
    const TRect inner = Rect(3, 3, edit->Width() - 3, edit->Height() - 3);
    const int area = inner.Width() * inner.Height();
    for (bool readOnly : {false, true}) {  // a read-only edit asks with CN_CTLCOLORSTATIC
        edit->SetReadOnly(readOnly);
        TScreenShot clear(edit);
        EXPECT_GT(clear.CountInk(inner, kInk, clNone), 10) << "text in the font's colour";
        EXPECT_EQ(clear.Count(inner, kFill), 0) << "no box behind the letters";
        EXPECT_GT(clear.Count(inner, clNone), area * 3 / 4) << "the picture between them";
    }
    edit->SetFocus();
    edit->SetSelStart(0);  // nothing selected: the text in its own colour
    TScreenShot focused(edit);
    EXPECT_EQ(focused.Count(inner, clNone), 0);
    EXPECT_GT(focused.Count(inner, kFill), area / 2);
    EXPECT_GT(focused.CountInk(inner, kInk, kFill), 10);
}

TEST(EditLook, HalfTransparencyOfF0C080OverWhiteIsTheMidpointRoundedTowardColor) {
    TPictureForm f;
    f.Page->SetParent(nullptr);  // the form's white shows instead
    f.Form.SetColor(clWhite);
    auto* edit = f.Add<TOrvoEdit>(20, 150, 21);
    edit->SetParent(&f.Form);
    edit->SetColor(TColor(0xF0C080));
    edit->SetTransparent(true);
    edit->SetTransparency(50);
    f.Show();
    const COLORREF tinted = TScreenShot(edit).At(edit->Width() - 5, 10);
    EXPECT_EQ(GetRValue(tinted), 191);
    EXPECT_EQ(GetGValue(tinted), 223);
    EXPECT_EQ(GetBValue(tinted), 247);
}

TEST(EditFocus, HighlightWhileFocusedThenTheSavedColourWithParentColorOff) {
    for (bool parentColor : {false, true}) {
        TPictureForm f;
        f.Page->SetColor(clWhite);
        auto* edit = f.Add<TOrvoEdit>(20, 150, 21);
        edit->SetFocusHighlight(true);
        f.Show();
        edit->SetColor(clWhite);
        edit->SetParentColor(parentColor);
        edit->SetFocus();
        EXPECT_EQ(TScreenShot(edit).At(edit->Width() - 5, 10), Plain(clLime));
        f.FocusAway();
        EXPECT_EQ(edit->Color(), clWhite);
        EXPECT_FALSE(edit->ParentColor()) << "ParentColor was " << parentColor;
        EXPECT_EQ(TScreenShot(edit).At(edit->Width() - 5, 10), Plain(clWhite));
        EXPECT_EQ(GetCursor(), nullptr) << "the pointer hides until the mouse moves";
        MoveMouse(f.Page, Point(parentColor ? 200 : 190, 80));
        EXPECT_NE(GetCursor(), nullptr);
    }
}

TEST(EditFocus, ValuesAssignedOrWindowsMadeWhileFocusedDoNotOutliveTheFocus) {
    TPictureForm f;
    f.Form.SetName("Form1");
    auto* edit = f.Add<TOrvoEdit>(20, 150, 21);
    edit->SetName("Edit1");
    edit->SetTransparent(true);
    edit->SetFocusHighlight(true);
    f.Show();
    edit->SetFocus();
    EXPECT_FALSE(edit->Transparent());
    edit->SetAlignment(taRightJustify);  // a new window while focused
    // A form written now stores the look the edit returns to.
    const std::string written = WriteComponentText(&f.Form);
    EXPECT_NE(written.find("    Transparent = True\n"), std::string::npos) << written;
    EXPECT_EQ(written.find("clLime\n    Font"), std::string::npos) << written;
    edit->SetColor(clRed);
    edit->SetTransparent(false);
    f.FocusAway();
    EXPECT_TRUE(edit->Transparent());
    EXPECT_EQ(edit->Color(), kFill);

    edit->SetTransparent(false);
    edit->SetFocus();
    edit->SetTransparent(true);  // at once, but only until the focus leaves
    EXPECT_TRUE(edit->Transparent());
    f.FocusAway();
    EXPECT_FALSE(edit->Transparent());
}

TEST(EditEditing, TypingSelectionClipboardAndUndoWorkAfterTheLookChanged) {
    TPictureForm f;
    auto* edit = f.Add<TOrvoEdit>(20, 150, 21);
    edit->SetTransparent(true);
    edit->SetFocusHighlight(true);
    f.Show();
    ClickMouse(edit, Point(20, 10));
    f.FocusAway();
    ClickMouse(edit, Point(20, 10));
    for (char ch : std::string("abc")) SendChar(&f.Form, ch);
    TypeKeys(f.Form, Qt::Key_Left, Qt::ShiftModifier);
    TypeKeys(f.Form, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 2);
    TypeKeys(f.Form, Qt::Key_C, Qt::ControlModifier);
    TypeKeys(f.Form, Qt::Key_End);
    TypeKeys(f.Form, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "abcbc");
    TypeKeys(f.Form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "abc");
    SendKey(&f.Form, VK_TAB);
    EXPECT_TRUE(edit->Transparent());
    ClickMouse(edit, Point(60, 10));
    SendChar(&f.Form, 'z');
    EXPECT_EQ(edit->Text(), "abcz");
}

// Qt's entry for the window system's mouse events, as its test library uses
// it: a right-button press on the window opens a widget's context menu.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global, Qt::MouseButtons state,
                                      Qt::MouseButton button, QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);
QT_END_NAMESPACE

TEST(EditEditing, ClosingTheContextMenuLeavesCaretAndSelectionAsTheyWere) {
    // Both the framework's edit and the library's: the menu takes the
    // keyboard while it is open, but the focus stays with the edit.
    for (bool library : {false, true}) {
        TPictureForm f;
        TEdit* edit = library ? static_cast<TEdit*>(f.Add<TOrvoEdit>(20, 150, 21)) : f.Add<TEdit>(20, 150, 21);
        edit->SetText("OrvoEdit1");
        if (library) static_cast<TOrvoEdit*>(edit)->SetTransparent(true);
        f.Show();
        ClickMouse(edit, Point(8, 10));  // the caret before the first letter
        SendKey(&f.Form, VK_RIGHT);
        const int caret = edit->SelStart();
        ASSERT_EQ(edit->SelLength(), 0);

        QWindow* window = f.Form.Widget()->windowHandle();
        const TPoint at = AutomationWindowPoint(edit, Point(40, 10));
        const QPointF local(at.X, at.Y), global = QPointF(window->mapToGlobal(QPoint(at.X, at.Y)));
        qt_handleMouseEvent(window, local, global, Qt::RightButton, Qt::RightButton, QEvent::MouseButtonPress,
                            Qt::NoModifier, 1000);
        qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::RightButton, QEvent::MouseButtonRelease,
                            Qt::NoModifier, 1001);
        ProcessPendingPaints();
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr) << "no context menu opened";
        // Open over the edit, the menu leaves it focused (and opaque).
        EXPECT_TRUE(edit->Focused());
        if (library) {
            EXPECT_TRUE(static_cast<TOrvoEdit*>(edit)->InFocusedState());
        }
        qt_handleKeyEvent(menu->windowHandle(), QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), false, 1);
        qt_handleKeyEvent(menu->windowHandle(), QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier, QString(), false, 1);
        ProcessPendingPaints();
        ASSERT_EQ(QApplication::activePopupWidget(), nullptr);

        EXPECT_EQ(edit->SelStart(), caret) << "library: " << library;
        EXPECT_EQ(edit->SelLength(), 0) << "library: " << library;
        SendChar(&f.Form, 'Q');
        EXPECT_EQ(edit->Text(), "OQrvoEdit1") << "library: " << library;
    }
}

TEST(EditEditing, AnAltChordThatIsNoAcceleratorTypesNothing) {
    TPictureForm f;
    auto* edit = f.Add<TOrvoEdit>(20, 150, 21);
    auto* box = f.Add<TCheckBox>(50, 80, 17);
    box->SetCaption("&Wide");
    edit->SetText("abc");
    f.Show();
    ClickMouse(edit, Point(60, 10));
    TypeKeys(f.Form, Qt::Key_End);
    SendAltChar(&f.Form, 'q');  // no control's accelerator
    EXPECT_EQ(edit->Text(), "abc");
    SendAltChar(&f.Form, 'w');  // the check box's: it takes the focus
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_TRUE(box->Checked());
    ClickMouse(edit, Point(60, 10));
    TypeKeys(f.Form, Qt::Key_End);
    SendChar(&f.Form, 'q');
    EXPECT_EQ(edit->Text(), "abcq");
}

TEST(EditLook, AScrolledEditShowsWholeLettersFromItsLeftEdge) {
    // Text wider than the field, scrolled to its end: between the left edge
    // of the text area and the first letter that begins inside it, only the
    // background shows, never a sliver of the letter before. Where the
    // letters begin is measured from the caret's place and the line's own
    // layout. Several lengths scroll the text by different amounts.
    const std::string word = "Wandering ";
    for (int length = 18; length <= 30; ++length) {
        TPictureForm f;
        auto* edit = f.Add<TEdit>(20, 70, 21);
        edit->SetColor(clWhite);
        edit->Font()->SetColor(clBlack);
        std::string text;
        while (int(text.size()) < length) text += word;
        text.resize(std::size_t(length));
        edit->SetText(text);
        f.Show();
        ClickMouse(edit, Point(30, 10));
        TypeKeys(f.Form, Qt::Key_End);
        f.FocusAway();  // no caret in the picture; the text stays scrolled
        const TScreenShot shot(edit);

        auto* window = static_cast<QLineEdit*>(edit->Widget());
        const QRect area = window->contentsRect().marginsRemoved(window->textMargins());
        const QRect caret = window->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QTextLayout layout(window->displayText(), window->font());
        QTextOption option;
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const qreal origin = caret.x() + caret.width() / 2 - line.cursorToX(window->cursorPosition());
        ASSERT_LT(origin, area.left()) << length << ": the text is not scrolled";
        int firstWhole = area.left();
        for (int i = 0; i <= int(text.size()); ++i) {
            firstWhole = qRound(origin + line.cursorToX(i));
            if (firstWhole >= area.left()) break;
        }
        for (int x = area.left(); x < firstWhole; ++x)
            for (int y = area.top(); y <= area.bottom(); ++y)
                ASSERT_EQ(shot.At(x, y), Plain(clWhite)) << length << " letters: ink left of the first whole letter at x "
                                                          << x << ", y " << y;
        EXPECT_LT(shot.Count(Rect(firstWhole, area.top(), area.right(), area.bottom()), clWhite),
                  (area.right() - firstWhole) * area.height())
            << length << ": no text shown";
    }
}
