// The edit and the memo: system edit windows over Qt's text widgets.
//
//   (first)            helpers: the bare style, the case validator, the
//                      picture an edit window's background is painted in
//   ---- Qt windows    TEditWindow (a QLineEdit), TMemoWindow (a
//                      QPlainTextEdit)
//   ---- TCustomEdit   what both share: properties, selection, WndProc
//   ---- TEdit         the one-line edit
//   ---- TMemo         the memo
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QValidator>

#include <algorithm>
#include <limits>

#include "host/framework/ControlWidgets.h"
#include "host/services/DeviceContextQt.h"
#include "host/services/DevicePixelScale.h"
#include "host/services/ShowingRect.h"
#include "host/stdctrls/StdCtrls.h"
#include "host/stdctrls/StdCtrlsSupport.h"

namespace Orvo {

using namespace stdctrls;

namespace {

// The framework draws an edit's background and border itself (through the
// colour messages), so the style must draw no panel or frame of its own.
class TBareEditStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelLineEdit || element == PE_FrameLineEdit || element == PE_Frame) return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    // A memo's scroll bars lie inside its border, as a system edit's do.
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ScrollView_FrameOnlyAroundContents) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Converts text as an edit's CharCase asks (ES_UPPERCASE, ES_LOWERCASE).
QString Cased(const QString& text, TEditCharCase charCase) {
    switch (charCase) {
        case ecUpperCase: return text.toUpper();
        case ecLowerCase: return text.toLower();
        default: return text;
    }
}

// Keeps a line edit's text in one case, whatever reaches it: typing,
// pasting, dropping, the input method.
class TCaseValidator : public QValidator {
public:
    TCaseValidator(TEditCharCase charCase, QObject* parent) : QValidator(parent), FCharCase(charCase) {}
    State validate(QString& input, int&) const override {
        input = Cased(input, FCharCase);
        return Acceptable;
    }

private:
    TEditCharCase FCharCase;
};

// The room a memo keeps between its border and its text, left and right
// (besides the document's own margin of one pixel).
constexpr int kMemoTextMargin = 2;

QStyle* BareEditStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new TBareEditStyle;
        style->setParent(qApp);  // freed with the application object
    }
    return style;
}

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
std::string FromQString(const QString& text) { return text.toUtf8().toStdString(); }

// Window text uses CR LF between lines; the Qt widgets use LF.
QString ToWidgetText(const std::string& text) {
    QString s = ToQString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}
std::string FromWidgetText(const QString& text) {
    QString s = text;
    s.replace(QChar('\n'), QStringLiteral("\r\n"));
    return FromQString(s);
}

Qt::Alignment AlignmentOfStyle(std::uint32_t style) {
    switch (style & ES_ALIGNMASK) {
        case ES_RIGHT: return Qt::AlignRight;
        case ES_CENTER: return Qt::AlignHCenter;
        default: return Qt::AlignLeft;
    }
}

// One paint of an edit window's background: the erase, the colour answer
// and the border, in an image of the part of the window its parents let
// show (the whole window unless they cut it), whose top-left corner lies at
// Corner in the window.
struct TEditBackground {
    QImage Image;
    QPoint Corner;
    QColor TextColor;
};

