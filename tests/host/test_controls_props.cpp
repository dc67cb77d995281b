// Control properties and their notifications, windows (re-creation, styles,
// deferred positioning), published properties and streaming hooks.
#include <gtest/gtest.h>

#include <QWidget>

#include "controls_test_support.h"
#include "host/framework/Forms.h"
#include "host/qt/Automation.h"
#include "host/qt/HostWidget.h"

using namespace Orvo;

TEST(ControlProps, ColorFollowsTheParentUntilItIsSetItself) {
    TComponent owner(nullptr);
    auto* parent = new TRecordingControl(&owner);
    parent->SetColor(clYellow);
    auto* child = new TRecordingControl(&owner);
    auto* grandchild = new TRecordingGraphic(&owner);
    child->SetParent(parent);
    grandchild->SetParent(child);
    EXPECT_TRUE(child->ParentColor());
    EXPECT_EQ(child->Color(), clYellow);
    EXPECT_EQ(grandchild->Color(), clYellow);

    parent->SetColor(clLime);
    EXPECT_EQ(child->Color(), clLime);
    EXPECT_EQ(grandchild->Color(), clLime);
    EXPECT_GE(child->Count(CM_PARENTCOLORCHANGED), 1);

    child->Messages.clear();
    child->SetColor(clRed);
    EXPECT_FALSE(child->ParentColor());
    EXPECT_EQ(child->Count(CM_COLORCHANGED), 1);
    EXPECT_EQ(grandchild->Color(), clRed);  // it follows its own parent
    child->SetColor(clRed);                 // the same colour: nothing
    EXPECT_EQ(child->Count(CM_COLORCHANGED), 1);

    parent->SetColor(clBlue);
    EXPECT_EQ(child->Color(), clRed);
    child->SetParentColor(true);
    EXPECT_EQ(child->Color(), clBlue);
    EXPECT_TRUE(child->ParentColor());
}

TEST(ControlProps, FontFollowsTheParentUntilItIsSetItself) {
    TComponent owner(nullptr);
    auto* parent = new TRecordingControl(&owner);
    auto* child = new TRecordingControl(&owner);
    child->SetParent(parent);
    parent->Messages.clear();
    child->Messages.clear();
    parent->Font()->SetSize(14);
    EXPECT_EQ(parent->Count(CM_FONTCHANGED), 1);
    EXPECT_FALSE(parent->ParentFont());
    EXPECT_EQ(child->Font()->Size(), 14);
    EXPECT_TRUE(child->ParentFont());
    EXPECT_EQ(child->Count(CM_PARENTFONTCHANGED), 1);

    child->Font()->SetColor(clRed);
    EXPECT_FALSE(child->ParentFont());
    parent->Font()->SetSize(20);
    EXPECT_EQ(child->Font()->Size(), 14);
    child->SetParentFont(true);
    EXPECT_EQ(child->Font()->Size(), 20);
}

TEST(ControlProps, CaptionSendsTextChangedOnlyWhenItDiffers) {
    TRecordingControl c(nullptr);
    c.SetCaption("&Send");
    EXPECT_EQ(c.Count(WM_SETTEXT), 1);
    EXPECT_EQ(c.Count(CM_TEXTCHANGED), 1);
    EXPECT_EQ(c.Text(), "&Send");
    c.SetText("&Send");
    EXPECT_EQ(c.Count(CM_TEXTCHANGED), 1);
    c.SetCaption("");
    EXPECT_EQ(c.Count(CM_TEXTCHANGED), 2);
    // WM_SETTEXT itself stores the text.
    c.Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("direct"));
    EXPECT_EQ(c.Caption(), "direct");
}

TEST(ControlProps, EnabledAndVisibleNotifyTheControl) {
    TRecordingControl c(nullptr);
    c.SetEnabled(false);
    c.SetEnabled(false);
    EXPECT_EQ(c.Count(CM_ENABLEDCHANGED), 1);
    EXPECT_FALSE(c.Enabled());
    c.SetVisible(false);
    EXPECT_EQ(c.Count(CM_VISIBLECHANGED), 1);
    c.SetVisible(true);
    EXPECT_EQ(c.Count(CM_VISIBLECHANGED), 2);
}

