// The mouse capture ends with the release on every path the release can
// take: into a drop-down list, into a popup, lost with the window's
// activation, or lost altogether. Through raw window-system input.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>

#include "controls_test_support.h"
#include "host/qt/Automation.h"
#include "host/stdctrls/StdCtrls.h"
#include "test_input_support.h"

using namespace Orvo;

using namespace input_test;

namespace {

// A shown form with a drop-down list at the top and two recording controls
// below it, each counting its clicks.
struct TCaptureForm {
    TForm Form{nullptr};
    TComboBox* Combo;
    TRecordingControl* A;
    TRecordingControl* B;
    int ClicksA = 0, ClicksB = 0, Changes = 0;

    TCaptureForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 240, 160);
        Combo = new TComboBox(&Form);
        Combo->SetStyle(csDropDownList);
        Combo->SetBounds(10, 10, 97, 21);
        Combo->SetParent(&Form);
        for (const char* item : {"ocCheck", "ocCircle", "ocCross"}) Combo->Items()->Add(item);
        Combo->OnChange = [this](TObject*) { ++Changes; };
        A = Add(60);
        B = Add(100);
        A->OnClick = [this](TObject*) { ++ClicksA; };
        B->OnClick = [this](TObject*) { ++ClicksB; };
        ShowFormForAutomation(&Form);
        Move(GlobalOf(&Form, Point(230, 150)));
    }
    ~TCaptureForm() {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        SetCaptureControl(nullptr);
    }
    TRecordingControl* Add(int top) {
        auto* c = new TRecordingControl(&Form);
        c->SetBounds(10, top, 60, 30);
        c->SetParent(&Form);
        return c;
    }
};

}  // namespace

TEST(InputCapture, PickFromADropDownListThenTheNextClickCountsAtOnce) {
    TCaptureForm f;
    const QPoint onCombo = GlobalOf(f.Combo, ClientCentre(f.Combo));
    Press(onCombo);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "the press opens the drop-down list";
    // The list took the pointer: the combo box holds no capture any more.
    EXPECT_EQ(GetCaptureControl(), nullptr);
    Release(onCombo, popup->windowHandle());

    // Pick the third item in the list, as a user would.
    Wait(QApplication::doubleClickInterval() + 50);
    auto* combo = static_cast<QComboBox*>(f.Combo->Widget());
    QAbstractItemView* view = combo->view();
    const QRect item = view->visualRect(view->model()->index(2, 0));
    const QPoint onItem = view->viewport()->mapToGlobal(item.center());
    Click(onItem);
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(f.Combo->ItemIndex(), 2);
    EXPECT_EQ(f.Changes, 1);

    // The very next click elsewhere is a click, and hot-tracking works.
    f.A->Messages.clear();
    Click(f.A, Point(30, 15));
    EXPECT_EQ(f.ClicksA, 1);
    EXPECT_EQ(f.A->Count(CM_MOUSEENTER), 1);
    EXPECT_EQ(GetMouseControl(), f.A);
}

TEST(InputCapture, APopupTakingThePointerEndsTheCaptureWithoutAClick) {
    TCaptureForm f;
    const QPoint onA = GlobalOf(f.A, Point(30, 15));
    Press(onA);
    ASSERT_EQ(GetCaptureControl(), f.A);
    f.A->Messages.clear();

    QWidget popup(nullptr, Qt::Popup);
    popup.setGeometry(onA.x() - 5, onA.y() - 5, 40, 40);
    popup.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(f.A->Count(CM_CANCELMODE), 1);
    Release(onA, popup.windowHandle());
    popup.close();
    QCoreApplication::processEvents();

    // The abandoned press made no click, and B hears the next one.
    EXPECT_EQ(f.ClicksA, 0);
    Click(f.B, Point(30, 15));
    EXPECT_EQ(f.ClicksB, 1);
}

TEST(InputCapture, LosingActivationWhileTheButtonIsHeldEndsTheCapture) {
    TCaptureForm f;
    Press(GlobalOf(f.A, Point(30, 15)));
    ASSERT_EQ(GetCaptureControl(), f.A);

    TForm other(nullptr);
    other.SetBorderStyle(bsNone);
    other.SetBounds(300, 0, 100, 100);
    ShowFormForAutomation(&other);
    EXPECT_EQ(GetCaptureControl(), nullptr);

    // Back on the first form the release makes no click; the next click does.
    ShowFormForAutomation(&f.Form);
    Release(GlobalOf(f.A, Point(30, 15)));
    EXPECT_EQ(f.ClicksA, 0);
    Click(f.B, Point(30, 15));
    EXPECT_EQ(f.ClicksB, 1);
}

TEST(InputCapture, APressWithACaptureLeftStandingStartsAfresh) {
    TCaptureForm f;
    // A release the framework never saw leaves A holding the capture.
    SetCaptureControl(f.A);
    f.A->Messages.clear();
    Click(f.B, Point(30, 15));
    EXPECT_EQ(f.A->Count(CM_CANCELMODE), 1);
    EXPECT_EQ(f.A->Count(WM_LBUTTONDOWN), 0);
    EXPECT_EQ(f.ClicksB, 1);
    EXPECT_EQ(GetCaptureControl(), nullptr);
}
