// Every property of the twelve Qt widgets, through QObject::setProperty and
// QObject::property: the value reaches the library control (read back
// through the control's own published property, with conversions of the
// test's own) and comes back. Every published property of each control is
// a Q_PROPERTY or one Qt has itself; values the control refuses are warned
// about and change nothing.
#include <gtest/gtest.h>

#include <QImage>
#include <QMetaProperty>
#include <QPixmap>

#include <map>
#include <set>
#include <string>

#include "host/framework/Classes.h"
#include "host/framework/Graphics.h"
#include "host/framework/TypeInfo.h"
#include "widget_test_support.h"

using namespace Orvo;
using namespace widget_test;

namespace {

// The library property a Q_PROPERTY stands for.
std::string LibraryName(const ControlWidget& widget, const std::string& qtName) {
    static const std::map<std::string, std::string> renamed = {
        {"title", "Caption"},        {"plainText", "Lines"},   {"currentIndex", "ItemIndex"},
        {"glyphLayout", "Layout"},   {"gradientStyle", "Style"}, {"listStyle", "Style"},
    };
    if (qtName == "text") return widget.control()->ClassInfo().FindPublished("Caption") ? "Caption" : "Text";
    if (auto it = renamed.find(qtName); it != renamed.end()) return it->second;
    std::string name = qtName;
    name[0] = char(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

// Published properties whose Qt counterpart is QWidget's own (geometry,
// enabled, visible, font, cursor, layoutDirection, size limits, tab order)
// or that have none in Qt (the framework's drag and drop, its popup menu).
const std::set<std::string> kQtsOwn = {
    "Left",     "Top",      "Width",     "Height",    "Enabled",  "Visible",        "Font",
    "Cursor",   "BiDiMode", "ParentBiDiMode", "Align", "Anchors", "Constraints",    "TabOrder",
    "DragCursor", "DragKind", "DragMode", "PopupMenu",
    // The input method and the character set are Qt's (inputMethodHints, QString).
    "ImeMode", "ImeName", "OEMConvert",
};

QPixmap Pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 30, y * 60, (x + y) * 10));
    return QPixmap::fromImage(image);
}

// A value of the property's type that differs from `current` and that the
// control takes as it is.
QVariant Another(const QMetaProperty& p, const QVariant& current) {
    if (p.isEnumType()) return current.toInt() == 0 ? 1 : 0;
    switch (p.metaType().id()) {
        case QMetaType::Bool: return !current.toBool();
        case QMetaType::Int: {
            const std::string name = p.name();
            if (name == "transparency") return current.toInt() == 40 ? 60 : 40;
            return current.toInt() + 1;
        }
        case QMetaType::QString:
            if (std::string(p.name()) == "plainText") return QString("first\nsecond line");
            return QString("Caf\u00e9 &one");
        case QMetaType::QColor: {
            const QColor c = current.value<QColor>();
            return QColor(c.red() ^ 0x5A, c.green() ^ 0x33, (c.blue() + 17) % 256);
        }
        case QMetaType::QStringList: return QStringList{"North", "East", "South"};
        case QMetaType::QPixmap: return Pattern(12, 6);
        case QMetaType::QChar: return QChar('*');
        default: return QVariant();
    }
}

// What the control's published property must read after `value` was set,
// by the test's own reckoning.
void ExpectLibraryValue(TControl& control, const std::string& libraryName, const QMetaProperty& p,
                        const QVariant& value) {
    const TPropInfo* info = control.ClassInfo().FindPublished(libraryName);
    ASSERT_NE(info, nullptr) << control.ClassName() << " publishes no " << libraryName;
    if (info->Kind == TPropKind::Object) {
        TPersistent* sub = info->SubObject(control);
        if (auto* lines = dynamic_cast<TStrings*>(sub)) {
            const QStringList expected = p.metaType().id() == QMetaType::QString ? value.toString().split('\n')
                                                                                 : value.toStringList();
            ASSERT_EQ(lines->Count(), expected.size()) << libraryName;
            for (int i = 0; i < lines->Count(); ++i) EXPECT_EQ(lines->Strings(i), expected[i].toStdString());
        } else {
            auto* bitmap = dynamic_cast<TBitmap*>(sub);
            ASSERT_NE(bitmap, nullptr) << libraryName;
            const QImage image = value.value<QPixmap>().toImage();
            ASSERT_EQ(bitmap->Width(), image.width());
            ASSERT_EQ(bitmap->Height(), image.height());
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb c = image.pixel(x, y);
                    EXPECT_EQ(bitmap->Pixel(x, y), TColor(RGB(qRed(c), qGreen(c), qBlue(c)))) << x << "," << y;
                }
        }
        return;
    }
    const std::optional<TValue> got = info->Get(control);
    ASSERT_TRUE(got.has_value()) << libraryName;
    if (p.isEnumType()) {
        ASSERT_LT(std::size_t(value.toInt()), info->ValueNames.size());
        EXPECT_EQ(got->text, info->ValueNames[std::size_t(value.toInt())]) << libraryName;
        return;
    }
    switch (p.metaType().id()) {
        case QMetaType::Bool: EXPECT_EQ(*got, TValue::Bool(value.toBool())) << libraryName; break;
        case QMetaType::Int: EXPECT_EQ(got->integer, value.toInt()) << libraryName; break;
        case QMetaType::QChar: EXPECT_EQ(got->text, std::string(1, char(value.value<QChar>().unicode()))) << libraryName; break;
        case QMetaType::QString: EXPECT_EQ(got->text, value.toString().toStdString()) << libraryName; break;
        case QMetaType::QColor: {
            const QColor c = value.value<QColor>();
            EXPECT_EQ(ValueToColor(*got), TColor(RGB(c.red(), c.green(), c.blue()))) << libraryName;
            break;
        }
        default: ADD_FAILURE() << "no check for " << p.typeName();
    }
}

