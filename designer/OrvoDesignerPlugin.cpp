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

template <class W, class T>
TWidgetDescription Describe(const char* name, const char* header, const char* objectName, const char* toolTip) {
    TWidgetDescription d;
    d.ClassName = QString::fromLatin1(name);
    d.Header = QString::fromLatin1(header);
    d.ObjectName = QString::fromLatin1(objectName);
    d.ToolTip = QString::fromLatin1(toolTip);
    d.Size = ConstructorSize<T>();
    d.Create = [](QWidget* parent) { return new W(parent); };
    return d;
}

QList<TWidgetDescription> Descriptions() {
    QList<TWidgetDescription> all;

    auto check = Describe<CheckBox, TOrvoCheckBox>("Orvo::CheckBox", "widgets/CheckBox.h", "checkBox",
                                                   "A check box drawn by the library, with glyphs, borders and transparency");
    check.CaptionProperty = "text";
    check.Caption = "CheckBox";
    check.DressForIcon = [](ControlWidget* w) {
        auto* box = static_cast<CheckBox*>(w);
        box->setAutoSize(false);
        box->setChecked(true);
        box->resize(20, 19);
    };
    all.append(check);

    auto radio = Describe<RadioButton, TOrvoRadioButton>("Orvo::RadioButton", "widgets/RadioButton.h", "radioButton",
                                                         "A radio button drawn by the library");
    radio.CaptionProperty = "text";
    radio.Caption = "RadioButton";
    radio.DressForIcon = [](ControlWidget* w) {
        auto* button = static_cast<RadioButton*>(w);
        button->setAutoSize(false);
        button->setChecked(true);
        button->resize(20, 19);
    };
    all.append(radio);

    auto group = Describe<RadioGroup, TOrvoRadioGroup>("Orvo::RadioGroup", "widgets/RadioGroup.h", "radioGroup",
                                                       "A framed group of radio buttons, one per item");
    group.CaptionProperty = "title";
    group.Caption = "RadioGroup";
    group.DressForIcon = [](ControlWidget* w) {
        auto* radios = static_cast<RadioGroup*>(w);
        radios->setItems({"", ""});
        radios->setCurrentIndex(0);
        radios->resize(40, 52);
    };
    all.append(group);

    auto box = Describe<GroupBox, TOrvoGroupBox>("Orvo::GroupBox", "widgets/GroupBox.h", "groupBox",
                                                 "A framed, titled container drawn by the library");
    box.CaptionProperty = "title";
    box.Caption = "GroupBox";
    box.Container = true;
    box.DressForIcon = [](ControlWidget* w) {
        static_cast<GroupBox*>(w)->setTitle("Ab");
        w->resize(32, 28);
    };
    all.append(box);

    auto checked = Describe<GroupBoxWithCheck, TOrvoGroupBoxWithCheck>(
        "Orvo::GroupBoxWithCheck", "widgets/GroupBoxWithCheck.h", "groupBoxWithCheck",
        "A group box whose title is a check box that enables what it holds");
    checked.CaptionProperty = "title";
    checked.Caption = "GroupBoxWithCheck";
    checked.Container = true;
    checked.DressForIcon = [](ControlWidget* w) { w->resize(32, 30); };
    all.append(checked);

    auto panel = Describe<Panel, TOrvoPanel>("Orvo::Panel", "widgets/Panel.h", "panel",
                                             "A bevelled container that can be partly transparent");
    panel.Container = true;
    panel.DressForIcon = [](ControlWidget* w) { w->resize(32, 24); };
    all.append(panel);

    auto edit = Describe<Edit, TOrvoEdit>("Orvo::Edit", "widgets/Edit.h", "edit",
                                          "A one-line text box, transparent while it has no focus");
    edit.DressForIcon = [](ControlWidget* w) {
        static_cast<Edit*>(w)->setText("ab");
        w->resize(32, w->height());
    };
    all.append(edit);

    auto memo = Describe<Memo, TOrvoMemo>("Orvo::Memo", "widgets/Memo.h", "memo", "A text box of several lines");
    memo.DressForIcon = [](ControlWidget* w) {
        static_cast<Memo*>(w)->setPlainText("ab\ncd");
        w->resize(32, 32);
    };
    all.append(memo);

    auto list = Describe<ListBox, TOrvoListBox>("Orvo::ListBox", "widgets/ListBox.h", "listBox",
                                                "A list of items, transparent while it has no focus");
    list.DressForIcon = [](ControlWidget* w) {
        auto* items = static_cast<ListBox*>(w);
        items->setItems({"ab", "cd"});
        items->setCurrentRow(0);
        items->resize(40, 40);
    };
    all.append(list);

    auto text = Describe<StaticText, TOrvoStaticText>("Orvo::StaticText", "widgets/StaticText.h", "staticText",
                                                      "A label drawn by the library, with borders and transparency");
    text.CaptionProperty = "text";
    text.Caption = "StaticText";
    text.DressForIcon = [](ControlWidget* w) {
        auto* label = static_cast<StaticText*>(w);
        label->setAutoSize(false);
        label->setText("Ab");
        label->setAlignment(ControlWidget::Center);
        label->setBorder(ControlWidget::SimpleBorder);
        label->resize(32, 20);
    };
    all.append(text);

    auto button = Describe<Button, TOrvoButton>("Orvo::Button", "widgets/Button.h", "button",
                                                "A push button in one of six shapes, with glyphs and pictures");
    button.CaptionProperty = "text";
    button.Caption = "Button";
    button.DressForIcon = [](ControlWidget* w) {
        auto* shaped = static_cast<Button*>(w);
        shaped->setShape(ControlWidget::Ellipse);
        shaped->setColor(QColor(120, 170, 240));
        shaped->resize(32, 22);
    };
    all.append(button);

    auto background = Describe<Background, TOrvoBackground>("Orvo::Background", "widgets/Background.h", "background",
                                                            "A gradient or tiled picture to place widgets on");
    background.Container = true;
    background.DressForIcon = [](ControlWidget* w) {
        auto* b = static_cast<Background*>(w);
        b->setGradientStartColor(QColor(255, 255, 255));
        b->setGradientEndColor(QColor(240, 176, 96));
        b->resize(32, 32);
    };
    all.append(background);
    return all;
}

}  // namespace

TOrvoDesignerPlugin::TOrvoDesignerPlugin(QObject* parent) : QObject(parent) {
    for (TWidgetDescription& d : Descriptions()) FWidgets.append(new TWidgetPlugin(std::move(d), this));
}

}  // namespace Orvo