TEST(ControlProps, WindowedControlGetsMoveAndSizeMessages) {
    TRecordingControl c(nullptr);
    c.SetBounds(1, 2, 30, 40);
    c.Messages.clear();
    c.SetBounds(5, 2, 30, 40);
    EXPECT_EQ(c.Count(WM_MOVE), 1);
    EXPECT_EQ(c.Count(WM_SIZE), 0);
    c.SetWidth(31);
    EXPECT_EQ(c.Count(WM_SIZE), 1);
    EXPECT_EQ(c.ClientWidth(), 31);
    c.SetBounds(5, 2, -10, 40);  // negative sizes become 0
    EXPECT_EQ(c.Width(), 0);
    c.Constraints()->SetMinWidth(10);
    EXPECT_EQ(c.Width(), 10);
}

TEST(ControlProps, RecreateWndKeepsTextBoundsAndChildren) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 200, 100);
    auto* c = new TRecordingControl(&form);
    c->SetParent(&form);
    c->SetBounds(10, 20, 60, 30);
    c->SetCaption("Kept");
    auto* inner = new TRecordingControl(&form);
    inner->SetParent(c);
    inner->SetBounds(2, 3, 10, 10);
    ShowFormForAutomation(&form);
    QWidget* before = c->Widget();
    ASSERT_NE(before, nullptr);
    c->RecreateWnd();
    ProcessPendingPaints();
    ASSERT_TRUE(c->HandleAllocated());
    EXPECT_EQ(c->Caption(), "Kept");
    EXPECT_EQ(c->BoundsRect(), Rect(10, 20, 70, 50));
    EXPECT_EQ(c->Widget()->geometry(), QRect(10, 20, 60, 30));
    EXPECT_TRUE(c->Widget()->isVisible());
    ASSERT_TRUE(inner->HandleAllocated());
    EXPECT_EQ(inner->Widget()->parentWidget(), c->Widget());
    EXPECT_EQ(inner->Widget()->geometry(), QRect(2, 3, 10, 10));
    EXPECT_EQ(FindControl(c->Handle()), c);
}

TEST(ControlProps, CreateParamsStylesReachGetWindowLong) {
    TForm form(nullptr);
    auto* c = new TRecordingControl(&form);
    c->SetParent(&form);
    c->SetTabStop(true);
    HWND h = c->Handle();
    const LONG style = GetWindowLong(h, GWL_STYLE);
    EXPECT_TRUE(style & LONG(WS_CHILD));
    EXPECT_TRUE(style & LONG(WS_TABSTOP));
    EXPECT_TRUE(GetWindowLong(form.Handle(), GWL_STYLE) & LONG(WS_CLIPCHILDREN));
    // The transparent edit's trick: the parent loses WS_CLIPCHILDREN.
    HWND parent = GetParent(h);
    EXPECT_EQ(parent, form.Handle());
    const LONG old = SetWindowLong(parent, GWL_STYLE, GetWindowLong(parent, GWL_STYLE) & ~LONG(WS_CLIPCHILDREN));
    EXPECT_TRUE(old & LONG(WS_CLIPCHILDREN));
    EXPECT_FALSE(GetWindowLong(parent, GWL_STYLE) & LONG(WS_CLIPCHILDREN));
    // WS_DISABLED acts on the control.
    SetWindowLong(h, GWL_STYLE, GetWindowLong(h, GWL_STYLE) | LONG(WS_DISABLED));
    EXPECT_FALSE(c->Enabled());
    EXPECT_EQ(GetWindowLong(nullptr, GWL_STYLE), 0);
}

