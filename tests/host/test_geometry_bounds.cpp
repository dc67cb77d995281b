// A control's position and size stay within the range a window can take
// (2^24 - 1 either way), however they are asked for: stored values outside it
// are refused with the line, assigned ones with the range, and code that
// computes bounds (anchors, client sizes, constraints) is clamped into it, so
// no sum of positions and sizes can overflow on its way to the window.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "controls_test_support.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/framework/Streaming.h"
#include "host/framework/TypeInfo.h"

using namespace Orvo;

namespace {

constexpr int kMaxPos = 16777215;
constexpr int kMinPos = -16777215;
constexpr int kMaxSize = 16777215;
constexpr int kMaxFormSide = 32767;

struct TBoundsCase {
    const char* Name;
    int Left, Top, Width, Height;
    TRect Expected;  // left, top, right, bottom
};

TEST(GeometryBounds, SetBoundsClampsIntoTheControlRange) {
    const TBoundsCase cases[] = {
        {"ordinary", 10, 20, 30, 40, Rect(10, 20, 40, 60)},
        {"negative sizes become 0", 5, 5, -7, INT_MIN, Rect(5, 5, 5, 5)},
        {"largest int everywhere", INT_MAX, INT_MAX, INT_MAX, INT_MAX, Rect(kMaxPos, kMaxPos, kMaxPos + kMaxSize, kMaxPos + kMaxSize)},
        {"smallest int position", INT_MIN, INT_MIN, 50, 50, Rect(kMinPos, kMinPos, kMinPos + 50, kMinPos + 50)},
        {"edges are kept", kMinPos, kMaxPos, kMaxSize, 0, Rect(kMinPos, kMaxPos, kMinPos + kMaxSize, kMaxPos)},
        {"just outside", kMaxPos + 1, kMinPos - 1, kMaxSize + 1, 1, Rect(kMaxPos, kMinPos, kMaxPos + kMaxSize, kMinPos + 1)},
    };
    for (const TBoundsCase& c : cases) {
        TForm form(nullptr);
        auto* panel = new TRecordingControl(&form);
        panel->SetParent(&form);
        form.HandleNeeded();  // the window takes the bounds too
        panel->SetBounds(c.Left, c.Top, c.Width, c.Height);
        EXPECT_EQ(panel->BoundsRect(), c.Expected) << c.Name;
    }
}

TEST(GeometryBounds, ConstraintsCannotPushASizeOutOfRange) {
    TForm form(nullptr);
    auto* panel = new TRecordingControl(&form);
    panel->SetParent(&form);
    panel->Constraints()->SetMinWidth(INT_MAX);
    panel->Constraints()->SetMinHeight(kMaxSize + 5);
    panel->SetBounds(0, 0, 10, 10);
    EXPECT_EQ(panel->Width(), kMaxSize);
    EXPECT_EQ(panel->Height(), kMaxSize);
}

TEST(GeometryBounds, AFormIsHeldToItsOwnSmallerSize) {
    TForm form(nullptr);
    form.SetBounds(0, 0, INT_MAX, 40000);
    EXPECT_EQ(form.Width(), kMaxFormSide);
    EXPECT_EQ(form.Height(), kMaxFormSide);
    auto* wide = new TRecordingControl(&form);
    wide->SetParent(&form);
    wide->SetBounds(0, 0, 65636, 40000);  // a control on it is not
    EXPECT_EQ(wide->Width(), 65636);
    EXPECT_EQ(wide->Height(), 40000);
}

TEST(GeometryBounds, ClientSizeAndScreenPointsDoNotOverflow) {
    TForm form(nullptr);
    form.SetBorderStyle(bsSingle);  // a frame: the client is smaller than the bounds
    form.SetClientWidth(INT_MAX);
    form.SetClientHeight(INT_MAX);
    EXPECT_EQ(form.Width(), kMaxFormSide);
    EXPECT_EQ(form.Height(), kMaxFormSide);

    auto* panel = new TRecordingControl(&form);
    panel->SetParent(&form);
    panel->SetBounds(kMaxPos, kMaxPos, 10, 10);
    const TPoint far = panel->ClientToScreen(Point(INT_MAX, INT_MAX));
    EXPECT_EQ(far.X, INT_MAX);
    EXPECT_EQ(far.Y, INT_MAX);
    panel->SetBounds(kMinPos, kMinPos, 10, 10);
    const TPoint back = panel->ScreenToClient(Point(INT_MAX, INT_MAX));
    EXPECT_EQ(back.X, INT_MAX);  // saturated, not wrapped to a negative
}

TEST(GeometryBounds, AnchorsFollowingAHugeParentStayInRange) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 100, 100);
    auto* right = new TRecordingControl(&form);
    right->SetParent(&form);
    right->SetAnchors(TAnchors{akRight, akBottom});
    right->SetBounds(kMaxPos - 10, kMaxPos - 10, 10, 10);
    auto* stretched = new TRecordingControl(&form);
    stretched->SetParent(&form);
    stretched->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
    stretched->SetBounds(0, 0, kMaxSize - 10, kMaxSize - 10);

    form.SetBounds(0, 0, kMaxFormSide, kMaxFormSide);
    EXPECT_EQ(right->Left(), kMaxPos);
    EXPECT_EQ(right->Top(), kMaxPos);
    EXPECT_EQ(stretched->Width(), kMaxSize);
    EXPECT_EQ(stretched->Height(), kMaxSize);
}