TEditBackground RenderEditBackground(TCustomEdit* control, const QWidget& window, int scale) {
    TEditBackground result;
    const QSize size = window.size();
    const QRect showing = ShowingRect(window);
    result.Corner = showing.topLeft();
    result.Image = QImage(showing.size().expandedTo(QSize(1, 1)) * scale, QImage::Format_RGB32);
    result.Image.fill(Qt::white);
    std::unique_ptr<TDeviceContext> dc = CreateImageDC(result.Image, scale);
    SetViewportOrgEx(dc.get(), -result.Corner.x(), -result.Corner.y(), nullptr);
    SelectObject(dc.get(), control->Font()->Handle());
    // What the window draws its text with unless the colour answer says
    // otherwise: the control's font colour (an answer that only makes the
    // background transparent keeps the text in the colour the font asks).
    SetTextColor(dc.get(), control->Font()->Color());
    SetBkColor(dc.get(), clWindow);

    TComponentGuard guard(control);
    DispatchToControl(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
    if (guard.Destroyed()) return result;
    const UINT request = control->ReadOnly() || !control->Enabled() ? CN_CTLCOLORSTATIC : CN_CTLCOLOREDIT;
    auto* brush = reinterpret_cast<HBRUSH>(DispatchToControl(control, request, reinterpret_cast<WPARAM>(dc.get()),
                                                             reinterpret_cast<LPARAM>(control->Widget())));
    if (guard.Destroyed()) return result;

    TRect all = Rect(0, 0, size.width(), size.height());
    TRect inner = all;
    const int border = control->BorderWidth();
    InflateRect(inner, -border, -border);
    if (brush && brush->Style != BS_NULL) Orvo::FillRect(dc.get(), inner, brush);
    if (border > 0) DrawControlBorder(dc.get(), all, border == kSunkenBorderWidth);

    // A disabled edit shows its text grey whatever the answer said.
    result.TextColor = ToQColor(control->Enabled() ? TColor(GetTextColor(dc.get())) : clGrayText);
    // Drawn at the window's density, shown at its logical size.
    if (scale != 1) result.Image.setDevicePixelRatio(scale);
    return result;
}

// Gives a text widget the colours the framework's paint decided: the text
// colour of the answer, no background of its own (the framework painted
// it) and the system's selection colours. An edit window hides its
// selection while it does not have the focus, unless ES_NOHIDESEL.
void ApplyTextPalette(QWidget* widget, const QColor& text, const TCustomEdit* control) {
    const bool showSelection = widget->hasFocus() || (control->WindowStyle() & ES_NOHIDESEL);
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Base, Qt::transparent);
        palette.setColor(group, QPalette::Window, Qt::transparent);
        palette.setColor(group, QPalette::Highlight, showSelection ? ToQColor(clHighlight) : QColor(Qt::transparent));
        palette.setColor(group, QPalette::HighlightedText, showSelection ? ToQColor(clHighlightText) : text);
    }
    if (palette != widget->palette()) widget->setPalette(palette);
}

unsigned ScrollCodeOf(int action, const QScrollBar* bar, bool& report) {
    report = true;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
        case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
        case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
        case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
        case QAbstractSlider::SliderToMinimum: return SB_TOP;
        case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
        case QAbstractSlider::SliderMove:
            // Dragging the thumb; a wheel turn also moves the slider but is
            // not a scroll-bar action of the window.
            report = bar->isSliderDown();
            return SB_THUMBTRACK;
        default:
            report = false;
            return SB_ENDSCROLL;
    }
}

// Applies a scroll request that did not come from the scroll bar itself.
void ApplyScrollRequest(QScrollBar* bar, unsigned code, int position) {
    if (!bar) return;
    switch (code) {
        case SB_LINEUP: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
        case SB_LINEDOWN: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
        case SB_PAGEUP: bar->triggerAction(QAbstractSlider::SliderPageStepSub); break;
        case SB_PAGEDOWN: bar->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
        case SB_TOP: bar->triggerAction(QAbstractSlider::SliderToMinimum); break;
        case SB_BOTTOM: bar->triggerAction(QAbstractSlider::SliderToMaximum); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: bar->setValue(position); break;
        default: break;
    }
}

}  // namespace

// ---------------------------------------------------------------- Qt windows

// The single-line edit window.
class TEditWindow : public QLineEdit {
public:
    TEditWindow(TCustomEdit* control, QWidget* parent) : QLineEdit(parent), FControl(control) {
        setFrame(false);
        setStyle(BareEditStyle());
        setAutoFillBackground(false);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        const TEditBackground background = RenderEditBackground(FControl, *this, DevicePixelScale(*this));
        if (ControlOfWidget(this) != FControl) return;  // destroyed meanwhile
        {
            QPainter painter(this);
            PrepareBufferCopy(painter, *this);
            painter.drawImage(background.Corner, background.Image);
        }
        ApplyTextPalette(this, background.TextColor, FControl);
        QLineEdit::paintEvent(e);
        CoverCutLetter(background);
    }

