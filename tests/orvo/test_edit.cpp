// The library's edit: defaults and stream form, setter rules, the alignment
// style and re-creation, the parent's clipping style, the colour answers,
// what a transparent or tinted edit shows, the focus scheme and editing
// after the look changed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ExtCtrls.h"
#include "host/Streaming.h"
#include "test_edit_support.h"

using namespace edit_test;

namespace {

// An edit that counts the repaints it asks for.
class TCountingEdit : public TOrvoEdit {
public:
    using TOrvoEdit::TOrvoEdit;
    int Invalidations = 0;
    int Repaints = 0;
    void Invalidate() override {
        ++Invalidations;
        TOrvoEdit::Invalidate();
    }
    void Repaint() override {
        ++Repaints;
        TOrvoEdit::Repaint();
    }
};

std::vector<std::string> PublishedNames(const TClassInfo& info) {
    std::vector<std::string> names;
    for (const TPropInfo& p : info.Published) names.push_back(p.Name);
    return names;
}

// The inner area of a 2-pixel bordered edit, less a margin.
TRect Inner(const TWinControl& c) { return Rect(3, 3, c.Width() - 3, c.Height() - 3); }

}  // namespace

// ---------------------------------------------------------------- properties

TEST(EditProps, NewEditHasItsDefaultsAndPublishesItsPropertiesLast) {
    TOrvoEdit edit(nullptr);
    EXPECT_EQ(edit.Alignment(), taLeftJustify);
    EXPECT_FALSE(edit.FocusHighlight());
    EXPECT_EQ(edit.HighlightColor(), clLime);
    EXPECT_EQ(edit.HighlightColor(), 0x00FF00);
    EXPECT_FALSE(edit.Transparent());
    EXPECT_EQ(edit.Transparency(), 100);
    edit.SetVersion("Version 0.1");
    EXPECT_EQ(edit.Version(), OrvoVersion());

    const std::vector<std::string> names = PublishedNames(TOrvoEdit::StaticClassInfo());
    const std::vector<std::string> own(names.end() - 6, names.end());
    EXPECT_EQ(own, (std::vector<std::string>{"Alignment", "FocusHighlight", "HighlightColor", "Transparent",
                                             "Transparency", "Version"}));
    EXPECT_EQ(FindClass("TOrvoEdit"), &TOrvoEdit::StaticClassInfo());
}

TEST(EditProps, SettersStoreCapAndRepaintAsTheyShould) {
    TPictureForm f;
    auto* edit = f.Add<TCountingEdit>(10, 10, 120, 21);
    f.Show();
    edit->Invalidations = 0;
    edit->SetFocusHighlight(true);
    edit->SetHighlightColor(clYellow);
    edit->SetTransparent(false);
    edit->SetTransparency(100);
    edit->SetTransparency(150);  // capped: no change
    EXPECT_EQ(edit->Invalidations, 0);
    EXPECT_EQ(edit->Transparency(), 100);
    edit->SetTransparent(true);
    edit->SetTransparency(40);
    EXPECT_EQ(edit->Invalidations, 2);
    EXPECT_EQ(edit->Transparency(), 40);
    edit->SetTransparency(255);
    EXPECT_EQ(edit->Transparency(), 100);
}