TEST(ControlProps, DeferredPositionsApplyTogetherAtTheEnd) {
    TForm form(nullptr);
    auto* a = new TRecordingControl(&form);
    a->SetParent(&form);
    auto* b = new TRecordingControl(&form);
    b->SetParent(&form);
    HDWP batch = BeginDeferWindowPos(2);
    batch = DeferWindowPos(batch, a->Handle(), nullptr, 8, 14, 98, 18, SWP_NOZORDER | SWP_NOACTIVATE);
    batch = DeferWindowPos(batch, b->Handle(), nullptr, 8, 32, 98, 18, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_NE(batch, nullptr);
    EXPECT_NE(a->BoundsRect(), Rect(8, 14, 106, 32));  // nothing moved yet
    a->Messages.clear();
    EXPECT_TRUE(EndDeferWindowPos(batch));
    EXPECT_EQ(a->BoundsRect(), Rect(8, 14, 106, 32));
    EXPECT_EQ(b->BoundsRect(), Rect(8, 32, 106, 50));
    EXPECT_EQ(a->Widget()->geometry(), QRect(8, 14, 98, 18));
    EXPECT_EQ(a->Count(WM_SIZE), 1);
    EXPECT_EQ(a->Count(WM_MOVE), 1);
    EXPECT_TRUE(form.Widget()->updatesEnabled());

    // A window that is gone abandons the batch.
    HDWP bad = BeginDeferWindowPos(1);
    EXPECT_EQ(DeferWindowPos(bad, nullptr, nullptr, 0, 0, 1, 1, 0), nullptr);
    EXPECT_FALSE(EndDeferWindowPos(nullptr));
}

TEST(ControlProps, TabOrderIsThePositionAmongWindowedSiblings) {
    TComponent owner(nullptr);
    auto* parent = new TRecordingControl(&owner);
    auto* a = new TRecordingControl(&owner);
    auto* b = new TRecordingControl(&owner);
    auto* c = new TRecordingControl(&owner);
    for (auto* x : {a, b, c}) x->SetParent(parent);
    EXPECT_EQ(a->TabOrder(), 0);
    EXPECT_EQ(c->TabOrder(), 2);
    c->SetTabOrder(0);
    EXPECT_EQ(c->TabOrder(), 0);
    EXPECT_EQ(a->TabOrder(), 1);
    EXPECT_EQ(b->TabOrder(), 2);
    b->SetTabOrder(99);  // beyond the end: last
    EXPECT_EQ(b->TabOrder(), 2);
}

TEST(ControlProps, StoredTabOrdersSortOnceEverySiblingIsRead) {
    TComponent owner(nullptr);
    auto* parent = new TRecordingControl(&owner);
    std::vector<TRecordingControl*> kids;
    for (int order : {2, 1, 0}) {
        auto* k = new TRecordingControl(&owner);
        k->SetComponentStateFlag(csLoading, true);
        k->SetParent(parent);
        k->SetTabOrder(order);
        kids.push_back(k);
    }
    for (auto* k : kids) k->Loaded();
    EXPECT_EQ(kids[0]->TabOrder(), 2);
    EXPECT_EQ(kids[1]->TabOrder(), 1);
    EXPECT_EQ(kids[2]->TabOrder(), 0);
}

TEST(ControlProps, EqualStoredTabOrdersKeepTheOrderTheSiblingsWerePlacedIn) {
    TComponent owner(nullptr);
    auto* parent = new TRecordingControl(&owner);
    std::vector<TRecordingControl*> kids;
    for (int order : {1, 0, 1, 0}) {
        auto* k = new TRecordingControl(&owner);
        k->SetComponentStateFlag(csReading, true);
        k->SetParent(parent);
        k->SetTabOrder(order);
        k->SetComponentStateFlag(csReading, false);
        kids.push_back(k);
    }
    // Each one's place is its index in the tab list.
    std::vector<TWinControl*> list;
    parent->GetTabOrderList(list);
    const int expected[] = {2, 0, 3, 1};
    for (std::size_t i = 0; i < kids.size(); ++i) {
        EXPECT_EQ(kids[i]->TabOrder(), expected[i]) << i;
        EXPECT_EQ(list[std::size_t(expected[i])], kids[i]) << i;
    }
    EXPECT_EQ(TRecordingControl(&owner).TabOrder(), -1);  // no parent
}

TEST(ControlProps, PublishedPropertiesStartWithTheCommonOnes) {
    const TClassInfo& info = TControl::StaticClassInfo();
    ASSERT_GE(info.Published.size(), 7u);
    const char* first[] = {"Left", "Top", "Width", "Height", "Cursor", "Hint", "HelpContext"};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(info.Published[i].Name, first[i]);
    // Defined for subclasses to publish.
    for (const char* name : {"Anchors", "Caption", "Color", "Constraints", "Enabled", "Font", "ParentColor",
                             "PopupMenu", "ShowHint", "Visible", "OnClick", "OnMouseDown", "OnStartDrag"})
        EXPECT_NE(info.FindDefined(name), nullptr) << name;
    for (const char* name : {"TabOrder", "TabStop", "OnKeyDown", "OnEnter"})
        EXPECT_NE(TWinControl::StaticClassInfo().FindDefined(name), nullptr) << name;
}

// Class tables share the entries a class takes over unchanged; changing one
// in a class copies it for that class only.
TEST(ControlProps, PropertyTablesShareUnchangedEntriesAndCopyOnChange) {
    // TForm publishes Visible with its own default and Width with its own
    // storing rule; TCustomForm's Left is published as TControl defined it.
    const TClassInfo& form = TForm::StaticClassInfo();
    const TClassInfo& control = TControl::StaticClassInfo();
    EXPECT_EQ(form.FindPublished("Left"), control.FindPublished("Left"));
    EXPECT_NE(form.FindPublished("Width"), control.FindPublished("Width"));
    EXPECT_FALSE(control.FindDefined("Width")->IsStored);
    EXPECT_EQ(*form.FindPublished("Visible")->Default, TValue::Bool(false));
    EXPECT_EQ(*control.FindDefined("Visible")->Default, TValue::Bool(true));

    TClassInfo child("TSharingChild", &control);
    const TPropInfo* shared = &child.Published[0];
    EXPECT_EQ(shared, &control.Published[0]);
    child.Published.Edit(0).Default = TValue::Int(7);
    EXPECT_NE(&child.Published[0], shared);
    EXPECT_EQ(*child.Published[0].Default, TValue::Int(7));
    EXPECT_EQ(control.Published[0].Default, shared->Default);
    EXPECT_NE(control.Published[0].Default, std::optional<TValue>(TValue::Int(7)));
    // Published again it moves to the end, still one entry.
    const std::size_t count = child.Published.size();
    PublishProperty(child, "Left", std::nullopt);
    EXPECT_EQ(child.Published.size(), count);
    EXPECT_EQ(child.Published.back().Name, "Left");
}

// Outside a paint a canvas measures and draws on a scratch surface of its
// control's size; canvases share its pixels, and a larger control made later
// leaves the smaller one's surface usable.
TEST(ControlProps, CanvasOutsideAPaintHasTheControlsSizeWhileSurfacesGrow) {
    TComponent owner(nullptr);
    auto* small = new TRecordingGraphic(&owner);
    small->SetBounds(0, 0, 30, 20);
    const int lineHeight = small->Canvas()->TextHeight("Xg");
    EXPECT_GT(lineHeight, 0);
    auto* large = new TRecordingControl(&owner);
    large->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(large->Canvas()->TextHeight("Xg"), lineHeight);
    EXPECT_EQ(large->Canvas()->ClipRect(), Rect(0, 0, 300, 200));
    small->Canvas()->FillRect(Rect(0, 0, 30, 20));
    EXPECT_EQ(small->Canvas()->ClipRect(), Rect(0, 0, 30, 20));
    EXPECT_EQ(small->Canvas()->TextHeight("Xg"), lineHeight);
}

TEST(ControlProps, PropertyTableReadsAndWritesTheFrameworkValues) {
    TRecordingControl c(nullptr);
    const TClassInfo& info = TWinControl::StaticClassInfo();
    const TPropInfo* cursor = info.FindDefined("Cursor");
    cursor->Set(c, TValue::Identifier("crHandPoint"), nullptr);
    EXPECT_EQ(c.Cursor(), crHandPoint);
    EXPECT_EQ(*cursor->Get(c), TValue::Identifier("crHandPoint"));
    EXPECT_THROW(cursor->Set(c, TValue::Identifier("crBogus"), nullptr), EPropertyError);

    const TPropInfo* anchors = info.FindDefined("Anchors");
    EXPECT_EQ(*anchors->Get(c), *anchors->Default);
    anchors->Set(c, TValue::SetOf({"akRight", "akBottom"}), nullptr);
    EXPECT_EQ(c.Anchors(), (TAnchors{akRight, akBottom}));

    const TPropInfo* color = info.FindDefined("Color");
    EXPECT_FALSE(color->IsStored(c));  // ParentColor: not stored
    color->Set(c, TValue::Identifier("clRed"), nullptr);
    EXPECT_TRUE(color->IsStored(c));

    const TPropInfo* constraints = info.FindDefined("Constraints");
    TPersistent* sub = constraints->SubObject(c);
    ASSERT_NE(sub, nullptr);
    sub->ClassInfo().FindPublished("MaxWidth")->Set(*sub, TValue::Int(20), nullptr);
    c.SetWidth(50);
    EXPECT_EQ(c.Width(), 20);

    EXPECT_EQ(*info.FindDefined("Visible")->Default, TValue::Bool(true));
    EXPECT_EQ(*info.FindDefined("Enabled")->Default, TValue::Bool(true));
}

TEST(ControlProps, GetChildrenListsChildrenOwnedByTheRoot) {
    TComponent root(nullptr);
    TComponent other(nullptr);
    auto* parent = new TRecordingControl(&root);
    auto* windowed = new TRecordingControl(&root);
    auto* foreign = new TRecordingControl(&other);
    auto* windowless = new TRecordingGraphic(&root);
    windowed->SetParent(parent);
    foreign->SetParent(parent);
    windowless->SetParent(parent);
    std::vector<TComponent*> listed;
    parent->GetChildren([&](TComponent* c) { listed.push_back(c); }, &root);
    EXPECT_EQ(listed, (std::vector<TComponent*>{windowless, windowed}));
}

TEST(ControlProps, FreeingAParentLeavesChildrenOwnedElsewhereParentless) {
    TComponent owner(nullptr);
    auto* child = new TRecordingControl(&owner);
    {
        TRecordingControl parent(nullptr);
        child->SetParent(&parent);
        ASSERT_EQ(parent.ControlCount(), 1);
    }
    EXPECT_EQ(child->Parent(), nullptr);
}

TEST(ControlProps, ParentCannotBeItselfOrADescendant) {
    TComponent owner(nullptr);
    auto* a = new TRecordingControl(&owner);
    auto* b = new TRecordingControl(&owner);
    b->SetParent(a);
    EXPECT_THROW(a->SetParent(a), EComponentError);
    EXPECT_THROW(a->SetParent(b), EComponentError);
    EXPECT_EQ(a->Parent(), nullptr);
}

// The limit counts a form's windowed controls at any depth, follows controls
// that move or die, and a refused control stays where it was.
TEST(ControlProps, AFormHoldsAtMostMaxWindowedControls) {
    const int max = TWinControl::MaxWindowedControls;
    TComponent owner(nullptr);
    auto* form = new TRecordingControl(&owner);
    auto* panel = new TRecordingControl(&owner);
    std::vector<TRecordingControl*> inPanel;
    for (int i = 0; i < max - 1; ++i) {
        inPanel.push_back(new TRecordingControl(&owner));
        inPanel.back()->SetParent(panel);
    }
    panel->SetParent(form);  // the panel and what it holds: the limit exactly
    auto* extra = new TRecordingControl(&owner);
    try {
        extra->SetParent(form);
        FAIL() << "no error";
    } catch (const EComponentError& e) {
        EXPECT_NE(std::string(e.what()).find("at most 16384 windowed controls"), std::string::npos) << e.what();
    }
    EXPECT_EQ(extra->Parent(), nullptr);
    EXPECT_EQ(form->ControlCount(), 1);
    EXPECT_THROW(extra->SetParent(inPanel[0]), EComponentError);  // deeper counts too
    EXPECT_EQ(inPanel[0]->ControlCount(), 0);

    delete inPanel.back();  // one fewer: room for the extra one
    extra->SetParent(form);
    EXPECT_EQ(extra->Parent(), form);

    panel->SetParent(nullptr);  // takes all it holds away from the form
    auto* second = new TRecordingControl(&owner);
    second->SetParent(form);
    EXPECT_THROW(panel->SetParent(form), EComponentError);  // 2 + 1 + (max - 2)
    second->SetParent(nullptr);
    panel->SetParent(form);
    EXPECT_EQ(panel->Parent(), form);
}

TEST(ControlProps, BiDiModeFlagsForTextDrawing) {
    TRecordingControl c(nullptr);
    EXPECT_EQ(c.DrawTextBiDiModeFlags(DT_SINGLELINE), DT_SINGLELINE);
    c.SetBiDiMode(bdRightToLeft);
    EXPECT_TRUE(c.UseRightToLeftAlignment());
    EXPECT_EQ(c.DrawTextBiDiModeFlags(DT_SINGLELINE), DT_SINGLELINE | DT_RIGHT | DT_RTLREADING);
    EXPECT_EQ(c.DrawTextBiDiModeFlags(DT_RIGHT), DT_RTLREADING);
}

TEST(ControlProps, CtlColorAnswersTheBrushAndSetsTheColours) {
    TRecordingControl c(nullptr);
    c.SetColor(clYellow);
    c.Font()->SetColor(clNavy);
    TSurface s(4, 4);
    const LRESULT brush = c.Perform(CN_CTLCOLOREDIT, s.WParam(), 0);
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(c.Brush()->Handle()));
    EXPECT_EQ(GetTextColor(s.Handle()), clNavy);
    EXPECT_EQ(GetBkColor(s.Handle()), clYellow);
}

TEST(ControlProps, AfterReadingAControlTakesWhatItSharesWithItsParent) {
    TComponent owner(nullptr);
    auto* parent = new TRecordingControl(&owner);
    parent->SetColor(clYellow);
    auto* child = new TRecordingControl(&owner);
    child->SetParent(parent);
    child->SetComponentStateFlag(csLoading, true);
    child->ReadState([&] {
        // As a description storing a colour and then ParentColor = True.
        child->SetColor(clRed);
        child->SetParentColor(true);
        EXPECT_EQ(child->Color(), clRed);  // nothing happens while reading
    });
    EXPECT_EQ(child->Color(), clYellow);
    EXPECT_TRUE(child->ParentColor());
}