    void focusOutEvent(QFocusEvent* e) override {
        // The system's edit keeps its selection when the focus leaves (and
        // hides it unless ES_NOHIDESEL); Qt's drops it.
        const int start = selectionStart();
        const int length = int(selectedText().size());
        const bool caretAtStart = length > 0 && cursorPosition() == start;
        QLineEdit::focusOutEvent(e);
        if (length > 0 && !hasSelectedText()) {
            if (caretAtStart) setSelection(start + length, -length);
            else setSelection(start, length);
        }
    }

private:
    // Text scrolled to the left shows from its first whole letter, as the
    // system's edit scrolls it: Qt's would leave a sliver of the letter cut
    // at the left edge (it draws into the margin beside the text). That
    // part is covered with the background again.
    void CoverCutLetter(const TEditBackground& background) {
        const QRect area = contentsRect().marginsRemoved(textMargins());
        const QString shown = displayText();
        if (shown.isEmpty() || fontMetrics().horizontalAdvance(shown) < area.width() - 2 * kLineMargin) return;
        // Where the caret is, on the widget and in the line of text: the
        // caret's rectangle is centred on it.
        const QRect caret = cursorRect();
        const int caretX = caret.x() + caret.width() / 2;
        QTextLayout layout(shown, font());
        QTextOption option = layout.textOption();
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        if (!line.isValid()) return;
        const qreal origin = caretX - line.cursorToX(cursorPosition());
        // The first letter that begins at or right of the text's left edge.
        int coverTo = area.left();
        for (int i = 0; i <= shown.size(); ++i) {
            const int x = qRound(origin + line.cursorToX(i));
            if (x >= area.left()) {
                coverTo = x;
                break;
            }
        }
        if (coverTo <= area.left()) return;
        QPainter painter(this);
        PrepareBufferCopy(painter, *this);
        const int scale = int(background.Image.devicePixelRatio());
        const QRect held(background.Corner, background.Image.size() / scale);
        const QRect strip = QRect(area.left(), area.top(), coverTo - area.left(), area.height()) & held;
        if (strip.isEmpty()) return;
        const QRect source = strip.translated(-background.Corner);
        painter.drawImage(strip, background.Image,
                          QRect(source.x() * scale, source.y() * scale, source.width() * scale, source.height() * scale));
    }

    // Qt's line edit keeps this much room between its text area and the text.
    static constexpr int kLineMargin = 2;
    TCustomEdit* FControl;
};

// The multi-line edit window. Its outer widget shows the border and the
// background round the viewport; the viewport shows the same picture under
// the text.
class TMemoWindow : public QPlainTextEdit {
public:
    TMemoWindow(TMemo* control, QWidget* parent) : QPlainTextEdit(parent), FControl(control) {
        setFrameStyle(QFrame::NoFrame);
        setStyle(BareEditStyle());
        viewport()->setAutoFillBackground(false);
        setAutoFillBackground(false);
    }

    void ApplyScroll(UINT msg, unsigned code, int position) {
        ApplyScrollRequest(msg == WM_VSCROLL ? verticalScrollBar() : horizontalScrollBar(), code, position);
    }
    int TopLine() const { return firstVisibleBlock().blockNumber(); }
    // The room between the border and the text, left and right.
    void SetTextMargins(int margin) { setViewportMargins(margin, 0, margin, 0); }

    // Scroll-bar actions are reported before the view moves.
    bool FReportingScroll = false;

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            const TEditBackground background = RenderEditBackground(FControl, *this, DevicePixelScale(*this));
            if (ControlOfWidget(this) != FControl) return true;
            QPainter painter(this);
            painter.setClipRegion(static_cast<QPaintEvent*>(e)->region());
            PrepareBufferCopy(painter, *this);
            painter.drawImage(background.Corner, background.Image);
            return true;
        }
        return QPlainTextEdit::event(e);
    }

    void paintEvent(QPaintEvent* e) override {
        const TEditBackground background = RenderEditBackground(FControl, *this, DevicePixelScale(*this));
        if (ControlOfWidget(this) != FControl) return;
        {
            QPainter painter(viewport());
            PrepareBufferCopy(painter, *this);
            painter.drawImage(background.Corner - viewport()->pos(), background.Image);
        }
        ApplyTextPalette(this, background.TextColor, FControl);
        QPlainTextEdit::paintEvent(e);
    }

    // CharCase: what is typed, pasted, dropped or composed comes in the
    // case the memo keeps.
    void keyPressEvent(QKeyEvent* e) override {
        const QString text = Cased(e->text(), FControl->CharCase());
        if (text == e->text()) {
            QPlainTextEdit::keyPressEvent(e);
            return;
        }
        QKeyEvent cased(e->type(), e->key(), e->modifiers(), e->nativeScanCode(), e->nativeVirtualKey(),
                        e->nativeModifiers(), text, e->isAutoRepeat(), e->count());
        QPlainTextEdit::keyPressEvent(&cased);
        e->setAccepted(cased.isAccepted());
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (FControl->CharCase() == ecNormal || !source->hasText()) {
            QPlainTextEdit::insertFromMimeData(source);
            return;
        }
        QMimeData cased;
        cased.setText(Cased(source->text(), FControl->CharCase()));
        QPlainTextEdit::insertFromMimeData(&cased);
    }
    void inputMethodEvent(QInputMethodEvent* e) override {
        if (FControl->CharCase() != ecNormal && !e->commitString().isEmpty())
            e->setCommitString(Cased(e->commitString(), FControl->CharCase()), e->replacementStart(),
                               e->replacementLength());
        QPlainTextEdit::inputMethodEvent(e);
    }

