#pragma once
// Orvo::ControlWidget: what the library's twelve Qt widgets (Orvo::CheckBox,
// Orvo::Edit, Orvo::Background...) have in common. Each is an ordinary
// QWidget that owns one control of the library and shows it, filling the
// widget: it goes into layouts, a .ui file or Qt Designer like any Qt
// widget, and a Qt program never needs the library's own types.
//
// What the widget takes from Qt and hands to its control:
//   - geometry: the control fills the widget; sizeHint() is the size the
//     control's constructor gives it, or the size it gives itself (AutoSize);
//   - enabled: setEnabled on the widget or any ancestor disables the control
//     (and a control the library disables disables the widget);
//   - font: the widget's font (set on it or inherited) reaches the control
//     while the control's parentFont is true; setting a font on the widget
//     makes parentFont false, as assigning Font does in the library;
//   - palette: while parentColor is true the control's colour follows the
//     window colour of the widget's palette, and the text colour follows the
//     palette while parentFont is true;
//   - layout direction: right-to-left turns the control's BiDiMode;
//   - focus: the widget stands in Qt's Tab chain for its control; its own Qt
//     children (in the containers) keep their places in the chain;
//   - accelerators: an "&" in a caption makes Alt+letter a shortcut of the
//     widget's window, as it is for a QCheckBox;
//   - transparency: a transparent control shows what lies behind the widget:
//     the library container widget it lies on, or the background colour of
//     the nearest Qt widget that fills its background.
//
// Properties: every published property of the library control is a
// Q_PROPERTY of the widget, named as Qt names things (Caption is `text`,
// CheckColor is `checkColor`); colours are QColor, pictures QPixmap, lists
// QStringList, enumerations the Q_ENUMs below, whose values keep the
// library's order. What Qt already has a property for is Qt's: geometry,
// enabled, visible, font, cursor, layoutDirection, the size limits and the
// tab order. A value the control refuses (out of range) is reported with
// qWarning and leaves the property as it was.
//
// Delete a widget from one of its own signals with deleteLater(), as for
// Qt's widgets.

#include <QWidget>

#include <memory>

namespace Orvo {

class TControl;
class TWinControl;

/// The base of the Qt widgets: a QWidget that owns one of the library's controls and shows it.
class ControlWidget : public QWidget {
    Q_OBJECT
    // The library's hint: shown by the library's hint window (two lines with
    // hintSecondLine) while showHint is true; Qt's toolTip is separate.
    Q_PROPERTY(QString hint READ hint WRITE setHint)
    Q_PROPERTY(int helpContext READ helpContext WRITE setHelpContext)
    // The banner every control of the library answers; read-only.
    Q_PROPERTY(QString version READ version STORED false)

public:
    // The library's enumerations, value for value in the library's order.
    enum Border { NoBorder, LoweredBorder, RaisedBorder, SimpleBorder };
    Q_ENUM(Border)
    enum BorderVisibility { BorderAlways, BorderWhenFocused };
    Q_ENUM(BorderVisibility)
    // The check glyph's family: flat, shaded or glossy.
    enum CheckStyle { FlatStyle, ShadedStyle, GlossyStyle };
    Q_ENUM(CheckStyle)
    enum CheckType { CheckMark, CrossMark, CircleMark };
    Q_ENUM(CheckType)
    // Where a caption or text stands. The check controls place the mark on
    // the other side and take Center as RightJustify.
    enum TextAlignment { LeftJustify, RightJustify, Center };
    Q_ENUM(TextAlignment)
    enum BorderStyle { BorderNone, BorderSingle };
    Q_ENUM(BorderStyle)
    enum Bevel { BevelNone, BevelLowered, BevelRaised, BevelSpace };
    Q_ENUM(Bevel)
    enum ScrollBars { NoScrollBars, HorizontalScrollBar, VerticalScrollBar, BothScrollBars };
    Q_ENUM(ScrollBars)
    enum CharCase { NormalCase, UpperCase, LowerCase };
    Q_ENUM(CharCase)
    enum ListStyle { StandardItems, OwnerDrawFixed, OwnerDrawVariable };
    Q_ENUM(ListStyle)
    enum Shape { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };
    Q_ENUM(Shape)
    enum GlyphLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };
    Q_ENUM(GlyphLayout)
    enum GradientStyle { HorizontalGradient, VerticalGradient };
    Q_ENUM(GradientStyle)

    ~ControlWidget() override;
    ControlWidget(const ControlWidget&) = delete;
    ControlWidget& operator=(const ControlWidget&) = delete;

    QString hint() const;
    void setHint(const QString& hint);
    int helpContext() const;
    void setHelpContext(int context);
    QString version() const;

    // The library control itself, for a program that also uses the
    // library's own interface (headers under orvo/). The widget owns it.
    TControl* control() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // Takes `control` (made with no owner) and shows it in this widget: a
    // windowed control directly, a windowless one on a plain window made
    // for it. The widget starts at the size the control's constructor gave.
    ControlWidget(TControl* control, QWidget* parent);

    // Told by the control (or another control given to watch()): its state
    // changed (checked, the current item, the text...), it was clicked, its
    // window was created again. The state may not have changed at all:
    // compare with what was seen last.
    virtual void libraryStateChanged(TControl* control);
    virtual void libraryClicked(TControl* control);
    virtual void libraryWindowCreated(TWinControl* control);
    // Sends a further control's notifications here too (a group's heading).
    void watch(TControl* control);
    // The control's size depends on its painting (it sizes itself to its
    // caption): sizeHint() paints it off screen first when anything changed.
    void setSizedByPainting(bool sized);
    // Something the size may depend on changed (caption, font, AutoSize).
    void sizeMayHaveChanged();
    // The widget's font and palette reach the control again (after the
    // control's parentFont or parentColor became true).
    void followQtFont();
    void followQtPalette();
    // True while the user's input to `control` is being handled (a click, a
    // key, an accelerator), false for an assignment from code.
    static bool changedByUser(const TControl* control);

    // The control's published property `name`, as a QVariant of the type
    // its Q_PROPERTY has (enumerations as int); setting reports a refused
    // value with qWarning. Every Q_PROPERTY goes through these.
    QVariant libraryValue(const char* name) const;
    void setLibraryValue(const char* name, const QVariant& value);

    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

}  // namespace Orvo
