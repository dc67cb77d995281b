// A framework form or a single control inside a plain Qt widget tree:
// size hints, sizing, Tab into and out of it both ways with real key
// events, clicks, transparency over the hosting form, and destruction in
// either order.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/qt/Automation.h"
#include "host/qt/EmbeddedHost.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/framework/Forms.h"
#include "host/qt/HostWidget.h"
#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoCheckControls.h"
#include "test_input_support.h"

using namespace Orvo;

namespace {

// A check box of the library that records OnEnter and OnExit in a shared log.
TOrvoCheckBox* NewCheckBox(TComponent* owner, TWinControl* parent, const std::string& name, int top,
                           std::vector<std::string>* log = nullptr) {
    auto* box = new TOrvoCheckBox(owner);
    box->SetName(name);
    box->SetParent(parent);
    box->SetBounds(10, top, 120, 21);
    box->SetCaption(name);
    if (log) {
        box->OnEnter = [log, name](TObject*) { log->push_back("enter " + name); };
        box->OnExit = [log, name](TObject*) { log->push_back("exit " + name); };
    }
    return box;
}

// A window of Qt widgets around one host: a line edit before it and a push
// button after it in the Tab chain.
struct TQtWindow {
    std::unique_ptr<QWidget> Window = std::make_unique<QWidget>();
    QLineEdit* Before = new QLineEdit(Window.get());
    TEmbeddedHost* Host = new TEmbeddedHost(Window.get());
    QPushButton* After = new QPushButton("After", Window.get());

    TQtWindow() {
        auto* layout = new QVBoxLayout(Window.get());
        layout->addWidget(Before);
        layout->addWidget(Host);
        layout->addWidget(After);
    }
    void Show() {
        Window->show();
        Window->activateWindow();
        QApplication::setActiveWindow(Window.get());
        ProcessPendingPaints();
    }
    void Tab(bool backward = false) {
        input_test::Key(Window->windowHandle(), backward ? Qt::Key_Backtab : Qt::Key_Tab,
                        backward ? Qt::ShiftModifier : Qt::NoModifier);
        ProcessPendingPaints();
    }
};

// A small form of three tab stops: check box, edit (a Qt line edit of its
// own), check box.
struct TSmallForm {
    std::vector<std::string> Log;
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TOrvoCheckBox* First = NewCheckBox(Form.get(), Form.get(), "First", 10, &Log);
    TEdit* Middle = new TEdit(Form.get());
    TOrvoCheckBox* Last = NewCheckBox(Form.get(), Form.get(), "Last", 70, &Log);

    TSmallForm() {
        Form->SetBorderStyle(bsSizeable);
        Form->SetClientSize(200, 100);
        Middle->SetParent(Form.get());
        Middle->SetBounds(10, 40, 120, 21);
        Middle->SetTabOrder(1);
        Middle->OnEnter = [this](TObject*) { Log.push_back("enter Middle"); };
        Middle->OnExit = [this](TObject*) { Log.push_back("exit Middle"); };
    }
};

std::string Focus(const TQtWindow& w, const TSmallForm& f) {
    if (w.Before->hasFocus()) return "Before";
    if (w.After->hasFocus()) return "After";
    if (w.Host->hasFocus()) return "Host";
    if (f.First->Focused()) return "First";
    if (f.Middle->Focused()) return "Middle";
    if (f.Last->Focused()) return "Last";
    return "none";
}

}  // namespace