private:
    TMemo* FControl;
};

// ---------------------------------------------------------------- TCustomEdit

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    FControlStyle = TControlStyle{csClickEvents, csSetCaption, csDoubleClicks};
    SetParentColor(false);
    SetTabStop(true);
}

TCustomEdit::~TCustomEdit() = default;

const TClassInfo& TCustomEdit::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TCustomEdit", &TWinControl::StaticClassInfo());
        using C = TCustomEdit;
        TClassBuilder<C>(i)
            .Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, {"bsNone", "bsSingle"})
            .DefaultIdent("bsSingle")
            .Enum("CharCase", &C::CharCase, &C::SetCharCase, {"ecNormal", "ecUpperCase", "ecLowerCase"})
            .DefaultIdent("ecNormal")
            .Bool("HideSelection", &C::HideSelection, &C::SetHideSelection)
            .Default(true)
            .Int("MaxLength", &C::MaxLength, &C::SetMaxLength, 0)
            .DefaultInt(0)
            .Bool("OEMConvert", &C::OEMConvert, &C::SetOEMConvert)
            .Default(false)
            .Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
            .Default(false)
            .WindowText("Text", &C::Text, &C::SetText)
            .DefaultStr("")
            .Event("OnChange", &C::OnChange);
        return i;
    }();
    return info;
}
const TClassInfo& TCustomEdit::ClassInfo() const { return StaticClassInfo(); }

void TCustomEdit::SetBorderStyle(TControlBorderStyle v) {
    if (v != bsNone && v != bsSingle) v = bsSingle;
    if (v == FBorderStyle) return;
    FBorderStyle = v;
    RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase v) {
    if (v == FCharCase) return;
    FCharCase = v;
    RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool v) {
    if (v == FHideSelection) return;
    FHideSelection = v;
    RecreateWnd();
}

void TCustomEdit::SetOEMConvert(bool v) {
    if (v == FOEMConvert) return;
    FOEMConvert = v;
    if (HandleAllocated()) SetWindowStyle(v ? WindowStyle() | ES_OEMCONVERT : WindowStyle() & ~ES_OEMCONVERT);
}

std::string TCustomEdit::CasedText(const std::string& text) const {
    if (FCharCase == ecNormal) return text;
    return FromQString(Cased(ToQString(text), FCharCase));
}

void TCustomEdit::SetMaxLength(int v) {
    FMaxLength = std::max(v, 0);
    if (auto* edit = dynamic_cast<QLineEdit*>(Widget()))
        edit->setMaxLength(FMaxLength > 0 ? FMaxLength : std::numeric_limits<int>::max());
}

void TCustomEdit::SetReadOnly(bool v) {
    if (v == FReadOnly) return;
    FReadOnly = v;
    if (!HandleAllocated()) return;
    SetWindowStyle(v ? WindowStyle() | ES_READONLY : WindowStyle() & ~ES_READONLY);
    if (auto* edit = dynamic_cast<QLineEdit*>(Widget())) edit->setReadOnly(v);
    if (auto* memo = dynamic_cast<QPlainTextEdit*>(Widget())) memo->setReadOnly(v);
    ApplyImeMode();  // the window opened itself to the input method again
    Invalidate();
}

int TCustomEdit::BorderWidthFor(const TCreateParams& params) const {
    if (params.ExStyle & WS_EX_CLIENTEDGE) return kSunkenBorderWidth;
    if (params.Style & WS_BORDER) return kFlatBorderWidth;
    return 0;
}

int TCustomEdit::BorderWidth() const {
    if (!HandleAllocated()) return 0;
    if (WindowExStyle() & WS_EX_CLIENTEDGE) return kSunkenBorderWidth;
    if (WindowStyle() & WS_BORDER) return kFlatBorderWidth;
    return 0;
}

int TCustomEdit::SelStart() const {
    if (auto* edit = dynamic_cast<QLineEdit*>(Widget()))
        return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    if (auto* memo = dynamic_cast<QPlainTextEdit*>(Widget())) return memo->textCursor().selectionStart();
    return 0;
}