TEST(EditProps, StreamAlwaysWritesTheOwnPropertiesAndReadsThemBack) {
    TForm form(nullptr);
    form.SetName("Form1");
    auto* edit = new TOrvoEdit(&form);
    edit->SetName("Edit1");
    edit->SetParent(&form);
    const std::string written = WriteComponentText(&form);
    std::size_t at = 0;
    for (const char* own : {"    Alignment = taLeftJustify\n", "    FocusHighlight = False\n",
                            "    HighlightColor = clLime\n", "    Transparent = False\n", "    Transparency = 100\n"}) {
        const std::size_t next = written.find(own);
        ASSERT_NE(next, std::string::npos) << own << " missing from\n" << written;
        EXPECT_GT(next, at) << own << " out of order";
        at = next;
    }
    EXPECT_GT(written.find("    Version = '" + OrvoVersion() + "'\n"), at);

    TForm copy(nullptr);
    ReadComponentText(&copy,
                      "object Form1: TForm\n"
                      "  object Edit1: TOrvoEdit\n"
                      "    Alignment = taCenter\n"
                      "    FocusHighlight = True\n"
                      "    HighlightColor = clYellow\n"
                      "    Transparent = True\n"
                      "    Transparency = 180\n"
                      "    Version = 'Version 9'\n"
                      "  end\n"
                      "end\n",
                      "edit.form");
    auto* read = dynamic_cast<TOrvoEdit*>(copy.FindComponent("Edit1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Alignment(), taCenter);
    EXPECT_TRUE(read->FocusHighlight());
    EXPECT_EQ(read->HighlightColor(), clYellow);
    EXPECT_TRUE(read->Transparent());
    EXPECT_EQ(read->Transparency(), 100);
    EXPECT_EQ(read->Version(), OrvoVersion());
}

// ---------------------------------------------------------------- window

TEST(EditWindow, AlignmentRecreatesTheWindowKeepingTextAndSelection) {
    TPictureForm f;
    auto* edit = f.Add<TOrvoEdit>(10, 10, 150, 21);
    edit->SetText("abcdef");
    f.Show();
    edit->SetSelStart(2);
    edit->SetSelLength(3);
    EXPECT_EQ(edit->WindowStyle() & ES_ALIGNMASK, ES_LEFT);

    const struct {
        TAlignment Alignment;
        std::uint32_t Style;
    } cases[] = {{taCenter, ES_CENTER}, {taRightJustify, ES_RIGHT}, {taLeftJustify, ES_LEFT}};
    for (const auto& c : cases) {
        edit->SetAlignment(c.Alignment);
        EXPECT_EQ(edit->WindowStyle() & ES_ALIGNMASK, c.Style);
        EXPECT_EQ(edit->WindowAlignment(), c.Alignment);
        EXPECT_EQ(edit->Text(), "abcdef");
        EXPECT_EQ(edit->SelStart(), 2);
        EXPECT_EQ(edit->SelLength(), 3);
    }
}

TEST(EditWindow, ATransparentEditStopsItsParentClippingChildrenForGood) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 300, 100);
    auto* clearPanel = new TPanel(&form);
    clearPanel->SetParent(&form);
    clearPanel->SetBounds(0, 0, 140, 80);
    auto* solidPanel = new TPanel(&form);
    solidPanel->SetParent(&form);
    solidPanel->SetBounds(150, 0, 140, 80);
    auto* clear = new TOrvoEdit(&form);
    clear->SetParent(clearPanel);
    clear->SetTransparent(true);
    auto* solid = new TOrvoEdit(&form);
    solid->SetParent(solidPanel);
    ShowFormForAutomation(&form);

    EXPECT_EQ(clearPanel->WindowStyle() & WS_CLIPCHILDREN, 0u);
    EXPECT_EQ(solidPanel->WindowStyle() & WS_CLIPCHILDREN, WS_CLIPCHILDREN);
    // Not given back when the edit turns opaque, not even by a new window.
    clear->SetTransparent(false);
    clear->SetAlignment(taRightJustify);
    EXPECT_EQ(clearPanel->WindowStyle() & WS_CLIPCHILDREN, 0u);
    // Turning transparent changes the parent only with the next window.
    solid->SetTransparent(true);
    EXPECT_EQ(solidPanel->WindowStyle() & WS_CLIPCHILDREN, WS_CLIPCHILDREN);
    solid->SetAlignment(taCenter);
    EXPECT_EQ(solidPanel->WindowStyle() & WS_CLIPCHILDREN, 0u);
    EXPECT_TRUE(solidPanel->Visible());
}

