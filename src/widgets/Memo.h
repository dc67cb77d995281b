#pragma once
// Orvo::Memo: the library's memo (TOrvoMemo) as a Qt widget: several lines
// of text, aligned left, right or centred, with the edit's transparency
// while it has no focus and its highlight while it has it.
//
// textChanged() comes once for every change of the text: typing, or
// setPlainText.

#include "widgets/FocusFieldWidget.h"

namespace Orvo {

/// The library's memo as a QWidget, with a textChanged() signal.
class Memo : public FocusFieldWidget {
    Q_OBJECT
    // The lines, separated by "\n".
    Q_PROPERTY(QString plainText READ toPlainText WRITE setPlainText NOTIFY textChanged USER true)
    // 0 for no limit.
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly)
    // Typed letters become upper or lower case.
    Q_PROPERTY(CharCase charCase READ charCase WRITE setCharCase)
    // The selection is shown only while the memo has the focus.
    Q_PROPERTY(bool hideSelection READ hideSelection WRITE setHideSelection)
    Q_PROPERTY(ScrollBars scrollBars READ scrollBars WRITE setScrollBars)
    // Enter starts a new line (false: Enter is the window's, a default button's).
    Q_PROPERTY(bool wantReturns READ wantReturns WRITE setWantReturns)
    // Tab types a tab (false: Tab moves the focus on).
    Q_PROPERTY(bool wantTabs READ wantTabs WRITE setWantTabs)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)

public:
    explicit Memo(QWidget* parent = nullptr);
    ~Memo() override;

    QString toPlainText() const;
    int maxLength() const;
    void setMaxLength(int length);
    bool readOnly() const;
    void setReadOnly(bool readOnly);
    CharCase charCase() const;
    void setCharCase(CharCase charCase);
    bool hideSelection() const;
    void setHideSelection(bool hide);
    ScrollBars scrollBars() const;
    void setScrollBars(ScrollBars bars);
    bool wantReturns() const;
    void setWantReturns(bool want);
    bool wantTabs() const;
    void setWantTabs(bool want);
    bool wordWrap() const;
    void setWordWrap(bool wrap);

public slots:
    void setPlainText(const QString& text);
    void clear();

signals:
    void textChanged();

protected:
    void libraryStateChanged(TControl* control) override;

private:
    QString FText;  // as textChanged() last told
};

}  // namespace Orvo