int TCustomEdit::SelLength() const {
    if (auto* edit = dynamic_cast<QLineEdit*>(Widget())) return int(edit->selectedText().size());
    if (auto* memo = dynamic_cast<QPlainTextEdit*>(Widget())) {
        const QTextCursor cursor = memo->textCursor();
        return cursor.selectionEnd() - cursor.selectionStart();
    }
    return 0;
}

void TCustomEdit::SetSelStart(int start) {
    if (auto* edit = dynamic_cast<QLineEdit*>(Widget())) edit->setCursorPosition(std::max(start, 0));
    if (auto* memo = dynamic_cast<QPlainTextEdit*>(Widget())) {
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(std::clamp(start, 0, memo->document()->characterCount() - 1));
        memo->setTextCursor(cursor);
    }
}

void TCustomEdit::SetSelLength(int length) {
    const int start = SelStart();
    if (auto* edit = dynamic_cast<QLineEdit*>(Widget())) edit->setSelection(start, std::max(length, 0));
    if (auto* memo = dynamic_cast<QPlainTextEdit*>(Widget())) {
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(std::clamp(start + std::max(length, 0), 0, memo->document()->characterCount() - 1),
                           QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    }
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (FReadOnly) params.Style |= ES_READONLY;
    if (FCharCase == ecUpperCase) params.Style |= ES_UPPERCASE;
    if (FCharCase == ecLowerCase) params.Style |= ES_LOWERCASE;
    if (!FHideSelection) params.Style |= ES_NOHIDESEL;
    if (FOEMConvert) params.Style |= ES_OEMCONVERT;
    if (FBorderStyle == bsSingle) {
        // The framework's Ctl3D border: a sunken client edge, or a flat frame.
        if (Ctl3D()) params.ExStyle |= WS_EX_CLIENTEDGE;
        else params.Style |= WS_BORDER;
    }
}

void TCustomEdit::CreateWnd() {
    FCreating = true;
    try {
        TWinControl::CreateWnd();
    } catch (...) {
        FCreating = false;
        throw;
    }
    FCreating = false;
}

void TCustomEdit::Change() {
    NotifyStateChanged();
    OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_COMMAND:
            if (HIWORD(message.WParam) == EN_CHANGE && !FCreating) Change();
            return;
        case CM_CTL3DCHANGED:
            TWinControl::WndProc(message);
            if (FBorderStyle == bsSingle) RecreateWnd();
            return;
        case CM_FONTCHANGED:
            TWinControl::WndProc(message);
            if (HandleAllocated()) ApplyFont();
            return;
        case CM_COLORCHANGED:
        case CM_ENABLEDCHANGED:
            TWinControl::WndProc(message);
            Invalidate();
            return;
        default:
            TWinControl::WndProc(message);
    }
}

// ---------------------------------------------------------------- TEdit

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) { SetBounds(Left(), Top(), 121, 21); }

const TClassInfo& TEdit::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TEdit", &TCustomEdit::StaticClassInfo(), [](TComponent* owner) { return new TEdit(owner); });
        using C = TEdit;
        TClassBuilder<C>(i)
            .Bool("AutoSelect", &C::AutoSelect, &C::SetAutoSelect)
            .Default(true)
            .Bool("AutoSize", &C::AutoSize, &C::SetAutoSize)
            .Default(true)
            .Raw(
                "PasswordChar", TPropKind::Integer,
                [](const C& c) -> std::optional<TValue> {
                    return TValue::Str(c.PasswordChar() ? std::string(1, c.PasswordChar()) : std::string());
                },
                [](C& c, const TValue& v) {
                    if (v.kind == TValue::Kind::String && v.text.size() <= 1) c.SetPasswordChar(v.text.empty() ? 0 : v.text[0]);
                    else c.SetPasswordChar(char(ValueToInteger(v, 0, 255)));
                })
            .StoredWhen([](const C& c) { return c.PasswordChar() != 0; })
            .Publish({"Anchors", "AutoSelect", "AutoSize", "BiDiMode", "BorderStyle", "CharCase", "Color", "Constraints",
                      "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled", "Font", "HideSelection", "ImeMode",
                      "ImeName", "MaxLength", "OEMConvert", "ParentBiDiMode"})
            .PublishWithDefault("ParentColor", TValue::Bool(false))
            // Starts in the window colour of its own, not its parent's: that
            // colour is left out of a form and comes back from the constructor.
            .StoredDefault("Color", ColorToValue(clWindow))
            .Publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PasswordChar", "PopupMenu", "ReadOnly",
                      "ShowHint", "TabOrder"})
            .PublishWithDefault("TabStop", TValue::Bool(true))
            .Publish({"Text", "Visible", "OnChange", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                      "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
                      "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
        return i;
    }();
    return info;
}
const TClassInfo& TEdit::ClassInfo() const { return StaticClassInfo(); }