TEST(Embedding, SizeHintsFollowWhatIsHosted) {
    struct Case {
        const char* What;
        TFormBorderStyle Border;  // for a form
        bool Control;
        int MinWidthConstraint;
        QSize Hint, Minimum;
        QSizePolicy::Policy Policy;
    };
    // A sizeable form's frame adds 8 x 27 to its client size; its
    // constraints hold the outer size.
    const Case cases[] = {
        {"sizeable form", bsSizeable, false, 0, {200, 100}, {0, 0}, QSizePolicy::Preferred},
        {"dialog form", bsDialog, false, 0, {200, 100}, {200, 100}, QSizePolicy::Fixed},
        {"sizeable form, constrained", bsSizeable, false, 108, {200, 100}, {100, 0}, QSizePolicy::Preferred},
        {"control", bsNone, true, 0, {120, 21}, {120, 21}, QSizePolicy::Preferred},
        {"control, constrained", bsNone, true, 50, {120, 21}, {50, 0}, QSizePolicy::Preferred},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        TEmbeddedHost host;
        EXPECT_EQ(host.sizeHint(), QWidget().sizeHint()) << "nothing hosted: a plain widget's hint";
        TForm form(nullptr);
        if (c.Control) {
            TOrvoCheckBox* box = NewCheckBox(host.Owner(), nullptr, "Box", 0);
            box->Constraints()->SetMinWidth(c.MinWidthConstraint);
            host.SetControl(box);
        } else {
            form.SetBorderStyle(c.Border);
            form.SetClientSize(200, 100);
            form.Constraints()->SetMinWidth(c.MinWidthConstraint);
            host.SetForm(&form);
        }
        EXPECT_EQ(host.sizeHint(), c.Hint);
        EXPECT_EQ(host.minimumSizeHint(), c.Minimum);
        EXPECT_EQ(host.sizePolicy().horizontalPolicy(), c.Policy);
    }
}

TEST(Embedding, HostedFormHasNoWindowOfItsOwnAndFollowsTheWidgetsSize) {
    TQtWindow w;
    TForm form(nullptr);
    form.SetBorderStyle(bsSizeable);
    form.SetCaption("Not a title");
    form.SetBounds(300, 200, 208, 127);  // client 200 x 100
    auto* right = new TButton(&form);
    right->SetParent(&form);
    right->SetBounds(150, 10, 40, 25);
    right->SetAnchors({akTop, akRight});
    auto* fill = new TPanel(&form);
    fill->SetParent(&form);
    fill->SetAlign(alBottom);
    fill->SetHeight(30);
    w.Host->SetForm(&form);
    w.Show();

    ASSERT_NE(form.Widget(), nullptr);
    EXPECT_FALSE(form.Widget()->isWindow());
    EXPECT_EQ(form.Widget()->parentWidget(), w.Host);
    EXPECT_TRUE(form.Widget()->isVisible());

    w.Host->setFixedSize(260, 150);
    ProcessPendingPaints();
    EXPECT_EQ(form.Widget()->geometry(), QRect(0, 0, 260, 150));
    EXPECT_EQ(form.ClientWidth(), 260);
    EXPECT_EQ(form.ClientHeight(), 150);
    EXPECT_EQ(right->Left(), 210) << "anchored right: 60 pixels wider moves it 60";
    EXPECT_EQ(fill->Top(), 120);
    EXPECT_EQ(fill->Width(), 260);

    w.Host->Release();
    EXPECT_EQ(form.Widget(), nullptr) << "the window inside the host is gone";
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.Left(), 300);
    EXPECT_EQ(form.Top(), 200);
    form.Show();
    ASSERT_NE(form.Widget(), nullptr);
    EXPECT_TRUE(form.Widget()->isWindow()) << "released, it is a window of its own again";
    EXPECT_EQ(form.Widget()->windowTitle(), QString("Not a title"));
    form.Hide();
}

TEST(Embedding, TabMovesInAndOutBothWays) {
    TQtWindow w;
    TSmallForm f;
    w.Host->SetForm(f.Form.get());
    w.Show();
    w.Before->setFocus();
    ProcessPendingPaints();

    const char* forward[] = {"First", "Middle", "Last", "After", "Before", "First"};
    for (const char* expected : forward) {
        w.Tab();
        EXPECT_EQ(Focus(w, f), expected) << "Tab";
    }
    const char* backward[] = {"Before", "After", "Last", "Middle", "First", "Before"};
    for (const char* expected : backward) {
        w.Tab(true);
        EXPECT_EQ(Focus(w, f), expected) << "Shift+Tab";
    }
    const std::vector<std::string> log = {
        "enter First", "exit First", "enter Middle", "exit Middle", "enter Last", "exit Last",  // in and out
        "enter First", "exit First",                                                            // Before -> First -> Before
        "enter Last",  "exit Last",  "enter Middle", "exit Middle", "enter First", "exit First"};
    EXPECT_EQ(f.Log, log);
}

