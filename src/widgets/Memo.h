#pragma once
// Orvo::Memo: the library's memo (TOrvoMemo) as a Qt widget: several lines
// of text, aligned left, right or centred, with the edit's transparency
// while it has no focus and its highlight while it has it.
//
// textChanged() comes once for every change of the text: typing, or
// setPlainText.

#include "widgets/WindowedControlWidget.h"

namespace Orvo {

class Memo : public WindowedControlWidget {
    Q_OBJECT
    // The lines, separated by "\n".
    Q_PROPERTY(QString plainText READ toPlainText WRITE setPlainText NOTIFY textChanged USER true)
    Q_PROPERTY(TextAlignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(BorderStyle borderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool ctl3D READ ctl3D WRITE setCtl3D)
    Q_PROPERTY(bool parentCtl3D READ parentCtl3D WRITE setParentCtl3D)
    Q_PROPERTY(bool parentShowHint READ parentShowHint WRITE setParentShowHint)
    // 0 for no limit.
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly)
    Q_PROPERTY(ScrollBars scrollBars READ scrollBars WRITE setScrollBars)
    // Enter starts a new line (false: Enter is the window's, a default button's).
    Q_PROPERTY(bool wantReturns READ wantReturns WRITE setWantReturns)
    // Tab types a tab (false: Tab moves the focus on).
    Q_PROPERTY(bool wantTabs READ wantTabs WRITE setWantTabs)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)
    Q_PROPERTY(bool focusHighlight READ focusHighlight WRITE setFocusHighlight)
    Q_PROPERTY(QColor highlightColor READ highlightColor WRITE setHighlightColor)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    // 0..100 (above 100 is taken as 100).
    Q_PROPERTY(int transparency READ transparency WRITE setTransparency)

public:
    explicit Memo(QWidget* parent = nullptr);
    ~Memo() override;

    QString toPlainText() const;
    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    BorderStyle borderStyle() const;
    void setBorderStyle(BorderStyle style);
    bool ctl3D() const;
    void setCtl3D(bool ctl3D);
    bool parentCtl3D() const;
    void setParentCtl3D(bool parent);
    bool parentShowHint() const;
    void setParentShowHint(bool parent);
    int maxLength() const;
    void setMaxLength(int length);
    bool readOnly() const;
    void setReadOnly(bool readOnly);
    ScrollBars scrollBars() const;
    void setScrollBars(ScrollBars bars);
    bool wantReturns() const;
    void setWantReturns(bool want);
    bool wantTabs() const;
    void setWantTabs(bool want);
    bool wordWrap() const;
    void setWordWrap(bool wrap);
    bool focusHighlight() const;
    void setFocusHighlight(bool highlight);
    QColor highlightColor() const;
    void setHighlightColor(const QColor& color);
    bool transparent() const;
    void setTransparent(bool transparent);
    int transparency() const;
    void setTransparency(int percent);

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