void TEdit::SetAutoSize(bool v) {
    if (v == FAutoSize) return;
    FAutoSize = v;
    FKeepStoredHeight = false;
    if (HandleAllocated()) AdjustHeight();
}

void TEdit::SetPasswordChar(char c) {
    if (c == FPasswordChar) return;
    FPasswordChar = c;
    if (auto* edit = dynamic_cast<QLineEdit*>(Widget())) edit->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
}

TAlignment TEdit::WindowAlignment() const {
    switch (WindowStyle() & ES_ALIGNMASK) {
        case ES_RIGHT: return taRightJustify;
        case ES_CENTER: return taCenter;
        default: return taLeftJustify;
    }
}

void TEdit::SelectAll() {
    if (auto* edit = dynamic_cast<QLineEdit*>(Widget())) edit->selectAll();
}

void TEdit::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    if (FPasswordChar) params.Style |= ES_PASSWORD;
}

QWidget* TEdit::CreateWindowHandle(const TCreateParams& params) {
    auto* edit = new TEditWindow(this, WidgetOf(params.WndParent));
    const int border = BorderWidthFor(params);
    edit->setTextMargins(border + 1, border, border + 1, border);
    edit->setAlignment(AlignmentOfStyle(params.Style) | Qt::AlignVCenter);
    edit->setReadOnly((params.Style & ES_READONLY) != 0);
    edit->setEchoMode((params.Style & ES_PASSWORD) ? QLineEdit::Password : QLineEdit::Normal);
    edit->setMaxLength(MaxLength() > 0 ? MaxLength() : std::numeric_limits<int>::max());
    if (CharCase() != ecNormal) edit->setValidator(new TCaseValidator(CharCase(), edit));
    ApplyControlFont(edit, this);
    edit->setText(ToQString(CasedText(params.Caption)));
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [this] { SendNotification(CN_COMMAND, MAKEWPARAM(0, EN_CHANGE), 0); });
    return edit;
}

void TEdit::CreateWindowDone() {
    TCustomEdit::CreateWindowDone();
    const bool reading = ComponentState().Contains(csLoading) || ComponentState().Contains(csReading);
    if (FAutoSize && !FKeepStoredHeight && !reading) AdjustHeight();
}

void TEdit::Loaded() {
    TCustomEdit::Loaded();
    FKeepStoredHeight = true;
}

std::string TEdit::GetText() const {
    if (auto* edit = dynamic_cast<QLineEdit*>(Widget())) return FromQString(edit->text());
    return TCustomEdit::GetText();
}

void TEdit::ApplyFont() {
    ApplyControlFont(Widget(), this);
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
    FKeepStoredHeight = false;
    if (FAutoSize) AdjustHeight();
}

void TEdit::AdjustHeight() {
    // The height of a line of the font plus the border and the margins the
    // edit window keeps above and below its text.
    if (BorderStyle() != bsSingle) return;
    HDC dc = GetDC(nullptr);
    SelectObject(dc, Font()->Handle());
    TEXTMETRIC metrics;
    GetTextMetrics(dc, &metrics);
    ReleaseDC(nullptr, dc);
    SetHeight(metrics.tmHeight + (Ctl3D() ? 8 : 6));
}

void TEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_SETTEXT: {
            TCustomEdit::WndProc(message);
            auto* edit = dynamic_cast<QLineEdit*>(Widget());
            const std::string text = CasedText(TControl::GetText());
            if (edit && FromQString(edit->text()) != text) edit->setText(ToQString(text));
            return;
        }
        case CM_ENTER:
            // Selected when the user moves into the field, not when the focus
            // merely comes back to it with its window's activation.
            if (FAutoSelect && !ControlState().Contains(csLButtonDown)) SelectAll();
            TCustomEdit::WndProc(message);
            return;
        case CM_CTL3DCHANGED: {
            // The 3-D border is one pixel wider a side than the flat one. A
            // stored height changes by just that, so two changes give it back.
            const bool keep = FAutoSize && FKeepStoredHeight && BorderStyle() == bsSingle;
            TCustomEdit::WndProc(message);
            if (keep) SetHeight(Height() + (Ctl3D() ? 2 : -2));
            return;
        }
        default:
            TCustomEdit::WndProc(message);
    }
}

