#pragma once
// One widget of the library as Qt Designer sees it: its class, header,
// group, icon, default geometry (the size the library's constructor gives
// the control) and whether other widgets may be placed in it.

#include <QObject>
#include <QSize>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

namespace Orvo {

class ControlWidget;

struct TWidgetDescription {
    QString ClassName;      // "Orvo::CheckBox"
    QString Header;         // what a .ui file's code includes: "widgets/CheckBox.h"
    QString ObjectName;     // Designer's first name for a new one: "checkBox"
    QString CaptionProperty;  // "text", "title" or empty
    QString Caption;        // a new one's caption
    QString ToolTip;
    QSize Size;             // the library constructor's size
    bool Container = false;
    std::function<ControlWidget*(QWidget*)> Create;
    // Puts a new widget in the state its icon shows.
    std::function<void(ControlWidget*)> DressForIcon;
};

class TWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    TWidgetPlugin(TWidgetDescription description, QObject* parent);

    QString name() const override { return FDescription.ClassName; }
    QString group() const override;
    QString toolTip() const override { return FDescription.ToolTip; }
    QString whatsThis() const override { return FDescription.ToolTip; }
    QString includeFile() const override { return FDescription.Header; }
    QIcon icon() const override;
    bool isContainer() const override { return FDescription.Container; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return FInitialized; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    TWidgetDescription FDescription;
    bool FInitialized = false;
};

}  // namespace Orvo