TEST(EditWindow, ColourRequestsOfATransparentEditAskForNoBackground) {
    TOrvoEdit edit(nullptr);
    edit.SetColor(kFill);
    for (UINT request : {CN_CTLCOLOREDIT, CN_CTLCOLORSTATIC}) {
        TBitmap b;
        b.SetSize(4, 4);
        HDC dc = b.Canvas()->Handle();
        SetTextColor(dc, clFuchsia);
        SetBkMode(dc, OPAQUE);
        edit.SetTransparent(false);
        EXPECT_EQ(edit.Perform(request, reinterpret_cast<WPARAM>(dc), 0), reinterpret_cast<LRESULT>(edit.Brush()->Handle()));
        EXPECT_EQ(GetBkMode(dc), OPAQUE);
        SetTextColor(dc, clFuchsia);
        edit.SetTransparent(true);
        EXPECT_EQ(edit.Perform(request, reinterpret_cast<WPARAM>(dc), 0), reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        EXPECT_EQ(GetTextColor(dc), clFuchsia) << "a transparent answer sets no text colour";
    }
}

// ---------------------------------------------------------------- looks

TEST(EditLook, TransparentUnfocusedShowsThePictureBetweenTheLettersFocusedIsOpaque) {
    TPictureForm f;
    auto* edit = f.Add<TOrvoEdit>(10, 20, 150, 24);
    edit->SetAutoSize(false);
    edit->SetBounds(10, 20, 150, 24);
    edit->SetText("Ill Wwm");
    edit->SetTransparent(true);
    edit->SetFocusHighlight(false);
    f.Show();
    const TPoint origin = Point(10, 20);
    const TRect inner = Inner(*edit);
    const int area = inner.Width() * inner.Height();

    TScreenShot clear(edit);
    const int picture = clear.CountPicture(inner, origin);
    const int ink = clear.Count(inner, kInk);
    EXPECT_GT(ink, 10) << "the text is drawn in the font's colour";
    EXPECT_EQ(clear.Count(inner, kFill), 0) << "no box of Color behind the text";
    // Everything that is not text shows the picture where it lies; only the
    // letters' own (smoothed) pixels cover it.
    EXPECT_GT(picture, area * 3 / 4);
    EXPECT_EQ(clear.At(edit->Width() - 5, 12), PictureAt(10 + edit->Width() - 5, 20 + 12));
    // The sunken border stays the edit's own.
    EXPECT_EQ(clear.At(0, 0), Plain(clBtnShadow));

    edit->SetFocus();
    TScreenShot focused(edit);
    EXPECT_EQ(focused.CountPicture(inner, origin), 0);
    EXPECT_GT(focused.Count(inner, kFill), area / 2);
    EXPECT_EQ(focused.At(edit->Width() - 5, 12), kFill);

    f.FocusAway();
    TScreenShot again(edit);
    EXPECT_EQ(again.CountPicture(inner, origin), picture) << "transparent again once the focus left";
}

TEST(EditLook, HalfTransparencyOfF0C080OverWhiteIsTheMidpointRoundedTowardColor) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 200, 80);
    form.SetColor(clWhite);
    auto* edit = new TOrvoEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 10, 150, 21);
    edit->SetColor(TColor(0xF0C080));
    edit->SetTransparent(true);
    edit->SetTransparency(50);
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    other->SetBounds(10, 40, 50, 21);
    ShowFormForAutomation(&form);
    other->SetFocus();
    TScreenShot shot(edit);
    const TColor tinted = shot.At(edit->Width() - 5, edit->Height() / 2);
    EXPECT_EQ(GetRValue(COLORREF(tinted)), 191);
    EXPECT_EQ(GetGValue(COLORREF(tinted)), 223);
    EXPECT_EQ(GetBValue(COLORREF(tinted)), 247);
    EXPECT_EQ(tinted, Blend(TColor(0xF0C080), clWhite, 50));
}

TEST(EditLook, AReadOnlyOrDisabledTransparentEditShowsThePictureToo) {
    TPictureForm f;
    auto* edit = f.Add<TOrvoEdit>(10, 20, 150, 24);
    edit->SetTransparent(true);
    edit->SetTransparency(60);
    f.Show();
    const TPoint spot = Point(edit->Width() - 5, edit->Height() / 2);
    const TColor expected = Blend(kFill, PictureAt(10 + spot.X, 20 + spot.Y), 60);
    edit->SetReadOnly(true);
    EXPECT_EQ(TScreenShot(edit).At(spot.X, spot.Y), expected);
    edit->SetReadOnly(false);
    edit->SetEnabled(false);
    EXPECT_EQ(TScreenShot(edit).At(spot.X, spot.Y), expected);
}