bool SameValue(const QMetaProperty& p, const QVariant& a, const QVariant& b) {
    if (p.isEnumType()) return a.toInt() == b.toInt();
    if (a.metaType().id() == QMetaType::QPixmap) return a.value<QPixmap>().toImage() == b.value<QPixmap>().toImage();
    return a == b;
}

class WidgetProperties : public ::testing::TestWithParam<TWidgetClass> {};

TEST_P(WidgetProperties, EachReachesTheControlAndComesBack) {
    QWidget window;
    ControlWidget* widget = GetParam().Make(&window);
    const QMetaObject* meta = widget->metaObject();
    EXPECT_EQ(meta->className(), GetParam().Name);
    int checked = 0;
    for (int i = ControlWidget::staticMetaObject.propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        SCOPED_TRACE(p.name());
        EXPECT_TRUE(p.isDesignable());
        if (!p.isWritable()) continue;  // version
        const QVariant before = widget->property(p.name());
        const QVariant value = Another(p, before);
        ASSERT_TRUE(value.isValid()) << "no value for " << p.typeName();
        ASSERT_TRUE(widget->setProperty(p.name(), value));
        EXPECT_TRUE(SameValue(p, widget->property(p.name()), value));
        if (std::string(p.name()) == "currentRow") {
            // Not published (a form does not store it): the list's own index.
            EXPECT_FALSE(p.isStored());
            EXPECT_EQ(static_cast<ListBox*>(widget)->currentRow(), value.toInt());
        } else {
            EXPECT_TRUE(p.isStored());
            ExpectLibraryValue(*widget->control(), LibraryName(*widget, p.name()), p, value);
        }
        ++checked;
    }
    EXPECT_GE(checked, 5);
    EXPECT_EQ(widget->property("version").toString().toStdString(), "Version 2.00 by the OrvoControls team");
}

TEST_P(WidgetProperties, EveryPublishedPropertyIsOneOfTheWidgetsOrQts) {
    QWidget window;
    ControlWidget* widget = GetParam().Make(&window);
    std::set<std::string> mapped;
    const QMetaObject* meta = widget->metaObject();
    for (int i = ControlWidget::staticMetaObject.propertyOffset(); i < meta->propertyCount(); ++i)
        mapped.insert(LibraryName(*widget, meta->property(i).name()));
    for (const TPropInfo& p : widget->control()->ClassInfo().Published) {
        if (p.Kind == TPropKind::Event) continue;
        EXPECT_TRUE(mapped.count(p.Name) || kQtsOwn.count(p.Name)) << p.Name << " of " << GetParam().Name;
    }
}

INSTANTIATE_TEST_SUITE_P(AllTwelve, WidgetProperties, ::testing::ValuesIn(WidgetClasses()),
                         [](const auto& info) { return info.param.Name.substr(6); });

// Values a control refuses or clamps: a warning, or the library's clamp, and
// never a changed value that the control did not take.
TEST(WidgetPropertyLimits, RefusedValuesLeaveTheControlAsItWas) {
    RadioButton radio;
    radio.setGroupIndex(7);
    radio.setGroupIndex(300);  // a byte in the library: refused
    EXPECT_EQ(radio.groupIndex(), 7);
    RadioGroup group;
    group.setColumns(40);
    EXPECT_EQ(group.columns(), 16);  // clamped to 1..16
    group.setItems({"a", "b"});
    group.setCurrentIndex(9);
    EXPECT_EQ(group.currentIndex(), 1);  // clamped to the last line
    // Given before any items (as code from a .ui file does), kept for them.
    RadioGroup early;
    early.setCurrentIndex(2);
    early.setItems({"a", "b", "c", "d"});
    EXPECT_EQ(early.currentIndex(), 2);
    Panel panel;
    panel.setTransparency(250);
    EXPECT_EQ(panel.transparency(), 100);  // stored as 100
    CheckBox box;
    box.setCheckColor(QColor());  // no colour: refused
    EXPECT_EQ(box.checkColor(), QColor(255, 0, 0));
    box.setAlignment(ControlWidget::Center);  // no place for the square: the right
    EXPECT_EQ(box.alignment(), ControlWidget::RightJustify);
    box.setAlignment(ControlWidget::LeftJustify);
    EXPECT_EQ(box.alignment(), ControlWidget::LeftJustify);
}

}  // namespace
