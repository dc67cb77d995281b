#pragma once
// Orvo::Edit: the library's edit (TOrvoEdit) as a Qt widget: a one-line
// text box whose text stands left, right or centred, transparent over the
// picture behind it while it has no focus (tinted with its colour by
// `transparency` percent) and opaque, optionally in highlightColor, while
// it has it.
//
// Signals as QLineEdit's: textChanged for every change of the text (typing
// or setText), textEdited for the user's typing only, returnPressed for
// Enter.

#include "widgets/FocusFieldWidget.h"

namespace Orvo {

/// The library's edit as a QWidget, with textChanged(), textEdited() and returnPressed() signals.
class Edit : public FocusFieldWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged USER true)
    // The whole text is selected when the edit gets the focus by Tab.
    Q_PROPERTY(bool autoSelect READ autoSelect WRITE setAutoSelect)
    // The height follows the font.
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    // 0 for no limit.
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
    // Shown for every character typed (a null character shows the text).
    Q_PROPERTY(QChar passwordChar READ passwordChar WRITE setPasswordChar)
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly)
    // Typed letters become upper or lower case.
    Q_PROPERTY(CharCase charCase READ charCase WRITE setCharCase)
    // The selection is shown only while the edit has the focus.
    Q_PROPERTY(bool hideSelection READ hideSelection WRITE setHideSelection)

public:
    explicit Edit(QWidget* parent = nullptr);
    explicit Edit(const QString& text, QWidget* parent = nullptr);
    ~Edit() override;

    QString text() const;
    bool autoSelect() const;
    void setAutoSelect(bool select);
    bool autoSize() const;
    void setAutoSize(bool autoSize);
    int maxLength() const;
    void setMaxLength(int length);
    QChar passwordChar() const;
    void setPasswordChar(QChar ch);
    bool readOnly() const;
    void setReadOnly(bool readOnly);
    CharCase charCase() const;
    void setCharCase(CharCase charCase);
    bool hideSelection() const;
    void setHideSelection(bool hide);

public slots:
    void setText(const QString& text);
    void clear();
    void selectAll();

signals:
    void textChanged(const QString& text);
    void textEdited(const QString& text);
    void returnPressed();

protected:
    void libraryStateChanged(TControl* control) override;
    void libraryWindowCreated(TWinControl* control) override;

private:
    // The line edit the control's window is: its own signals of the user's
    // typing and Enter.
    void ConnectWindow();

    QString FText;  // as textChanged() last told
};

}  // namespace Orvo