// ---------------------------------------------------------------- focus scheme

TEST(EditFocus, HighlightWhileFocusedAndParentColorOffAfterwards) {
    for (bool parentColor : {false, true}) {
        TPictureForm f;
        f.Page->SetColor(clWhite);
        auto* edit = f.Add<TOrvoEdit>(10, 20, 150, 21);
        edit->SetColor(clWhite);
        edit->SetFocusHighlight(true);
        f.Show();
        if (parentColor) edit->SetParentColor(true);
        ASSERT_EQ(edit->ParentColor(), parentColor);

        edit->SetFocus();
        EXPECT_EQ(edit->Color(), clLime);
        EXPECT_EQ(TScreenShot(edit).At(edit->Width() - 5, 10), Plain(clLime));
        f.FocusAway();
        EXPECT_EQ(edit->Color(), clWhite);
        EXPECT_FALSE(edit->ParentColor()) << "parentColor was " << parentColor;
        EXPECT_EQ(TScreenShot(edit).At(edit->Width() - 5, 10), Plain(clWhite));
    }
}

TEST(EditFocus, ValuesAssignedWhileFocusedLastUntilTheFocusLeaves) {
    TPictureForm f;
    auto* edit = f.Add<TCountingEdit>(10, 20, 150, 21);
    f.Show();
    edit->SetFocus();
    edit->Invalidations = 0;
    edit->SetColor(clRed);
    edit->SetTransparent(true);  // at once...
    EXPECT_TRUE(edit->Transparent());
    EXPECT_GE(edit->Invalidations, 2);
    f.FocusAway();
    EXPECT_EQ(edit->Color(), kFill);  // ...but the gain's values come back
    EXPECT_FALSE(edit->Transparent());

    // A transparent edit is opaque while focused, whatever it is told then.
    edit->SetTransparent(true);
    edit->SetFocus();
    EXPECT_FALSE(edit->Transparent());
    edit->SetTransparent(false);
    f.FocusAway();
    EXPECT_TRUE(edit->Transparent());
}

TEST(EditFocus, GainAlwaysRepaintsLossOnlyWhenTheGainChangedTheLook) {
    TPictureForm f;
    auto* edit = f.Add<TCountingEdit>(10, 20, 150, 21);
    f.Show();
    edit->Invalidations = 0;
    edit->SetFocus();
    EXPECT_EQ(edit->Invalidations, 1);
    edit->Invalidations = 0;
    f.FocusAway();
    EXPECT_EQ(edit->Invalidations, 0);

    edit->SetTransparent(true);
    edit->SetFocus();
    edit->Invalidations = 0;
    f.FocusAway();
    EXPECT_GE(edit->Invalidations, 1);
}

TEST(EditFocus, ThePointerHidesWhenTheFocusLeavesUntilTheMouseMoves) {
    TPictureForm f;
    auto* edit = f.Add<TOrvoEdit>(10, 20, 150, 21);
    f.Show();
    MoveMouse(f.Page, Point(200, 80));
    edit->SetFocus();
    EXPECT_NE(GetCursor(), nullptr);
    f.FocusAway();
    EXPECT_EQ(GetCursor(), nullptr);
    MoveMouse(f.Page, Point(205, 85));
    EXPECT_NE(GetCursor(), nullptr);
}

TEST(EditFocus, ANewWindowWhileFocusedKeepsTheLookSavedAtTheGain) {
    TPictureForm f;
    auto* edit = f.Add<TOrvoEdit>(10, 20, 150, 21);
    edit->SetTransparent(true);
    edit->SetFocusHighlight(true);
    f.Show();
    edit->SetFocus();
    edit->SetAlignment(taRightJustify);
    EXPECT_TRUE(edit->Focused());
    EXPECT_FALSE(edit->Transparent());
    EXPECT_EQ(edit->Color(), clLime);
    f.FocusAway();
    EXPECT_TRUE(edit->Transparent());
    EXPECT_EQ(edit->Color(), kFill);
}

