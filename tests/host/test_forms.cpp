// Forms, the application object, hints and the exception handler.
#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>

#include <string>

#include "controls_test_support.h"
#include "host/qt/Automation.h"
#include "host/framework/HintWindow.h"
#include "host/qt/HostWidget.h"
#include "host/services/Resources.h"

using namespace Orvo;

namespace {

// A control that form descriptions can name.
class TFormsTestBox : public TCustomControl {
public:
    explicit TFormsTestBox(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 50, 20); }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo() {
        static const TClassInfo info = [] {
            TClassInfo i("TFormsTestBox", &TCustomControl::StaticClassInfo(),
                         [](TComponent* owner) -> TComponent* { return new TFormsTestBox(owner); });
            TClassBuilder<TFormsTestBox>(i).Publish(
                {"Caption", "Color", "Hint", "ParentColor", "ShowHint", "TabOrder", "TabStop", "OnClick"});
            return i;
        }();
        return info;
    }
};

const char* const kFormText =
    "object FormsTestForm: TFormsTestForm\n"
    "  Left = 10\n"
    "  Top = 20\n"
    "  BorderStyle = bsDialog\n"
    "  Caption = 'Loaded form'\n"
    "  ClientHeight = 294\n"
    "  ClientWidth = 645\n"
    "  Color = clBtnFace\n"
    "  OldCreateOrder = False\n"
    "  OnCreate = FormCreate\n"
    "  PixelsPerInch = 96\n"
    "  TextHeight = 13\n"
    "  object Box1: TFormsTestBox\n"
    "    Left = 8\n"
    "    Top = 9\n"
    "    Width = 60\n"
    "    Height = 21\n"
    "    Caption = '&Box'\n"
    "    Hint = 'first'#13'second'\n"
    "    ShowHint = True\n"
    "    TabOrder = 0\n"
    "    OnClick = Box1Click\n"
    "  end\n"
    "end\n";

const std::string_view kFormTextView(kFormText);
const TResourceRegistration kFormResource(
    TResourceType::FormDescription, "TFORMSTESTFORM",
    std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(kFormTextView.data()), kFormTextView.size()));

class TFormsTestForm : public TForm {
public:
    explicit TFormsTestForm(TComponent* owner) : TForm(owner) { InitFromResource("TFORMSTESTFORM"); }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo() {
        static const TClassInfo info("TFormsTestForm", &TForm::StaticClassInfo());
        return info;
    }
    const TMethodTable* MethodTable() const override {
        static const TMethodTable table = [] {
            TMethodTable t;
            t.Add("FormCreate", &TFormsTestForm::FormCreate);
            t.Add("Box1Click", &TFormsTestForm::Box1Click);
            return t;
        }();
        return &table;
    }

    void FormCreate(TObject*) {
        // Runs after loading: the stored controls exist already.
        CreateSawBox = FindComponent("Box1") != nullptr;
        ++Creates;
    }
    void Box1Click(TObject*) { ++Clicks; }

    int Creates = 0;
    int Clicks = 0;
    bool CreateSawBox = false;
};

const bool kRegistered = [] {
    RegisterClass(TFormsTestBox::StaticClassInfo());
    return true;
}();

}  // namespace

TEST(Forms, ClientSizeExcludesTheFrameAndADialogIsFixed) {
    TForm form(nullptr);
    form.SetBorderStyle(bsDialog);
    form.SetClientWidth(645);
    form.SetClientHeight(294);
    const TSize nc = TCustomForm::NonClientExtent(bsDialog);
    EXPECT_EQ(form.Width(), 645 + nc.cx);
    EXPECT_EQ(form.Height(), 294 + nc.cy);
    EXPECT_EQ(form.ClientRect(), Rect(0, 0, 645, 294));
    ShowFormForAutomation(&form);
    QWidget* w = form.Widget();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->size(), QSize(645, 294));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());  // not resizable
    EXPECT_FALSE(GetWindowLong(form.Handle(), GWL_STYLE) & LONG(WS_THICKFRAME));
}

TEST(Forms, SizeableFormFollowsTheWindowSize) {
    TForm form(nullptr);
    form.SetClientWidth(200);
    form.SetClientHeight(100);
    ShowFormForAutomation(&form);
    form.Widget()->resize(300, 150);
    ProcessPendingPaints();
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 150);
}

