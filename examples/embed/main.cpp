// Qt widgets and OrvoControls in one window: a QLineEdit, a library check
// box that enables a QPushButton, a library edit whose text shows in a
// QLabel, and a small library form read from its description, whose button
// reports the options into the same label. Tab runs through all of them in
// the order they stand.
//
// With --check [PNG] the program drives the window headless the way a user
// would (Tab round the window, a click on the check box, Alt+B in the form,
// a click on the form's button), optionally writes a PNG of the window, and
// exits 0 only when everything answered as it should.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host/qt/Automation.h"
#include "host/qt/EmbeddedHost.h"
#include "host/framework/Forms.h"
#include "host/framework/Streaming.h"
#include "orvo/OrvoCheckControls.h"
#include "orvo/OrvoEditControls.h"
#include "orvo/OrvoMiscControls.h"

using namespace Orvo;

namespace {

class TExampleWindow : public QMainWindow {
public:
    TExampleWindow() {
        setWindowTitle("Qt widgets and OrvoControls");
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);

        Name = new QLineEdit;
        Name->setPlaceholderText("Your name (a QLineEdit)");
        layout->addWidget(Name);

        // A single library control: the host makes the form it sits on, and
        // frees the control with itself because the control's owner is the
        // host's Owner().
        auto* enableHost = new TEmbeddedHost;
        Enable = new TOrvoCheckBox(enableHost->Owner());
        Enable->SetName("Enable");
        Enable->SetCaption("&Enable sending (a TOrvoCheckBox)");
        Enable->SetBounds(0, 0, 260, 21);
        Enable->SetHint("Enables the Qt button below");
        Enable->SetShowHint(true);
        enableHost->SetControl(Enable);
        layout->addWidget(enableHost);

        auto* noteHost = new TEmbeddedHost;
        Note = new TOrvoEdit(noteHost->Owner());
        Note->SetName("Note");
        Note->SetBounds(0, 0, 300, 21);
        Note->SetText("A note (a TOrvoEdit)");
        noteHost->SetControl(Note);
        layout->addWidget(noteHost);

        // A whole form from its description: transparent check boxes over a
        // gradient, and a shaped button.
        auto* optionsHost = new TEmbeddedHost;
        Options = new TForm(optionsHost->Owner());
        InitInheritedComponent(Options, "TOPTIONSFORM");
        optionsHost->SetForm(Options);
        layout->addWidget(optionsHost);
        Bold = dynamic_cast<TOrvoCheckBox*>(Options->FindComponent("Bold"));
        Italic = dynamic_cast<TOrvoCheckBox*>(Options->FindComponent("Italic"));
        Apply = dynamic_cast<TOrvoButton*>(Options->FindComponent("Apply"));

        Send = new QPushButton("&Send (a QPushButton)");
        Send->setEnabled(false);
        layout->addWidget(Send);
        Status = new QLabel("Nothing sent yet");
        layout->addWidget(Status);
        setCentralWidget(central);

        // The check box's state settles when its click is over (a key or
        // an accelerator toggles it after OnClick), so the button follows
        // it once the event is done.
        auto followCheckBox = [this] {
            QTimer::singleShot(0, Send, [this] { Send->setEnabled(Enable->Checked()); });
        };
        Enable->OnClick = [followCheckBox](TObject*) { followCheckBox(); };
        Enable->OnKeyUp = [followCheckBox](TObject*, Word&, TShiftState) { followCheckBox(); };
        Note->OnChange = [this](TObject*) { Status->setText(QString::fromStdString("Note: " + Note->Text())); };
        Apply->OnClick = [this](TObject*) {
            Status->setText(QString("Options: %1%2").arg(Bold->Checked() ? "bold " : "", Italic->Checked() ? "italic" : ""));
        };
        QObject::connect(Send, &QPushButton::clicked, Status, [this] { Status->setText("Sent by " + Name->text()); });
    }

    // Which stop of the Tab chain has the focus.
    std::string FocusName() const {
        if (Name->hasFocus()) return "Name";
        if (Send->hasFocus()) return "Send";
        for (TWinControl* c : {static_cast<TWinControl*>(Enable), static_cast<TWinControl*>(Note),
                               static_cast<TWinControl*>(Bold), static_cast<TWinControl*>(Italic),
                               static_cast<TWinControl*>(Apply)})
            if (c->Focused()) return c->Name();
        return "nothing";
    }

    QLineEdit* Name;
    TOrvoCheckBox* Enable;
    TOrvoEdit* Note;
    TForm* Options;
    TOrvoCheckBox* Bold;
    TOrvoCheckBox* Italic;
    TOrvoButton* Apply;
    QPushButton* Send;
    QLabel* Status;
};

int Fail(const std::string& what) {
    std::fprintf(stderr, "orvo_embed: %s\n", what.c_str());
    return 1;
}

std::string Joined(const std::vector<std::string>& names) {
    std::string s;
    for (const std::string& n : names) s += (s.empty() ? "" : " ") + n;
    return s;
}

// Tab from the line edit until the focus comes back to it.
std::vector<std::string> TabRound(TExampleWindow& w) {
    w.Name->setFocus();
    ProcessPendingPaints();
    std::vector<std::string> visited;
    for (int i = 0; i < 12; ++i) {
        SendKey(w.Options, VK_TAB);
        ProcessPendingPaints();
        visited.push_back(w.FocusName());
        if (visited.back() == "Name") break;
    }
    return visited;
}

int Check(TExampleWindow& w, const char* pngPath) {
    if (!w.Bold || !w.Italic || !w.Apply) return Fail("the options form lacks Bold, Italic or Apply");
    w.show();
    w.activateWindow();
    QApplication::setActiveWindow(&w);
    ProcessPendingPaints();

    const std::vector<std::string> first = TabRound(w);
    if (Joined(first) != "Enable Note Bold Italic Apply Name")
        return Fail("Tab went " + Joined(first) + " (the disabled button is passed over)");

    ClickMouse(w.Enable, ClientCentre(w.Enable));
    ProcessPendingPaints();
    if (!w.Enable->Checked() || !w.Send->isEnabled()) return Fail("a click on the check box did not enable Send");
    const std::vector<std::string> second = TabRound(w);
    if (Joined(second) != "Enable Note Bold Italic Apply Send Name") return Fail("Tab went " + Joined(second));

    // Alt+B while the focus is in the options form: its accelerator.
    w.Italic->SetFocus();
    SendAltChar(w.Options, 'b');
    ClickMouse(w.Apply, ClientCentre(w.Apply));
    ProcessPendingPaints();
    if (w.Status->text() != "Options: bold ") return Fail("Alt+B and Apply gave \"" + w.Status->text().toStdString() + "\"");

    if (pngPath && !w.grab().save(pngPath)) return Fail(std::string("cannot write ") + pngPath);
    std::printf("orvo_embed: Tab went round %zu stops and back twice; the check box enabled \"Send\"; %s\n",
                second.size() - 1, w.Status->text().toStdString().c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    if (check) {
        UseOffscreenPlatform();
        SilenceQtWarnings();
    }
    // The program's own Qt application; the framework uses it.
    QApplication app(argc, argv);
    Application->Initialize();
    try {
        TExampleWindow window;
        if (check) return Check(window, argc > 2 ? argv[2] : nullptr);
        window.show();
        return app.exec();
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}
