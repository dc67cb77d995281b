#pragma once
// The Qt Designer plugin of the library's Qt widgets: the twelve widgets in
// the widget box's "OrvoControls" group. Installed under the prefix's
// plugins/designer (designer finds it with QT_PLUGIN_PATH=PREFIX/plugins);
// QUiLoader loads .ui files through it too.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace Orvo {

class TOrvoDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit TOrvoDesignerPlugin(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return FWidgets; }

private:
    QList<QDesignerCustomWidgetInterface*> FWidgets;
};

}  // namespace Orvo
