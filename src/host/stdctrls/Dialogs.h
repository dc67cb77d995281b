#pragma once
// The colour dialog: a non-visual component that runs the system's colour
// chooser (a QColorDialog) modally.
//
// Scripted answers: tests and the headless form tool cannot click in a
// modal dialog, so the process keeps a queue of answers. While the queue is
// not empty, Execute takes the next answer instead of showing the dialog:
// a colour (the user confirmed that colour) or no colour (the user
// cancelled). With the queue empty Execute shows the real dialog.
//
//     TColorDialog::QueueScriptedAnswer(clRed);        // next Execute: red, True
//     TColorDialog::QueueScriptedAnswer(std::nullopt); // the one after: cancel
//     TColorDialog::ClearScriptedAnswers();

#include <cstdint>
#include <deque>
#include <optional>

#include "host/framework/Classes.h"
#include "host/services/Colors.h"

namespace Orvo {

enum TColorDialogOption : std::uint8_t { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = TSet<TColorDialogOption>;

/// The dialog in which a user picks a colour.
class TColorDialog : public TComponent {
public:
    explicit TColorDialog(TComponent* owner);
    ~TColorDialog() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    // The colour the dialog opens with and, after a confirmed Execute, the
    // colour chosen.
    TColor Color() const { return FColor; }
    void SetColor(TColor color) { FColor = color; }
    TColorDialogOptions Options() const { return FOptions; }
    void SetOptions(TColorDialogOptions options) { FOptions = options; }
    // The dialog's sixteen custom colours as "ColorA=BBGGRR" ... "ColorP=..."
    // lines (the colour value in hexadecimal); other lines are ignored.
    TStrings* CustomColors() const { return FCustomColors.get(); }
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool v) { FCtl3D = v; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int v) { FHelpContext = v; }
    // Where a designer placed the component; kept and stored, not used.
    int Left() const { return FLeft; }
    void SetLeft(int v) { FLeft = v; }
    int Top() const { return FTop; }
    void SetTop(int v) { FTop = v; }

    // Runs the dialog modally (or takes the next scripted answer). True when
    // the user confirmed: Color then holds the chosen colour. On cancel
    // Color keeps its value.
    bool Execute();

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

    // ---- scripted answers (see the header comment)
    static void QueueScriptedAnswer(std::optional<TColor> answer);
    // Replaces the queue by exactly one answer.
    static void SetScriptedAnswer(std::optional<TColor> answer);
    static void ClearScriptedAnswers();
    static int ScriptedAnswerCount();

private:
    bool RunDialog();

    TColor FColor = clBlack;
    TColorDialogOptions FOptions;
    std::unique_ptr<TStringList> FCustomColors;
    bool FCtl3D = true;
    int FHelpContext = 0;
    int FLeft = 0;
    int FTop = 0;
};

}  // namespace Orvo
