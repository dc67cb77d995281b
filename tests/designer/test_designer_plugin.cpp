// The Qt Designer plugin as installed (cmake --install into a prefix of the
// build's, by the designer_install test this one needs): its twelve widgets
// in the "OrvoControls" group, and a .ui file of them with a connection,
// loaded at run time by QUiLoader through the plugin and compiled by uic.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QUiLoader>

#include <map>
#include <memory>

#include "orvo/OrvoCheckControls.h"
#include "ui_SignalWindow.h"
#include "widgets/OrvoWidgets.h"

using namespace Orvo;

namespace {

const QString kPluginDir = QStringLiteral(ORVO_TEST_PREFIX "/plugins/designer");

QDesignerCustomWidgetCollectionInterface* InstalledPlugin() {
    static QPluginLoader loader(kPluginDir + "/orvo_designer.so");
    return qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
}

// The width and height of the geometry a widget's domXml gives.
QSize DefaultSize(const QString& domXml) {
    const QRegularExpression rect("<width>(\\d+)</width><height>(\\d+)</height>");
    const QRegularExpressionMatch m = rect.match(domXml);
    return m.hasMatch() ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
}

TEST(DesignerPlugin, OffersTheTwelveInTheirGroup) {
    QDesignerCustomWidgetCollectionInterface* plugin = InstalledPlugin();
    ASSERT_NE(plugin, nullptr) << "no plugin in " << kPluginDir.toStdString();
    // The library constructors' sizes.
    const std::map<QString, QSize> sizes = {
        {"Orvo::CheckBox", {97, 19}},   {"Orvo::RadioButton", {97, 19}}, {"Orvo::RadioGroup", {185, 105}},
        {"Orvo::GroupBox", {185, 105}}, {"Orvo::GroupBoxWithCheck", {185, 105}}, {"Orvo::Panel", {185, 41}},
        {"Orvo::Edit", {121, 21}},      {"Orvo::Memo", {185, 89}},       {"Orvo::ListBox", {121, 97}},
        {"Orvo::StaticText", {65, 17}}, {"Orvo::Button", {75, 25}},      {"Orvo::Background", {50, 50}},
    };
    const QList<QDesignerCustomWidgetInterface*> widgets = plugin->customWidgets();
    ASSERT_EQ(widgets.size(), 12);
    for (QDesignerCustomWidgetInterface* w : widgets) {
        SCOPED_TRACE(w->name().toStdString());
        ASSERT_TRUE(sizes.count(w->name()));
        EXPECT_EQ(w->group(), "OrvoControls");
        EXPECT_FALSE(w->icon().isNull());
        EXPECT_EQ(w->includeFile(), "widgets/" + w->name().mid(6) + ".h");
        EXPECT_TRUE(w->domXml().contains("class=\"" + w->name() + "\""));
        EXPECT_EQ(DefaultSize(w->domXml()), sizes.at(w->name()));
        const bool container = w->name() == "Orvo::GroupBox" || w->name() == "Orvo::GroupBoxWithCheck" ||
                               w->name() == "Orvo::Panel" || w->name() == "Orvo::Background";
        EXPECT_EQ(w->isContainer(), container);
        std::unique_ptr<QWidget> made(w->createWidget(nullptr));
        EXPECT_EQ(made->metaObject()->className(), w->name().toStdString());
    }
}

// What the .ui file says, in whichever window was built from it.
void ExpectTheWindowOfTheUiFile(QWidget* window) {
    auto* box = window->findChild<CheckBox*>("checkBox");
    auto* group = window->findChild<RadioGroup*>("radioGroup");
    auto* edit = window->findChild<Edit*>("edit");
    auto* button = window->findChild<Button*>("button");
    auto* background = window->findChild<Background*>("background");
    ASSERT_TRUE(box && group && edit && button && background);
    EXPECT_EQ(box->parentWidget(), background);
    EXPECT_EQ(box->text(), "&Enable the button");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(box->checkStyle(), ControlWidget::GlossyStyle);
    EXPECT_EQ(box->control()->ClassName(), "TOrvoCheckBox");
    EXPECT_EQ(static_cast<TOrvoCheckBox*>(box->control())->CheckColor(), TColor(RGB(0, 0, 255)));
    EXPECT_EQ(group->items(), (QStringList{"Small", "Medium", "Large"}));
    EXPECT_EQ(group->currentIndex(), 1);
    EXPECT_EQ(group->columns(), 3);
    EXPECT_EQ(edit->text(), "typed here");
    EXPECT_EQ(button->shape(), ControlWidget::RoundRect);
    EXPECT_EQ(background->gradientEndColor(), QColor(255, 176, 96));
    // The connection made in the file.
    EXPECT_TRUE(button->isEnabled());
    box->setChecked(false);
    EXPECT_FALSE(button->isEnabled());
    box->setChecked(true);
    EXPECT_TRUE(button->isEnabled());
}

TEST(DesignerPlugin, QUiLoaderBuildsAUiFileThroughThePlugin) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(kPluginDir);
    for (const char* name : {"Orvo::CheckBox", "Orvo::Background", "Orvo::ListBox"})
        EXPECT_TRUE(loader.availableWidgets().contains(name)) << name;
    QFile file(ORVO_TEST_UI);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> window(loader.load(&file));
    ASSERT_NE(window, nullptr) << loader.errorString().toStdString();
    ExpectTheWindowOfTheUiFile(window.get());
}

TEST(DesignerPlugin, UicCompilesTheSameFile) {
    QWidget window;
    Ui::SignalWindow ui;
    ui.setupUi(&window);
    ExpectTheWindowOfTheUiFile(&window);
}

}  // namespace
