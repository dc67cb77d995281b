#pragma once
// Orvo::StaticText: the library's static text (TOrvoStaticText) as a Qt
// widget: a word-wrapped caption aligned left, right or centred, with an
// optional one-pixel border, embossed while disabled, fully or partly
// transparent over the picture behind it. With autoSize it takes the size
// its caption needs.

#include "widgets/WindowedControlWidget.h"

namespace Orvo {

/// The library's static text as a QWidget.
class StaticText : public WindowedControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(TextAlignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(Border border READ border WRITE setBorder)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    // 0..100 (above 100 is taken as 100).
    Q_PROPERTY(int transparency READ transparency WRITE setTransparency)

public:
    explicit StaticText(QWidget* parent = nullptr);
    explicit StaticText(const QString& text, QWidget* parent = nullptr);
    ~StaticText() override;

    QString text() const;
    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    bool autoSize() const;
    void setAutoSize(bool autoSize);
    Border border() const;
    void setBorder(Border border);
    QColor borderColor() const;
    void setBorderColor(const QColor& color);
    bool transparent() const;
    void setTransparent(bool transparent);
    int transparency() const;
    void setTransparency(int percent);

    QSize minimumSizeHint() const override;

public slots:
    void setText(const QString& text);
    void clear();
};

}  // namespace Orvo