// ---------------------------------------------------------------- TMemo

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), FLines(std::make_unique<TStringList>()) {
    SetBounds(Left(), Top(), 185, 89);
    FLines->OnChange = [this](TObject*) { LinesChanged(); };
}

TMemo::~TMemo() { FLines->OnChange = nullptr; }

const TClassInfo& TMemo::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TMemo", &TCustomEdit::StaticClassInfo(), [](TComponent* owner) { return new TMemo(owner); });
        using C = TMemo;
        TClassBuilder<C>(i)
            .Enum("Alignment", &C::Alignment, &C::SetAlignment, {"taLeftJustify", "taRightJustify", "taCenter"})
            .DefaultIdent("taLeftJustify")
            .Object("Lines", &C::Lines)
            .Enum("ScrollBars", &C::ScrollBars, &C::SetScrollBars, {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"})
            .DefaultIdent("ssNone")
            .Bool("WantReturns", &C::WantReturns, &C::SetWantReturns)
            .Default(true)
            .Bool("WantTabs", &C::WantTabs, &C::SetWantTabs)
            .Default(false)
            .Bool("WordWrap", &C::WordWrap, &C::SetWordWrap)
            .Default(true)
            .Publish({"Align", "Alignment", "Anchors", "BiDiMode", "BorderStyle", "CharCase", "Color", "Constraints",
                      "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled", "Font", "HideSelection", "ImeMode",
                      "ImeName", "Lines", "MaxLength", "OEMConvert", "ParentBiDiMode"})
            .PublishWithDefault("ParentColor", TValue::Bool(false))
            // Starts in the window colour of its own, not its parent's: that
            // colour is left out of a form and comes back from the constructor.
            .StoredDefault("Color", ColorToValue(clWindow))
            .Publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ReadOnly", "ScrollBars", "ShowHint",
                      "TabOrder"})
            .PublishWithDefault("TabStop", TValue::Bool(true))
            .Publish({"Visible", "WantReturns", "WantTabs", "WordWrap", "OnChange", "OnClick", "OnDblClick",
                      "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown",
                      "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock",
                      "OnStartDrag"});
        return i;
    }();
    return info;
}
const TClassInfo& TMemo::ClassInfo() const { return StaticClassInfo(); }

void TMemo::SetLines(const TStrings* lines) {
    if (lines) FLines->Assign(lines);
}

void TMemo::SetAlignment(TAlignment v) {
    if (v == FAlignment) return;
    FAlignment = v;
    RecreateWnd();
}

void TMemo::SetScrollBars(TScrollStyle v) {
    if (v == FScrollBars) return;
    FScrollBars = v;
    RecreateWnd();
}

void TMemo::SetWordWrap(bool v) {
    if (v == FWordWrap) return;
    FWordWrap = v;
    RecreateWnd();
}

int TMemo::TopLine() const {
    auto* memo = dynamic_cast<TMemoWindow*>(Widget());
    return memo ? memo->TopLine() : 0;
}

void TMemo::ScrollLines(int count) {
    for (int k = 0; k < std::abs(count); ++k) Perform(WM_VSCROLL, MAKEWPARAM(count > 0 ? SB_LINEDOWN : SB_LINEUP, 0), 0);
}

void TMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    static constexpr std::uint32_t kAlignments[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    params.Style |= ES_MULTILINE | kAlignments[FAlignment];
    if (FWordWrap) params.Style &= ~ES_AUTOHSCROLL;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) params.Style |= WS_VSCROLL;
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) params.Style |= WS_HSCROLL;
}