TEST(Embedding, HoverAndAcceleratorsWorkAsInAForm) {
    TQtWindow w;
    TSmallForm f;
    f.Last->SetCaption("&Last");
    w.Host->SetForm(f.Form.get());
    w.Show();

    input_test::Move(input_test::GlobalOf(f.Last, ClientCentre(f.Last)));
    EXPECT_EQ(GetMouseControl(), f.Last) << "the pointer over a hosted control";
    input_test::Move(w.After->mapToGlobal(w.After->rect().center()));
    EXPECT_EQ(GetMouseControl(), nullptr) << "and off it, onto a Qt widget";

    // Alt+L while the focus is inside: the form's accelerator.
    f.First->SetFocus();
    input_test::Key(w.Window->windowHandle(), Qt::Key_L, Qt::AltModifier, "l");
    EXPECT_TRUE(f.Last->Checked());
    EXPECT_TRUE(f.Last->Focused());
}

TEST(Embedding, FocusGivenToTheWidgetGoesToTheActiveControl) {
    TQtWindow w;
    TSmallForm f;
    w.Host->SetForm(f.Form.get());
    w.Show();
    f.Form->SetActiveControl(f.Last);
    w.Before->setFocus();
    ProcessPendingPaints();
    w.Host->setFocus();
    ProcessPendingPaints();
    EXPECT_EQ(Focus(w, f), "Last");

    f.Middle->SetFocus();
    w.Before->setFocus();
    w.Host->setFocus();
    ProcessPendingPaints();
    EXPECT_EQ(Focus(w, f), "Middle") << "the control focused last is the active one";
}

TEST(Embedding, ClickOnAHostedCheckBoxTogglesAndFocusesIt) {
    TQtWindow w;
    std::vector<std::string> log;
    TOrvoCheckBox* box = NewCheckBox(w.Host->Owner(), nullptr, "Box", 0, &log);
    w.Host->SetControl(box);
    w.Show();
    w.Before->setFocus();
    ProcessPendingPaints();

    input_test::Click(box, ClientCentre(box));
    ProcessPendingPaints();
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    input_test::Click(box, ClientCentre(box));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(log, std::vector<std::string>{"enter Box"});

    // A click on a Qt widget takes the focus out again.
    input_test::Click(w.Before->mapToGlobal(w.Before->rect().center()));
    ProcessPendingPaints();
    EXPECT_TRUE(w.Before->hasFocus());
    EXPECT_EQ(log, (std::vector<std::string>{"enter Box", "exit Box"}));
}

TEST(Embedding, TransparentHostedControlShowsTheHostingFormsPicture) {
    TQtWindow w;
    TOrvoCheckBox* box = NewCheckBox(w.Host->Owner(), nullptr, "Box", 0);
    box->SetCaption("");
    box->SetAutoSize(false);  // a check box sizes itself to its caption otherwise
    box->SetColor(RGB(0, 0, 255));
    w.Host->SetControl(box);
    w.Host->Form()->SetColor(RGB(200, 30, 40));
    w.Host->setFixedSize(160, 24);
    w.Show();
    EXPECT_EQ(box->Parent(), w.Host->Form());
    EXPECT_EQ(box->BoundsRect(), Rect(0, 0, 160, 24)) << "the control fills the widget";

    // Far right of the check box, away from its square and caption.
    auto pixelAtRight = [&] {
        ProcessPendingPaints();
        const QImage picture = box->Widget()->grab().toImage();
        return picture.pixel(picture.width() - 6, picture.height() / 2) & 0xFFFFFF;
    };
    EXPECT_EQ(pixelAtRight(), 0x0000FFu) << "opaque: its own colour";
    box->SetTransparent(true);
    EXPECT_EQ(pixelAtRight(), 0xC81E28u) << "transparent: the hosting form's colour";
}