TEST(Forms, ScreenCenterPlacesTheFormInTheMiddleOfTheScreen) {
    TForm form(nullptr);
    form.SetBounds(3, 4, 200, 100);
    form.SetPosition(poScreenCenter);
    ShowFormForAutomation(&form);
    EXPECT_EQ(form.Left(), (Screen->Width() - 200) / 2);
    EXPECT_EQ(form.Top(), (Screen->Height() - 100) / 2);
    EXPECT_EQ(form.Widget()->pos(), QPoint(form.Left(), form.Top()));

    TForm designed(nullptr);
    designed.SetBounds(3, 4, 200, 100);
    ShowFormForAutomation(&designed);
    EXPECT_EQ(designed.Left(), 3);
    EXPECT_EQ(designed.Top(), 4);
}

TEST(Forms, FrameworkDefaults) {
    TForm form(nullptr);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.Color(), clBtnFace);
    EXPECT_FALSE(form.ParentColor());
    EXPECT_EQ(form.BorderStyle(), bsSizeable);
    EXPECT_EQ(form.BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize, biMaximize}));
    EXPECT_EQ(form.Position(), poDesigned);
    EXPECT_EQ(form.Font()->Name(), "MS Sans Serif");
    EXPECT_TRUE(form.ControlStyle().Contains(csAcceptsControls));
    const TClassInfo& info = TForm::StaticClassInfo();
    EXPECT_EQ(*info.FindPublished("Visible")->Default, TValue::Bool(false));
    EXPECT_EQ(info.Published.back().Name, "TextHeight");
    // Without scrolling the client size is stored, not the outer size.
    form.SetAutoScroll(false);
    EXPECT_FALSE(info.FindPublished("Width")->IsStored(form));
    EXPECT_TRUE(info.FindPublished("ClientWidth")->IsStored(form));
    EXPECT_EQ(FindClass("TForm"), &info);
}

TEST(Forms, ShowCloseAndTheirEvents) {
    TForm form(nullptr);
    std::vector<std::string> log;
    form.OnShow = [&](TObject*) { log.push_back(form.Widget()->isVisible() ? "show-visible" : "show"); };
    form.OnCloseQuery = [&](TObject*, bool& canClose) {
        log.push_back("query");
        canClose = log.size() > 2;  // refuses the first time
    };
    form.OnClose = [&](TObject*, TCloseAction& action) {
        log.push_back("close");
        EXPECT_EQ(action, caHide);
    };
    form.OnHide = [&](TObject*) { log.push_back("hide"); };
    form.Show();
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.Widget()->isVisible());
    form.Close();
    EXPECT_TRUE(form.Visible());
    form.Close();
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Widget()->isVisible());
    EXPECT_EQ(log, (std::vector<std::string>{"show", "query", "query", "close", "hide"}));
}

TEST(Forms, CloseActionNoneKeepsTheFormAndFreeReleasesIt) {
    auto* form = new TForm(nullptr);
    form->Show();
    TCloseAction decided = caNone;
    form->OnClose = [&](TObject*, TCloseAction& action) { action = decided; };
    form->Close();
    EXPECT_TRUE(form->Visible());
    decided = caFree;
    TComponentGuard guard(form);
    form->Close();
    EXPECT_FALSE(guard.Destroyed());  // freed once the current events are done
    ProcessPendingPaints();
    EXPECT_TRUE(guard.Destroyed());
}

TEST(Forms, ClosingTheWindowClosesTheForm) {
    TForm form(nullptr);
    int closes = 0;
    form.OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    ShowFormForAutomation(&form);
    form.Widget()->close();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(form.Visible());
}

TEST(Forms, ShowModalRunsUntilModalResultIsSet) {
    TForm form(nullptr);
    // The timers are tied to the form's window, so none outlives the test.
    form.OnShow = [&](TObject*) { QTimer::singleShot(0, form.Widget(), [&] { form.SetModalResult(mrOk); }); };
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.Visible());
    form.OnShow = [&](TObject*) { QTimer::singleShot(0, form.Widget(), [&] { form.Close(); }); };
    EXPECT_EQ(form.ShowModal(), mrCancel);
    form.OnShow = nullptr;
    form.Show();
    EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

