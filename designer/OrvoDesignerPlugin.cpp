#include "OrvoDesignerPlugin.h"

#include "WidgetPlugin.h"
#include "orvo/OrvoCheckControls.h"
#include "orvo/OrvoEditControls.h"
#include "orvo/OrvoMiscControls.h"
#include "widgets/OrvoWidgets.h"

namespace Orvo {

namespace {

// The size the library's constructor gives a control of that class.
template <class T>
QSize ConstructorSize() {
    T probe(nullptr);
    return QSize(probe.Width(), probe.Height());
}

// One widget: its class and header, Designer's first name for it, the tip
// of its entry, its caption's property and a new one's caption (none for
// no caption), whether it holds widgets, and how its icon dresses it.
template <class W, class T>
TWidgetDescription Describe(const char* name, const char* objectName, const char* toolTip, const char* captionProperty,
                            const char* caption, bool container, std::function<void(W*)> dress) {
    TWidgetDescription d;
    d.ClassName = QString::fromLatin1(name);
    d.Header = "widgets/" + d.ClassName.mid(6) + ".h";
    d.ObjectName = QString::fromLatin1(objectName);
    d.ToolTip = QString::fromLatin1(toolTip);
    d.CaptionProperty = QString::fromLatin1(captionProperty);
    d.Caption = QString::fromLatin1(caption);
    d.Container = container;
    d.Size = ConstructorSize<T>();
    d.Create = [](QWidget* parent) { return new W(parent); };
    d.DressForIcon = [dress](ControlWidget* w) { dress(static_cast<W*>(w)); };
    return d;
}

QList<TWidgetDescription> Descriptions() {
    return {
        Describe<CheckBox, TOrvoCheckBox>("Orvo::CheckBox", "checkBox",
                                          "A check box drawn by the library, with glyphs, borders and transparency",
                                          "text", "CheckBox", false,
                                          [](CheckBox* box) {
                                              box->setAutoSize(false);
                                              box->setChecked(true);
                                              box->resize(20, 19);
                                          }),
        Describe<RadioButton, TOrvoRadioButton>("Orvo::RadioButton", "radioButton",
                                                "A radio button drawn by the library", "text", "RadioButton", false,
                                                [](RadioButton* button) {
                                                    button->setAutoSize(false);
                                                    button->setChecked(true);
                                                    button->resize(20, 19);
                                                }),
        Describe<RadioGroup, TOrvoRadioGroup>("Orvo::RadioGroup", "radioGroup",
                                              "A framed group of radio buttons, one per item", "title", "RadioGroup",
                                              false,
                                              [](RadioGroup* group) {
                                                  group->setItems({"", ""});
                                                  group->setCurrentIndex(0);
                                                  group->resize(40, 52);
                                              }),
        Describe<GroupBox, TOrvoGroupBox>("Orvo::GroupBox", "groupBox",
                                          "A framed, titled container drawn by the library", "title", "GroupBox", true,
                                          [](GroupBox* box) {
                                              box->setTitle("Ab");
                                              box->resize(32, 28);
                                          }),
        Describe<GroupBoxWithCheck, TOrvoGroupBoxWithCheck>(
            "Orvo::GroupBoxWithCheck", "groupBoxWithCheck",
            "A group box whose title is a check box that enables what it holds", "title", "GroupBoxWithCheck", true,
            [](GroupBoxWithCheck* box) { box->resize(32, 30); }),
        Describe<Panel, TOrvoPanel>("Orvo::Panel", "panel", "A bevelled container that can be partly transparent", "",
                                    "", true, [](Panel* panel) { panel->resize(32, 24); }),
        Describe<Edit, TOrvoEdit>("Orvo::Edit", "edit", "A one-line text box, transparent while it has no focus", "", "",
                                  false,
                                  [](Edit* edit) {
                                      edit->setText("ab");
                                      edit->resize(32, edit->height());
                                  }),
        Describe<Memo, TOrvoMemo>("Orvo::Memo", "memo", "A text box of several lines", "", "", false,
                                  [](Memo* memo) {
                                      memo->setPlainText("ab\ncd");
                                      memo->resize(32, 32);
                                  }),
        Describe<ListBox, TOrvoListBox>("Orvo::ListBox", "listBox",
                                        "A list of items, transparent while it has no focus", "", "", false,
                                        [](ListBox* list) {
                                            list->setItems({"ab", "cd"});
                                            list->setCurrentRow(0);
                                            list->resize(40, 40);
                                        }),
        Describe<StaticText, TOrvoStaticText>("Orvo::StaticText", "staticText",
                                              "A label drawn by the library, with borders and transparency", "text",
                                              "StaticText", false,
                                              [](StaticText* label) {
                                                  label->setAutoSize(false);
                                                  label->setText("Ab");
                                                  label->setAlignment(ControlWidget::Center);
                                                  label->setBorder(ControlWidget::SimpleBorder);
                                                  label->resize(32, 20);
                                              }),
        Describe<Button, TOrvoButton>("Orvo::Button", "button",
                                      "A push button in one of six shapes, with glyphs and pictures", "text", "Button",
                                      false,
                                      [](Button* button) {
                                          button->setShape(ControlWidget::Ellipse);
                                          button->setColor(QColor(120, 170, 240));
                                          button->resize(32, 22);
                                      }),
        Describe<Background, TOrvoBackground>("Orvo::Background", "background",
                                              "A gradient or tiled picture to place widgets on", "", "", true,
                                              [](Background* background) {
                                                  background->setGradientStartColor(QColor(255, 255, 255));
                                                  background->setGradientEndColor(QColor(240, 176, 96));
                                                  background->resize(32, 32);
                                              }),
    };
}

}  // namespace

TOrvoDesignerPlugin::TOrvoDesignerPlugin(QObject* parent) : QObject(parent) {
    for (TWidgetDescription& d : Descriptions()) FWidgets.append(new TWidgetPlugin(std::move(d), this));
}

}  // namespace Orvo
