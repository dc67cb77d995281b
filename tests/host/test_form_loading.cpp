// Forms loaded from a description while the program runs: handlers bound by
// name from a program's TFormHandlers, and every failure one line-numbered
// EReadError with nothing left behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QImage>
#include <QTemporaryDir>

#include <fstream>

#include "host/framework/FormLoading.h"
#include "host/qt/QtPictures.h"
#include "host/stdctrls/StdCtrls.h"

using namespace Orvo;

namespace {

std::string FormWith(const std::string& children, const std::string& formProperties = "") {
    return "object Loaded1: TForm\n"          // line 1
           "  Caption = 'Loaded'\n"           // line 2
           + formProperties + children + "end\n";
}

const std::string kButton =
    "  object Go: TButton\n"   // line 3
    "    Caption = 'Go'\n"     // line 4
    "    OnClick = GoClick\n"  // line 5
    "  end\n";

}  // namespace

TEST(FormLoading, HandlersAreBoundByNameAndOnCreateRuns) {
    TComponent owner(nullptr);
    int clicks = 0, created = 0;
    TFormHandlers handlers;
    handlers.Add("GoClick", [&](TObject*) { ++clicks; }).Add("LoadedCreate", [&](TObject*) { ++created; });

    TForm* form = LoadFormText(FormWith(kButton, "  OnCreate = LoadedCreate\n"), "my.form", handlers, &owner);
    EXPECT_EQ(form->Owner(), &owner);
    EXPECT_EQ(created, 1);
    auto* go = dynamic_cast<TButton*>(form->FindComponent("Go"));
    ASSERT_NE(go, nullptr);
    go->Click();
    EXPECT_EQ(clicks, 1);
    // What was read writes back the same, handler names included.
    EXPECT_NE(WriteComponentText(form).find("OnClick = GoClick"), std::string::npos);
}

TEST(FormLoading, EveryFailureIsOneLineNumberedErrorAndLeavesNothing) {
    struct TCase {
        const char* Name;
        std::string Text;
        bool KeyHandler;  // GoClick given the shape of a key event
        int Line;
        const char* Message;
    };
    const TCase cases[] = {
        {"no handler given", FormWith(kButton), false, 5,
         "the form has no method GoClick (a program binds handler names with TFormHandlers"},
        {"handler of another shape", FormWith(kButton), true, 5, "does not fit the event OnClick"},
        {"not a form of that class", "object Other1: TButton\nend\n", false, 1, "is of a TButton, not of a TForm"},
        {"bad syntax", FormWith("  object Go: TButton\n    Caption = 'Go\n  end\n"), false, 4, "string"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TComponent owner(nullptr);
        TFormHandlers handlers;
        if (c.KeyHandler) handlers.Add("GoClick", [](TObject*, Word&, TShiftState) {});
        try {
            LoadFormText(c.Text, "my.form", handlers, &owner);
            ADD_FAILURE() << "no error";
        } catch (const EReadError& e) {
            EXPECT_EQ(e.FileName(), "my.form");
            EXPECT_EQ(e.Line(), c.Line) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos) << e.what();
        }
        EXPECT_EQ(owner.ComponentCount(), 0);
    }
}

TEST(FormLoading, FilesThatCannotBeReadAreRefusedWithTheirReason) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string good = folder + "/good.form";
    std::ofstream(good) << FormWith("");
    TComponent owner(nullptr);
    EXPECT_EQ(LoadFormFile(good, {}, &owner)->Caption(), "Loaded");

    const std::pair<std::string, std::string> bad[] = {
        {folder + "/missing.form", "cannot open: No such file or directory"},
        {folder, "cannot read: Is a directory"},
    };
    for (const auto& [path, reason] : bad) {
        try {
            LoadFormFile(path, {}, &owner);
            ADD_FAILURE() << path;
        } catch (const EReadError& e) {
            EXPECT_EQ(std::string(e.what()), path + ":0: " + reason);
        }
    }
    EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST(QtPictures, BitmapsAndImagesCarryTheSamePixels) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30));
    image.setPixel(1, 0, qRgba(255, 0, 0, 0));      // fully transparent: the background
    image.setPixel(2, 1, qRgba(0, 0, 255, 128));   // half over white
    TBitmap bitmap;
    AssignImage(bitmap, image, clWhite);
    ASSERT_EQ(bitmap.Width(), 3);
    ASSERT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Pixel(0, 0), TColor(RGB(10, 20, 30)));
    EXPECT_EQ(bitmap.Pixel(1, 0), TColor(RGB(255, 255, 255)));
    EXPECT_EQ(bitmap.Pixel(2, 1), TColor(RGB(127, 127, 255)));

    const QImage back = BitmapToImage(bitmap);
    EXPECT_EQ(back.format(), QImage::Format_RGB32);
    EXPECT_EQ(back.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(back.pixel(2, 1), qRgb(127, 127, 255));
    TBitmap again;
    AssignPixmap(again, BitmapToPixmap(bitmap));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(again.Pixel(x, y), bitmap.Pixel(x, y));

    AssignImage(again, QImage());
    EXPECT_TRUE(again.Empty());
    EXPECT_TRUE(BitmapToImage(again).isNull());
}

TEST(QtPictures, PictureFilesLoadThroughQtsReaders) {
    QTemporaryDir dir;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 0));
    for (const char* format : {"png", "jpg"}) {
        const QString path = dir.path() + "/green." + format;
        ASSERT_TRUE(image.save(path, format));
        TBitmap bitmap;
        LoadPictureFile(bitmap, path.toStdString());
        EXPECT_EQ(bitmap.Width(), 4) << format;
        const COLORREF c = COLORREF(bitmap.Pixel(2, 2));
        EXPECT_NEAR(GetGValue(c), 128, format[0] == 'j' ? 3 : 0) << format;
    }
    TBitmap kept;
    kept.SetSize(2, 2);
    const std::string notAPicture = (dir.path() + "/notes.png").toStdString();
    std::ofstream(notAPicture) << "not a picture";
    EXPECT_THROW(LoadPictureFile(kept, notAPicture), EInvalidGraphic);
    EXPECT_EQ(kept.Width(), 2);
}

TEST(FormLoading, EachWindowIsMadeOnceWithWhatWasRead) {
    // Ctl3D and Style each ask for another window than the defaults': a
    // window made with the defaults would be made again (removed) while read.
    struct TRemovedWindows : QObject {
        QObject* Parent = nullptr;
        int Removed = 0;
        bool eventFilter(QObject* o, QEvent* e) override { return Removed += o == Parent && e->type() == QEvent::ChildRemoved, false; }
    } windows;
    TForm form(nullptr);
    form.HandleNeeded();  // as when an earlier control asked for its window
    windows.Parent = form.Widget();
    qApp->installEventFilter(&windows);
    ReadComponentText(&form, FormWith("  object Pick: TComboBox\n    Style = csDropDownList\n  end\n"
                                      "  object Field: TEdit\n    Ctl3D = True\n  end\n", "  Ctl3D = False\n"), "my.form");
    qApp->removeEventFilter(&windows);
    EXPECT_EQ(windows.Removed, 0);
    auto* pick = dynamic_cast<TComboBox*>(form.FindComponent("Pick"));
    ASSERT_TRUE(pick && pick->HandleAllocated());
    EXPECT_FALSE(static_cast<QComboBox*>(pick->Widget())->isEditable());
}