TEST(Forms, ActiveControlIsFocusedWhenTheFormIsShown) {
    TForm form(nullptr);
    auto* a = new TRecordingControl(&form);
    a->SetParent(&form);
    a->SetTabStop(true);
    auto* b = new TRecordingControl(&form);
    b->SetParent(&form);
    b->SetTabStop(true);
    form.SetActiveControl(b);
    ShowFormForAutomation(&form);
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(form.ActiveControl(), b);
    delete b;  // the reference does not outlive the control
    EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST(Forms, FormReadFromItsDescriptionRunsOnCreateAfterLoading) {
    TFormsTestForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Application->MainForm(), form);
    EXPECT_EQ(form->Creates, 1);
    EXPECT_TRUE(form->CreateSawBox);
    EXPECT_EQ(form->Caption(), "Loaded form");
    EXPECT_EQ(form->ClientWidth(), 645);
    EXPECT_EQ(form->ClientHeight(), 294);
    EXPECT_EQ(form->BorderStyle(), bsDialog);
    auto* box = dynamic_cast<TFormsTestBox*>(form->FindComponent("Box1"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Parent(), form);
    EXPECT_EQ(box->BoundsRect(), Rect(8, 9, 68, 30));
    EXPECT_EQ(box->Color(), clBtnFace);  // ParentColor took the form's
    EXPECT_FALSE(box->ComponentState().Contains(csLoading));
    EXPECT_EQ(box->Hint(), "first\rsecond");

    // Stored children are listed for writing, and the events are bound.
    std::vector<TComponent*> children;
    form->GetChildren([&](TComponent* c) { children.push_back(c); }, form);
    EXPECT_EQ(children, std::vector<TComponent*>{box});
    ShowFormForAutomation(form);
    ClickMouse(box, Point(5, 5));
    EXPECT_EQ(form->Clicks, 1);

    // Closing the main form ends the application's run.
    form->Close();
    EXPECT_TRUE(Application->Terminated());
    Application->FreeForms();
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST(Forms, RunShowsTheMainFormAndReturnsWhenItCloses) {
    TForm* form = nullptr;
    Application->CreateForm(form);
    bool shown = false;
    form->OnShow = [&](TObject*) {
        shown = true;
        QTimer::singleShot(0, form->Widget(), [form] { form->Close(); });
    };
    TComponentGuard guard(form);
    Application->Run();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(guard.Destroyed());  // Run frees the forms at the end
    EXPECT_EQ(Application->MainForm(), nullptr);
}

// ---------------------------------------------------------------- hints

TEST(Hints, CarriageReturnStartsASecondLineAndAmpersandsStay) {
    TForm form(nullptr);
    auto* c = new TRecordingControl(&form);
    c->SetParent(&form);
    c->SetBounds(10, 10, 50, 20);
    c->SetHint(std::string("first line") + '\r' + "second & line");
    c->SetShowHint(true);
    ShowFormForAutomation(&form);
    ASSERT_TRUE(Application->ActivateHint(c));
    THintWindow* hint = Application->HintWindow();
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->Active());
    EXPECT_EQ(hint->Caption(), c->Hint());

    // Two lines high, as wide as the wider line with its ampersand shown.
    hint->Canvas()->SetFont(hint->Font());
    const int lineHeight = hint->Canvas()->TextHeight("Xg");
    const int wide = hint->Canvas()->TextWidth("second & line");
    const TRect r = hint->CalcHintRect(1000, hint->Caption());
    const TRect oneLine = hint->CalcHintRect(1000, "first line");
    EXPECT_EQ(r.Height() - oneLine.Height(), lineHeight);
    EXPECT_EQ(r.Width() - hint->CalcHintRect(1000, "").Width(), wide);
    EXPECT_GT(hint->CalcHintRect(1000, "a&b").Width(), hint->CalcHintRect(1000, "ab").Width());

    // Both lines are drawn: dark text pixels (black, antialiased, on the
    // light hint colour) in the upper and the lower half.
    ProcessPendingPaints();
    const QImage shot = hint->Widget()->grab().toImage();
    ASSERT_EQ(ColorToRGB(clInfoText), COLORREF(0));
    auto inkIn = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = 2; x < shot.width() - 2; ++x)
                if (qGray(shot.pixel(x, y)) < 100) return true;
        return false;
    };
    const TRect t = hint->TextRect();
    EXPECT_TRUE(inkIn(t.Top, t.Top + lineHeight));
    EXPECT_TRUE(inkIn(t.Top + lineHeight, t.Top + 2 * lineHeight));

    Application->CancelHint();
    EXPECT_FALSE(hint->Active());
    EXPECT_FALSE(hint->HandleAllocated());
}

