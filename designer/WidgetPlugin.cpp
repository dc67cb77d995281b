#include "WidgetPlugin.h"

#include <QIcon>
#include <QPixmap>

#include <memory>

#include "widgets/ControlWidget.h"

namespace Orvo {

namespace {

// The icon is the widget itself, drawn by the library at a small size.
QIcon IconOf(const TWidgetDescription& description) {
    std::unique_ptr<ControlWidget> widget(description.Create(nullptr));
    widget->setAttribute(Qt::WA_DontShowOnScreen);
    if (description.DressForIcon) description.DressForIcon(widget.get());
    widget->show();
    QPixmap picture = widget->grab();
    widget->hide();
    return QIcon(picture.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace

TWidgetPlugin::TWidgetPlugin(TWidgetDescription description, QObject* parent)
    : QObject(parent), FDescription(std::move(description)) {}

QString TWidgetPlugin::group() const { return QStringLiteral("OrvoControls"); }

QIcon TWidgetPlugin::icon() const { return IconOf(FDescription); }

QWidget* TWidgetPlugin::createWidget(QWidget* parent) { return FDescription.Create(parent); }

void TWidgetPlugin::initialize(QDesignerFormEditorInterface*) { FInitialized = true; }

QString TWidgetPlugin::domXml() const {
    QString caption;
    if (!FDescription.CaptionProperty.isEmpty())
        caption = QStringLiteral("  <property name=\"%1\"><string>%2</string></property>\n")
                      .arg(FDescription.CaptionProperty, FDescription.Caption.toHtmlEscaped());
    return QStringLiteral(
               "<ui language=\"c++\">\n"
               " <widget class=\"%1\" name=\"%2\">\n"
               "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect></property>\n"
               "%5"
               " </widget>\n"
               "</ui>\n")
        .arg(FDescription.ClassName, FDescription.ObjectName)
        .arg(FDescription.Size.width())
        .arg(FDescription.Size.height())
        .arg(caption);
}

}  // namespace Orvo
