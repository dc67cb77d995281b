// The demonstration form written out and read back is the same form: the
// second description has the same bytes as the first, and shown, the copy
// looks the same to the last pixel and answers its pages the same way.
#include <QImage>
#include <QWidget>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "Unit1.h"
#include "host/qt/Automation.h"
#include "host/framework/Streaming.h"

using namespace Orvo;

namespace {

// The form as a description names it: class TForm1, read into a TForm1.
std::unique_ptr<TForm1> ReadDemoCopy(const std::string& text) {
    std::unique_ptr<TComponent> root(ReadComponentFromText(text, "demo.form"));
    auto* form = dynamic_cast<TForm1*>(root.get());
    if (!form) return nullptr;
    root.release();
    return std::unique_ptr<TForm1>(form);
}

QImage Picture(TCustomForm* form) {
    ProcessPendingPaints();
    QWidget* widget = form->Widget();
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    widget->render(&image);
    return image;
}

// The first pixel where two pictures differ, or "" when none does.
std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "the sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "";
}

TEST(DemoRoundTrip, TheDescriptionAsCompiledWritesTheSameBytesAfterAReadBack) {
    TForm1 form(nullptr);
    const std::string first = WriteComponentText(&form);
    std::unique_ptr<TForm1> copy = ReadDemoCopy(first);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(WriteComponentText(copy.get()), first);
    // The writer used to leave the form's window colour out.
    EXPECT_EQ(copy->Color(), clWindow);
}

TEST(DemoRoundTrip, TheShownFormAndItsCopyWriteAndShowTheSame) {
    auto original = std::make_unique<TForm1>(nullptr);
    original->AfterConstruction();
    ShowFormForAutomation(original.get());
    const QImage before = Picture(original.get());
    const std::string first = WriteComponentText(original.get());
    original.reset();

    std::unique_ptr<TForm1> copy = ReadDemoCopy(first);
    ASSERT_NE(copy, nullptr);
    copy->AfterConstruction();  // OnCreate, bound by name
    EXPECT_TRUE(copy->PanelCtl3D());
    ShowFormForAutomation(copy.get());
    EXPECT_EQ(FirstDifference(Picture(copy.get()), before), "");
    EXPECT_EQ(WriteComponentText(copy.get()), first);

    // The handlers are the demo's: the pages still drive the controls.
    copy->co_cbBorder->SelectByUser(3);
    EXPECT_EQ(copy->OrvoCheckBox1->Border(), obSimple);
}

TEST(DemoRoundTrip, ADescriptionOfTheFormWithoutItsPagesStillShows) {
    // FormShow brings pages into line that a hand-made description may lack.
    std::unique_ptr<TForm1> form = ReadDemoCopy(
        "object Form1: TForm1\n"
        "  OnCreate = FormCreate\n"
        "  OnShow = FormShow\n"
        "  object co_cbBorder: TComboBox\n"
        "    Items.Strings = (\n"
        "      'obNone'\n"
        "      'obLowered')\n"
        "  end\n"
        "end\n");
    ASSERT_NE(form, nullptr);
    form->AfterConstruction();
    ShowFormForAutomation(form.get());
    EXPECT_EQ(form->co_cbBorder->ItemIndex(), 0);
    EXPECT_EQ(form->PageControl1, nullptr);
}

}  // namespace