TEST(EditFocus, MovingRepaintsATransparentEditAtOnceAndInvalidatesAnOpaqueOne) {
    TPictureForm f;
    auto* edit = f.Add<TCountingEdit>(10, 20, 150, 21);
    f.Show();
    edit->Repaints = edit->Invalidations = 0;
    edit->SetLeft(12);
    EXPECT_EQ(edit->Repaints, 0);
    EXPECT_EQ(edit->Invalidations, 1);
    edit->SetTransparent(true);
    edit->Repaints = edit->Invalidations = 0;
    edit->SetLeft(14);
    EXPECT_EQ(edit->Repaints, 1);
    EXPECT_EQ(edit->Invalidations, 0);
    // And it shows the picture of its new place.
    EXPECT_EQ(TScreenShot(edit).At(edit->Width() - 5, 10), PictureAt(14 + edit->Width() - 5, 30));
}

// ---------------------------------------------------------------- editing

TEST(EditEditing, TypingSelectionClipboardAndUndoWorkAfterTheLookChanged) {
    TPictureForm f;
    auto* edit = f.Add<TOrvoEdit>(10, 20, 150, 21);
    edit->SetTransparent(true);
    edit->SetFocusHighlight(true);
    f.Show();
    // A transparent/opaque cycle first.
    ClickMouse(edit, Point(20, 10));
    f.FocusAway();
    ClickMouse(edit, Point(20, 10));
    ASSERT_TRUE(edit->Focused());
    for (char ch : std::string("abc")) SendChar(&f.Form, ch);
    EXPECT_EQ(edit->Text(), "abc");

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
    TypeKeys(f.Form, Qt::Key_Home, Qt::ShiftModifier);
    TypeKeys(f.Form, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "");

    // Tab away and back: transparent meanwhile, then typing goes on.
    SendKey(&f.Form, VK_TAB);
    EXPECT_FALSE(edit->Focused());
    EXPECT_TRUE(edit->Transparent());
    ClickMouse(edit, Point(20, 10));
    SendChar(&f.Form, 'z');
    EXPECT_EQ(edit->Text(), "z");
    EXPECT_FALSE(edit->Transparent());
}

TEST(EditEditing, ReadOnlyAndMaxLengthStillHold) {
    TPictureForm f;
    auto* edit = f.Add<TOrvoEdit>(10, 20, 150, 21);
    edit->SetTransparent(true);
    edit->SetMaxLength(3);
    f.Show();
    edit->SetFocus();
    for (char ch : std::string("abcdef")) SendChar(&f.Form, ch);
    EXPECT_EQ(edit->Text(), "abc");
    edit->SetReadOnly(true);
    SendChar(&f.Form, 'x');
    EXPECT_EQ(edit->Text(), "abc");
}

TEST(EditFocus, AFormWrittenWhileTheEditHasTheFocusStoresTheUnfocusedLook) {
    TPictureForm f;
    f.Form.SetName("Form1");
    auto* edit = f.Add<TOrvoEdit>(10, 20, 150, 21);
    edit->SetName("Edit1");
    edit->SetTransparent(true);
    edit->SetFocusHighlight(true);
    edit->SetColor(clYellow);
    f.Show();
    edit->SetFocus();
    ASSERT_FALSE(edit->Transparent());
    ASSERT_EQ(edit->Color(), clLime);
    const std::string written = WriteComponentText(&f.Form);
    const std::string own = written.substr(written.find("object Edit1"));
    EXPECT_NE(own.find("    Transparent = True\n"), std::string::npos) << own;
    EXPECT_NE(own.find("    Color = clYellow\n"), std::string::npos) << own;
    EXPECT_EQ(own.find("clLime\n    Font"), std::string::npos) << own;
    EXPECT_FALSE(edit->Transparent()) << "writing changes nothing at run time";
}