TEST(Hints, NoHintWithoutShowHintOrText) {
    TRecordingControl c(nullptr);
    c.SetHint("text");
    EXPECT_FALSE(Application->ActivateHint(&c));  // ShowHint is off
    c.SetShowHint(true);
    c.SetHint("|only the long part");
    EXPECT_FALSE(Application->ActivateHint(&c));
    EXPECT_EQ(TApplication::GetShortHint("short|long"), "short");
    EXPECT_EQ(TApplication::GetLongHint("short|long"), "long");
    EXPECT_EQ(TApplication::GetLongHint("both"), "both");
}

TEST(Hints, ParentShowHintFollowsTheParent) {
    TComponent owner(nullptr);
    auto* parent = new TRecordingControl(&owner);
    auto* child = new TRecordingGraphic(&owner);
    child->SetParent(parent);
    parent->SetShowHint(true);
    EXPECT_TRUE(child->ShowHint());
    EXPECT_TRUE(child->ParentShowHint());
    child->SetShowHint(false);
    EXPECT_FALSE(child->ParentShowHint());
    parent->SetShowHint(false);
    parent->SetShowHint(true);
    EXPECT_FALSE(child->ShowHint());
}

// ---------------------------------------------------------------- exceptions

TEST(ApplicationExceptions, HandlerGetsSenderAndExceptionOrStderrGetsTheMessage) {
    TRecordingControl sender(nullptr);
    TObject* seen = nullptr;
    std::string message;
    Application->OnException = [&](TObject* s, const std::exception& e) {
        seen = s;
        message = e.what();
    };
    try {
        throw std::runtime_error("boom");
    } catch (...) {
        Application->HandleException(&sender);
    }
    EXPECT_EQ(seen, &sender);
    EXPECT_EQ(message, "boom");

    Application->OnException = nullptr;
    testing::internal::CaptureStderr();
    try {
        throw 42;  // not a std::exception
    } catch (...) {
        Application->HandleException(&sender);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Exception: unknown exception\n");
}

TEST(ApplicationExceptions, NotificationFromAWindowGoesToTheHandler) {
    class TThrower : public TRecordingControl {
    public:
        using TRecordingControl::TRecordingControl;
        void WndProc(TMessage& m) override {
            if (m.Msg == CN_COMMAND) throw std::runtime_error("in CN_COMMAND");
            TRecordingControl::WndProc(m);
        }
    };
    TThrower c(nullptr);
    TObject* seen = nullptr;
    Application->OnException = [&](TObject* s, const std::exception&) { seen = s; };
    EXPECT_EQ(c.SendNotification(CN_COMMAND, MAKELPARAM(0, BN_CLICKED), 0), 0);
    Application->OnException = nullptr;
    EXPECT_EQ(seen, &c);
    // Perform itself lets the exception travel to the caller.
    EXPECT_THROW(c.Perform(CN_COMMAND, 0, 0), std::runtime_error);
}

namespace {
std::vector<std::string>* gWarnings = nullptr;
}  // namespace

TEST(Forms, AControlLeftWithoutAParentIsNamedWhenTheFormShows) {
    std::vector<std::string> warnings;
    gWarnings = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
        if (gWarnings) gWarnings->push_back(m.toStdString());
    });
    {
        TForm form(nullptr);
        form.SetName("Settings");
        auto* placed = new TFormsTestBox(&form);
        placed->SetParent(&form);
        auto* forgotten = new TFormsTestBox(&form);
        forgotten->SetName("Forgotten");
        ShowFormForAutomation(&form);
    }
    qInstallMessageHandler(previous);
    gWarnings = nullptr;
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0],
              "OrvoControls: Forgotten (TFormsTestBox) belongs to the form Settings but has no parent, so it is not "
              "shown: give it one with SetParent");
}