QWidget* TMemo::CreateWindowHandle(const TCreateParams& params) {
    auto* memo = new TMemoWindow(this, WidgetOf(params.WndParent));
    // The border is a frame of the scroll area, so that the scroll bars
    // and the text lie inside it (the framework paints it); the text keeps
    // a margin of its own from the border, as the system's edit does.
    const int border = BorderWidthFor(params);
    if (border > 0) {
        memo->setFrameStyle(QFrame::Box | QFrame::Plain);
        memo->setLineWidth(border);
    }
    memo->SetTextMargins(kMemoTextMargin);
    memo->setLineWrapMode((params.Style & ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy((params.Style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy((params.Style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    memo->setReadOnly((params.Style & ES_READONLY) != 0);
    memo->setTabChangesFocus(!FWantTabs);
    QTextOption option = memo->document()->defaultTextOption();
    option.setAlignment(AlignmentOfStyle(params.Style));
    memo->document()->setDefaultTextOption(option);
    memo->document()->setDocumentMargin(1);
    ApplyControlFont(memo, this);
    memo->setPlainText(ToWidgetText(CasedText(params.Caption)));

    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [this] { WindowTextChanged(); });
    auto report = [this, memo](UINT msg, QScrollBar* bar, int action) {
        bool wanted = false;
        const unsigned code = ScrollCodeOf(action, bar, wanted);
        if (!wanted) return;
        // The handler may re-create the window: the flag is cleared only on
        // a window that still exists.
        QPointer<TMemoWindow> window(memo);
        memo->FReportingScroll = true;
        SendNotification(msg, MAKEWPARAM(code, unsigned(bar->sliderPosition())), 0);
        if (window) window->FReportingScroll = false;
    };
    QObject::connect(memo->verticalScrollBar(), &QAbstractSlider::actionTriggered, memo,
                     [report, memo](int action) { report(WM_VSCROLL, memo->verticalScrollBar(), action); });
    QObject::connect(memo->horizontalScrollBar(), &QAbstractSlider::actionTriggered, memo,
                     [report, memo](int action) { report(WM_HSCROLL, memo->horizontalScrollBar(), action); });
    // The view moves its pixels when it scrolls; a background copied from
    // the parent must not move with the text, so the whole view repaints.
    for (QScrollBar* bar : {memo->verticalScrollBar(), memo->horizontalScrollBar()})
        QObject::connect(bar, &QAbstractSlider::valueChanged, memo, [memo] { memo->viewport()->update(); });
    return memo;
}

void TMemo::CreateWindowDone() {
    TCustomEdit::CreateWindowDone();
    auto* memo = dynamic_cast<QPlainTextEdit*>(Widget());
    if (!memo || CharCase() == ecNormal) return;
    // The window took the text in its case; the lines follow it.
    FSyncingFromWindow = true;
    FLines->SetText(FromWidgetText(memo->toPlainText()));
    FSyncingFromWindow = false;
}

std::string TMemo::GetText() const {
    if (auto* memo = dynamic_cast<QPlainTextEdit*>(Widget())) return FromWidgetText(memo->toPlainText());
    return TCustomEdit::GetText();
}

void TMemo::ApplyFont() { ApplyControlFont(Widget(), this); }

void TMemo::LinesChanged() {
    if (FSyncingFromWindow) return;
    // Lines' text without the line break after the last line.
    std::string text = FLines->Text();
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
    StoreText(text);
    if (auto* memo = dynamic_cast<QPlainTextEdit*>(Widget())) {
        const std::string cased = CasedText(text);
        FSyncingToWindow = true;
        memo->setPlainText(ToWidgetText(cased));
        FSyncingToWindow = false;
        if (cased != text) {
            // The window keeps its text in one case; the lines follow it.
            FSyncingFromWindow = true;
            FLines->SetText(FromWidgetText(memo->toPlainText()));
            FSyncingFromWindow = false;
        }
    }
}

void TMemo::WindowTextChanged() {
    auto* memo = dynamic_cast<QPlainTextEdit*>(Widget());
    if (!memo) return;
    if (MaxLength() > 0 && memo->document()->characterCount() - 1 > MaxLength()) {
        // Typing beyond MaxLength: the excess at the end is dropped.
        QTextCursor cursor(memo->document());
        cursor.setPosition(MaxLength());
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        return;  // the removal reports the change
    }
    if (!FSyncingToWindow) {
        FSyncingFromWindow = true;
        FLines->SetText(FromWidgetText(memo->toPlainText()));
        FSyncingFromWindow = false;
    }
    SendNotification(CN_COMMAND, MAKEWPARAM(0, EN_CHANGE), 0);
}

void TMemo::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_SETTEXT:
            TCustomEdit::WndProc(message);
            FLines->SetText(TControl::GetText());
            return;
        case WM_HSCROLL:
        case WM_VSCROLL: {
            TCustomEdit::WndProc(message);
            // A request from the scroll bar is applied by the scroll bar
            // after this; one sent from code is applied here.
            auto* memo = dynamic_cast<TMemoWindow*>(Widget());
            if (memo && !memo->FReportingScroll)
                memo->ApplyScroll(message.Msg, LOWORD(message.WParam), HIWORD(message.WParam));
            return;
        }
        default:
            TCustomEdit::WndProc(message);
    }
}

namespace {
const bool kRegistered = [] {
    RegisterClass(TEdit::StaticClassInfo());
    RegisterClass(TMemo::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