TEST(Embedding, HostDeletedFirstFreesWhatItMadeAndKeepsWhatItDidNot) {
    TSmallForm f;
    TComponentGuard ownedBox(nullptr), site(nullptr);
    {
        TQtWindow w;
        w.Host->SetForm(f.Form.get());
        w.Show();
        f.First->SetFocus();
        ProcessPendingPaints();
        ASSERT_TRUE(f.First->Focused());

        auto* second = new TEmbeddedHost(w.Window.get());
        TOrvoCheckBox* box = NewCheckBox(second->Owner(), nullptr, "Box", 0);
        second->SetControl(box);
        second->show();
        ProcessPendingPaints();
        ownedBox = TComponentGuard(box);
        site = TComponentGuard(second->Form());
    }  // the window and both hosts go
    EXPECT_TRUE(ownedBox.Destroyed()) << "created with the host's owner";
    EXPECT_TRUE(site.Destroyed()) << "the form made for the control";
    EXPECT_EQ(f.Form->Widget(), nullptr);
    EXPECT_EQ(f.First->Widget(), nullptr);
    // The form lives on and can be shown as a window of its own.
    f.Form->Show();
    ProcessPendingPaints();
    ASSERT_NE(f.Form->Widget(), nullptr);
    EXPECT_TRUE(f.Form->Widget()->isWindow());
    EXPECT_TRUE(f.Form->Widget()->isVisible());
    f.Form->Hide();
}

TEST(Embedding, HostedFormOrControlFreedFirstLeavesTheWidgetSafe) {
    TQtWindow w;
    auto f = std::make_unique<TSmallForm>();
    w.Host->SetForm(f->Form.get());
    w.Show();
    f->Last->SetFocus();
    ProcessPendingPaints();
    f.reset();
    ProcessPendingPaints();
    EXPECT_EQ(w.Host->Form(), nullptr);
    w.Host->setFixedSize(150, 60);
    w.Before->setFocus();
    w.Tab();
    EXPECT_TRUE(w.After->hasFocus()) << "an empty host passes Tab on";
    w.Tab(true);
    EXPECT_TRUE(w.Before->hasFocus());

    // A control freed first: the form made for it stays, empty.
    auto* box = new TOrvoCheckBox(nullptr);
    w.Host->SetControl(box);
    ProcessPendingPaints();
    delete box;
    EXPECT_EQ(w.Host->Control(), nullptr);
    ASSERT_NE(w.Host->Form(), nullptr);
    w.Host->setFixedSize(100, 40);
    ProcessPendingPaints();
    EXPECT_EQ(w.Host->Form()->ClientWidth(), 100);
    w.Host->Release();
    EXPECT_EQ(w.Host->Form(), nullptr);
}

TEST(Embedding, ReleasedControlKeepsItsOwnerAndLosesItsParent) {
    TEmbeddedHost host;
    TForm owner(nullptr);
    TOrvoCheckBox* box = NewCheckBox(&owner, nullptr, "Box", 0);
    host.SetControl(box);
    EXPECT_NE(box->Parent(), nullptr);
    host.SetControl(nullptr);
    EXPECT_EQ(box->Parent(), nullptr);
    EXPECT_EQ(box->Owner(), &owner);
    EXPECT_EQ(host.Form(), nullptr);

    TForm parent(nullptr), child(nullptr);
    child.SetParent(&parent);
    EXPECT_THROW(host.SetForm(&child), EComponentError);
}

TEST(Embedding, HostIsAQObjectAndHostsAFormOrControlOnlyOnce) {
    TEmbeddedHost first, second;
    QWidget* asWidget = &first;
    EXPECT_EQ(qobject_cast<TEmbeddedHost*>(asWidget), &first);
    EXPECT_STREQ(first.metaObject()->className(), "Orvo::TEmbeddedHost");

    auto* form = new TForm(first.Owner());
    first.SetForm(form);
    EXPECT_THROW(second.SetForm(form), EComponentError);
    EXPECT_EQ(first.Form(), form);
    EXPECT_EQ(second.Form(), nullptr);
    first.SetForm(form);  // the same host again is no second host
    EXPECT_EQ(first.Form(), form);

    TOrvoCheckBox* box = NewCheckBox(first.Owner(), nullptr, "Box", 0);
    first.SetControl(box);
    EXPECT_THROW(second.SetControl(box), EComponentError);
    EXPECT_EQ(first.Control(), box);
    first.Release();
    second.SetControl(box);  // let go: another host may take it
    EXPECT_EQ(second.Control(), box);
    second.Release();
}