// Every geometric property of a stored control, out of range by one.
struct TStoredCase {
    const char* Property;
    const char* Value;
    const char* Range;
};

TEST(GeometryBounds, StoredGeometryOutOfRangeIsRefusedWithItsLine) {
    const TStoredCase cases[] = {
        {"Left", "2147483647", "(-16777215 to 16777215)"},
        {"Left", "16777216", "(-16777215 to 16777215)"},
        {"Top", "-16777216", "(-16777215 to 16777215)"},
        {"Width", "16777216", "(-16777215 to 16777215)"},
        {"Height", "-2147483648", "(-16777215 to 16777215)"},
    };
    for (const TStoredCase& c : cases) {
        const std::string text = std::string("object Form1: TForm\n"
                                             "  object Panel1: TPanel\n"
                                             "    ") +
                                 c.Property + " = " + c.Value + "\n    Width = 50\n  end\nend\n";
        TForm form(nullptr);
        try {
            ReadComponentText(&form, text, "far.form");
            ADD_FAILURE() << c.Property << " = " << c.Value << " was accepted";
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Line(), 3) << c.Property;
            EXPECT_NE(e.Message().find(c.Range), std::string::npos) << e.what();
        }
        EXPECT_EQ(form.ComponentCount(), 0) << c.Property;
    }
}

TEST(GeometryBounds, StoredGeometryAtTheEdgesReadsAndPaints) {
    TForm form(nullptr);
    ReadComponentText(&form,
                      "object Form1: TForm\n"
                      "  object Panel1: TPanel\n"
                      "    Left = 16777215\n"
                      "    Top = -16777215\n"
                      "    Width = 16777215\n"
                      "    Height = 50\n"
                      "  end\n"
                      "end\n",
                      "edge.form");
    auto* panel = dynamic_cast<TPanel*>(form.FindComponent("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->BoundsRect(), Rect(kMaxPos, kMinPos, kMaxPos + kMaxSize, kMinPos + 50));
    form.HandleNeeded();
    panel->Invalidate();
    panel->Update();
}

TEST(GeometryBounds, AssignedGeometryOutOfRangeIsRefusedAndKeepsTheOldValue) {
    TForm form(nullptr);
    auto* panel = new TRecordingControl(&form);
    panel->SetBounds(1, 2, 3, 4);
    const TPropInfo* width = panel->ClassInfo().FindPublished("Width");
    ASSERT_NE(width, nullptr);
    try {
        width->Set(*panel, TValue::Int(INT_MAX), nullptr);
        ADD_FAILURE() << "Width = 2147483647 was accepted";
    } catch (const EPropertyError& e) {
        EXPECT_EQ(std::string(e.what()), "2147483647 is out of range (-16777215 to 16777215)");
    }
    EXPECT_EQ(panel->BoundsRect(), Rect(1, 2, 4, 6));
}

}  // namespace
