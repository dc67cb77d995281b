// End-to-end tests of orvoform: the tool is run as a separate program on
// small forms; its pictures are loaded back and their pixels checked, its
// dumps are checked line by line, and each kind of bad input must end with
// status 2 and a message naming the culprit.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <string>

#include <gtest/gtest.h>

#include "orvoform_run.h"

namespace {

bool HasLine(const std::string& text, const std::string& line) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string current = text.substr(start, end - start);
        const std::size_t first = current.find_first_not_of(' ');
        if (first != std::string::npos && current.substr(first) == line) return true;
        start = end + 1;
    }
    return false;
}

// The lines of one object of a dump, from `object NAME:` to its own `end`.
std::string ObjectBlock(const std::string& dump, const std::string& name) {
    const std::size_t start = dump.find("object " + name + ":");
    if (start == std::string::npos) return {};
    const std::size_t lineStart = dump.rfind('\n', start) + 1;
    const std::string indent = dump.substr(lineStart, start - lineStart);
    const std::size_t end = dump.find("\n" + indent + "end\n", start);
    return dump.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// A form of stock controls at known places: a red form, a green panel, two
// check boxes, a combo box, a label and a button.
const char* const StockForm = R"(object Form1: TForm
  Left = 0
  Top = 0
  BorderStyle = bsNone
  ClientWidth = 240
  ClientHeight = 140
  Color = $000000FF
  object Label1: TLabel
    Left = 10
    Top = 110
    Caption = 'Label'
  end
  object Panel1: TPanel
    Left = 10
    Top = 10
    Width = 60
    Height = 40
    BevelOuter = bvNone
    Caption = ''
    Color = $0000FF00
    TabOrder = 0
  end
  object CheckBox1: TCheckBox
    Left = 90
    Top = 10
    Width = 120
    Height = 17
    Caption = '&Check'
    TabOrder = 1
  end
  object CheckBox2: TCheckBox
    Left = 90
    Top = 40
    Width = 120
    Height = 17
    Caption = 'Second'
    TabOrder = 2
  end
  object ComboBox1: TComboBox
    Left = 90
    Top = 70
    Width = 120
    Height = 21
    Style = csDropDownList
    Items.Strings = (
      'zero'
      'one'
      'two')
    TabOrder = 3
  end
end
)";

class OrvoformTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FDir.isValid()); }

    QString Path(const QString& name) const { return FDir.filePath(name); }

    QString WriteForm(const QString& name, const QByteArray& text) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }

    QString StockFormPath() const { return WriteForm(QStringLiteral("stock.form"), StockForm); }

    TToolRun Dump(const QStringList& steps) const {
        return RunTool(QStringList{QStringLiteral("dump"), StockFormPath()} + steps);
    }

    // Renders the stock form (or one control of it) after the steps.
    QImage Render(const QStringList& steps, const QString& control = {}) const {
        const QString out = Path(QStringLiteral("out.png"));
        QFile::remove(out);
        QStringList args{QStringLiteral("render"), StockFormPath()};
        args += steps;
        args += QStringList{QStringLiteral("-o"), out};
        if (!control.isEmpty()) args += QStringList{QStringLiteral("--control"), control};
        const TToolRun run = RunTool(args);
        EXPECT_EQ(run.Status, 0) << run.Err;
        return QImage(out);
    }

    QTemporaryDir FDir;
};

QRgb Red() { return qRgb(255, 0, 0); }
QRgb Green() { return qRgb(0, 255, 0); }
QRgb Blue() { return qRgb(0, 0, 255); }

// ---------------------------------------------------------------- render

TEST_F(OrvoformTest, RenderPicturesTheClientAreaOnePixelPerPixel) {
    const QImage image = Render({});
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(240, 140));
    // The panel covers 10..69 x 10..49 of the red form.
    EXPECT_EQ(image.pixel(10, 10), Green());
    EXPECT_EQ(image.pixel(69, 49), Green());
    EXPECT_EQ(image.pixel(40, 30), Green());
    EXPECT_EQ(image.pixel(9, 30), Red());
    EXPECT_EQ(image.pixel(70, 30), Red());
    EXPECT_EQ(image.pixel(40, 50), Red());
    EXPECT_EQ(image.pixel(0, 0), Red());
    EXPECT_EQ(image.pixel(239, 139), Red());
}

TEST_F(OrvoformTest, RenderOfOneControlPicturesOnlyItsClientArea) {
    const QImage image = Render({}, QStringLiteral("Panel1"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(60, 40));
    EXPECT_EQ(image.pixel(0, 0), Green());
    EXPECT_EQ(image.pixel(59, 39), Green());
}

TEST_F(OrvoformTest, SetStepRepaintsBeforeThePictureIsTaken) {
    const QImage image = Render({QStringLiteral("set:Panel1.Color=$00FF0000"), QStringLiteral("set:Form1.Color=clBlack")});
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(40, 30), Blue());
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 0));
}

TEST_F(OrvoformTest, StandardInputIsReadForDash) {
    const QString out = Path(QStringLiteral("stdin.png"));
    const TToolRun run = RunTool({QStringLiteral("render"), QStringLiteral("-"), QStringLiteral("-o"), out}, StockForm);
    ASSERT_EQ(run.Status, 0) << run.Err;
    const QImage image(out);
    EXPECT_EQ(image.size(), QSize(240, 140));
    EXPECT_EQ(image.pixel(40, 30), Green());
}

// ---------------------------------------------------------------- dump and set

TEST_F(OrvoformTest, DumpStreamsTheFormAfterTheSteps) {
    const TToolRun run = Dump({QStringLiteral("set:Label1.Caption='A&&B'"), QStringLiteral("set:Label1.Font.Color=clRed"),
                               QStringLiteral("set:Label1.Font.Style=[fsBold]")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out.rfind("object Form1: TForm\n", 0), 0u) << run.Out;
    EXPECT_TRUE(HasLine(run.Out, "object Panel1: TPanel")) << run.Out;
    EXPECT_TRUE(HasLine(run.Out, "Caption = 'A&&B'")) << run.Out;
    EXPECT_TRUE(HasLine(run.Out, "Font.Color = clRed")) << run.Out;
    EXPECT_TRUE(HasLine(run.Out, "Font.Style = [fsBold]")) << run.Out;
    EXPECT_EQ(run.Out.substr(run.Out.size() - 4), "end\n");
}

// ---------------------------------------------------------------- input

TEST_F(OrvoformTest, ClickAndKeysGoThroughTheFocusedControl) {
    // A click toggles the check box.
    TToolRun run = Dump({QStringLiteral("click:CheckBox1")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(HasLine(run.Out, "Checked = True")) << run.Out;

    // Space toggles the focused box; Tab moves the focus to the next one first.
    run = Dump({QStringLiteral("focus:CheckBox1"), QStringLiteral("key:Tab"), QStringLiteral("key:Space")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::size_t second = run.Out.find("object CheckBox2");
    ASSERT_NE(second, std::string::npos);
    EXPECT_FALSE(HasLine(run.Out.substr(0, second), "Checked = True")) << run.Out;
    EXPECT_TRUE(HasLine(run.Out.substr(second), "Checked = True")) << run.Out;
}

TEST_F(OrvoformTest, ReleaseOutsideTheControlDragsOffIt) {
    TToolRun run = Dump({QStringLiteral("press:CheckBox1"), QStringLiteral("release:CheckBox1@-40,5")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_FALSE(HasLine(run.Out, "Checked = True")) << run.Out;

    run = Dump({QStringLiteral("press:CheckBox1@5,5"), QStringLiteral("release:CheckBox1@8,8")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(HasLine(run.Out, "Checked = True")) << run.Out;
}

TEST_F(OrvoformTest, DoubleClickIsTwoClicksOfACheckBox) {
    // The check box takes the second press of a double click as a press, so
    // it toggles twice (and takes the focus); separate clicks never pair
    // into a double click.
    TToolRun run = Dump({QStringLiteral("focus:CheckBox2"), QStringLiteral("dblclick:CheckBox1")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(HasLine(run.Out, "ActiveControl = CheckBox1")) << run.Out;
    EXPECT_FALSE(HasLine(run.Out, "Checked = True")) << run.Out;

    run = Dump({QStringLiteral("click:CheckBox1"), QStringLiteral("click:CheckBox1"), QStringLiteral("click:CheckBox1")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(HasLine(run.Out, "Checked = True")) << run.Out;
}

TEST_F(OrvoformTest, AltWithACharacterTakesTheAcceleratorPath) {
    const TToolRun run = Dump({QStringLiteral("focus:CheckBox2"), QStringLiteral("alt:c")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::size_t second = run.Out.find("object CheckBox2");
    ASSERT_NE(second, std::string::npos);
    EXPECT_TRUE(HasLine(run.Out.substr(0, second), "Checked = True")) << run.Out;
    EXPECT_FALSE(HasLine(run.Out.substr(second), "Checked = True")) << run.Out;
}

TEST_F(OrvoformTest, PickSelectsAComboItem) {
    const TToolRun run = Dump({QStringLiteral("pick:ComboBox1=2")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(HasLine(run.Out, "ItemIndex = 2")) << run.Out;
}

// ---------------------------------------------------------------- errors

TEST_F(OrvoformTest, MalformedOrUnreadableFormsNameFileAndLine) {
    const QString bad = WriteForm(QStringLiteral("bad.form"), "object Form1: TForm\n  Left = 0\n  Top = \nend\n");
    TToolRun run = RunTool({QStringLiteral("dump"), bad});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.rfind(bad.toStdString() + ":3: ", 0), 0u) << run.Err;
    EXPECT_TRUE(run.Out.empty());

    const QString unknownClass =
        WriteForm(QStringLiteral("class.form"), "object Form1: TForm\n  object X1: TNoSuchClass\n  end\nend\n");
    run = RunTool({QStringLiteral("dump"), unknownClass});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.rfind(unknownClass.toStdString() + ":2: ", 0), 0u) << run.Err;

    const QString missing = Path(QStringLiteral("missing.form"));
    run = RunTool({QStringLiteral("dump"), missing});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.rfind(missing.toStdString() + ":", 0), 0u) << run.Err;

    run = RunTool({QStringLiteral("dump"), QStringLiteral("-")}, "object Form1: TForm\n  Left = \nend\n");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.rfind("<stdin>:2: ", 0), 0u) << run.Err;
}

TEST_F(OrvoformTest, BadStepsExitTwoNamingTheCulpritAndWriteNoPicture) {
    const QString form = StockFormPath();
    const QString out = Path(QStringLiteral("never.png"));
    struct TCase {
        const char* Step;
        const char* Named;
    };
    const TCase cases[] = {
        {"click:NoSuchControl", "NoSuchControl"},
        {"set:Panel1.NoSuchProp=1", "NoSuchProp"},
        {"set:Label1.Font.NoSuchSub=1", "NoSuchSub"},
        {"set:Panel1.BevelOuter=bvNoSuchValue", "bvNoSuchValue"},
        {"set:Panel1.Color='unterminated", "'unterminated"},
        {"wiggle:Panel1", "wiggle"},
        {"key:NoSuchKey", "NoSuchKey"},
        {"hover:Panel1@1", "@1"},
        {"pick:ComboBox1=3", "ComboBox1"},
        {"pick:Panel1=0", "Panel1"},
        {"focus:Label1", "Label1"},
        {"dialog:#12345", "#12345"},
    };
    for (const TCase& c : cases) {
        const TToolRun run = RunTool({QStringLiteral("render"), form, QString::fromLatin1(c.Step), QStringLiteral("-o"), out});
        EXPECT_EQ(run.Status, 2) << c.Step;
        EXPECT_NE(run.Err.find(c.Named), std::string::npos) << c.Step << ": " << run.Err;
        EXPECT_FALSE(QFile::exists(out)) << c.Step;
    }
}

TEST_F(OrvoformTest, BadArgumentsExitTwo) {
    const QString form = StockFormPath();
    EXPECT_EQ(RunTool({}).Status, 2);
    EXPECT_EQ(RunTool({QStringLiteral("paint"), form}).Status, 2);
    EXPECT_EQ(RunTool({QStringLiteral("render"), form}).Status, 2);  // no -o
    const TToolRun run = RunTool({QStringLiteral("render"), form, QStringLiteral("-o"), Path(QStringLiteral("x.png")),
                                  QStringLiteral("--control"), QStringLiteral("Label1")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("Label1"), std::string::npos) << run.Err;
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("x.png"))));
    // A device pixel ratio is a whole number from 1 to 4, for render only.
    for (const char* scale : {"0", "5", "2.5", "x", ""}) {
        const TToolRun bad = RunTool({QStringLiteral("render"), form, QStringLiteral("-o"), Path(QStringLiteral("x.png")),
                                      QStringLiteral("--scale=") + QLatin1String(scale)});
        EXPECT_EQ(bad.Status, 2) << scale;
        EXPECT_NE(bad.Err.find("--scale"), std::string::npos) << bad.Err;
    }
    EXPECT_EQ(RunTool({QStringLiteral("dump"), form, QStringLiteral("--scale"), QStringLiteral("2")}).Status, 2);
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("x.png"))));
}

// ---------------------------------------------------------------- library controls

// A library check box that hot-tracks its caption in magenta, beside a button.
const char* const LibraryForm = R"(object Form1: TForm
  BorderStyle = bsNone
  ClientWidth = 200
  ClientHeight = 80
  Color = clWhite
  object OrvoCheckBox1: TOrvoCheckBox
    Left = 10
    Top = 10
    Width = 120
    Height = 20
    Caption = 'Hot tracked'
    HotTrack = True
    HotTrackFontColor = $00FF00FF
    TabOrder = 0
  end
  object Button1: TButton
    Left = 10
    Top = 40
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 1
  end
end
)";

// Pixels of magenta text, antialiased over a grey face: red and blue well
// above green.
int CountMagentaInk(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            n += qRed(c) > qGreen(c) + 96 && qBlue(c) > qGreen(c) + 96;
        }
    return n;
}

TEST_F(OrvoformTest, HoverHotTracksALibraryControlUntilThePointerLeaves) {
    const QString form = WriteForm(QStringLiteral("library.form"), LibraryForm);
    const QString out = Path(QStringLiteral("hover.png"));
    auto magentaPixels = [&](const QStringList& steps) {
        QStringList args{QStringLiteral("render"), form};
        args += steps;
        args += QStringList{QStringLiteral("-o"), out, QStringLiteral("--control"), QStringLiteral("OrvoCheckBox1")};
        const TToolRun run = RunTool(args);
        EXPECT_EQ(run.Status, 0) << run.Err;
        return CountMagentaInk(QImage(out));
    };
    EXPECT_EQ(magentaPixels({}), 0);
    EXPECT_GT(magentaPixels({QStringLiteral("hover:OrvoCheckBox1")}), 0);
    // Hovering the form or another control leaves the check box.
    EXPECT_EQ(magentaPixels({QStringLiteral("hover:OrvoCheckBox1"), QStringLiteral("hover:Form1@190,70")}), 0);
    EXPECT_EQ(magentaPixels({QStringLiteral("hover:OrvoCheckBox1"), QStringLiteral("hover:Button1")}), 0);
}

TEST_F(OrvoformTest, LibraryControlTakesKeysAndSizesItselfWhilePainting) {
    const QString form = WriteForm(QStringLiteral("library.form"), LibraryForm);
    const TToolRun run = RunTool({QStringLiteral("dump"), form, QStringLiteral("focus:OrvoCheckBox1"), QStringLiteral("key:Space")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string box = ObjectBlock(run.Out, "OrvoCheckBox1");
    EXPECT_TRUE(HasLine(box, "Checked = True")) << run.Out;
    // AutoSize fits the box to its caption when it paints: narrower than stored.
    EXPECT_FALSE(HasLine(box, "Width = 120")) << run.Out;
}

// ---------------------------------------------------------------- the demonstration form

bool DemoBuiltIn(const TToolRun& run) { return run.Err.find("not built in") == std::string::npos; }

TEST_F(OrvoformTest, DemoRendersWithoutADisplay) {
    const QString out = Path(QStringLiteral("demo.png"));
    const TToolRun run = RunTool({QStringLiteral("render"), QStringLiteral("demo"), QStringLiteral("-o"), out});
    if (!DemoBuiltIn(run)) GTEST_SKIP() << "the demonstration form is not linked into this build";
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(QImage(out).size(), QSize(645, 294));
}

TEST_F(OrvoformTest, DemoPagesDriveTheDemonstrationControls) {
    const TToolRun run = RunTool({QStringLiteral("dump"), QStringLiteral("demo"), QStringLiteral("pick:co_cbBorder=3")});
    if (!DemoBuiltIn(run)) GTEST_SKIP() << "the demonstration form is not linked into this build";
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out.rfind("object Form1: TForm1\n", 0), 0u);
    EXPECT_TRUE(HasLine(ObjectBlock(run.Out, "OrvoCheckBox1"), "Border = obSimple")) << run.Out;
}

TEST_F(OrvoformTest, DemoColourDialogTakesTheScriptedAnswer) {
    TToolRun run = RunTool({QStringLiteral("dump"), QStringLiteral("demo"), QStringLiteral("dialog:#102030"),
                            QStringLiteral("click:b_cbColor")});
    if (!DemoBuiltIn(run)) GTEST_SKIP() << "the demonstration form is not linked into this build";
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(HasLine(ObjectBlock(run.Out, "OrvoCheckBox1"), "Color = $00302010")) << run.Out;

    run = RunTool({QStringLiteral("dump"), QStringLiteral("demo"), QStringLiteral("dialog:cancel"),
                   QStringLiteral("click:b_cbColor")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_FALSE(HasLine(ObjectBlock(run.Out, "OrvoCheckBox1"), "Color = $00302010")) << run.Out;

    // Without an answer the dialog would wait for a user: the run fails.
    run = RunTool({QStringLiteral("dump"), QStringLiteral("demo"), QStringLiteral("click:b_cbColor")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("dialog:"), std::string::npos) << run.Err;
}

TEST_F(OrvoformTest, DemoDumpReadsBackAsTheDemoFormWithItsHandlers) {
    const TToolRun dump = RunTool({QStringLiteral("dump"), QStringLiteral("demo")});
    if (!DemoBuiltIn(dump)) GTEST_SKIP() << "the demonstration form is not linked into this build";
    ASSERT_EQ(dump.Status, 0) << dump.Err;
    const QString saved = Path(QStringLiteral("demo.form"));
    {
        QFile file(saved);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(dump.Out));
    }
    // Class TForm1 is the demo's form: it renders, and its page handlers run.
    const QString out = Path(QStringLiteral("copy.png"));
    const TToolRun render = RunTool({QStringLiteral("render"), saved, QStringLiteral("-o"), out});
    ASSERT_EQ(render.Status, 0) << render.Err;
    EXPECT_EQ(QImage(out).size(), QSize(645, 294));
    const TToolRun again = RunTool({QStringLiteral("dump"), saved});
    ASSERT_EQ(again.Status, 0) << again.Err;
    EXPECT_EQ(again.Out, dump.Out);
    const TToolRun picked = RunTool({QStringLiteral("dump"), saved, QStringLiteral("pick:co_cbBorder=3")});
    ASSERT_EQ(picked.Status, 0) << picked.Err;
    EXPECT_TRUE(HasLine(ObjectBlock(picked.Out, "OrvoCheckBox1"), "Border = obSimple")) << picked.Out;
}

}  // namespace

namespace {

TEST_F(OrvoformTest, DemoDumpedWithTheFocusOnAGroupsPartReadsBackWithTheSameFocusAndClientSize) {
    // The focus on a radio group's line or on a group box's heading is
    // written as that part of the group; a dump of the dump is the same.
    struct TCase {
        const char* Step;
        const char* ActiveControl;
    };
    const TCase cases[] = {{"click:OrvoRadioGroup1@30,35", "ActiveControl = OrvoRadioGroup1.Button1"},
                           {"click:OrvoGroupBoxWithCheck1@20,6", "ActiveControl = OrvoGroupBoxWithCheck1.Heading"}};
    for (const TCase& c : cases) {
        const TToolRun first = RunTool({QStringLiteral("dump"), QStringLiteral("demo"), QString::fromLatin1(c.Step)});
        if (!DemoBuiltIn(first)) GTEST_SKIP() << "the demonstration form is not linked into this build";
        ASSERT_EQ(first.Status, 0) << first.Err;
        const std::string form = first.Out.substr(0, first.Out.find("\n  object "));
        EXPECT_TRUE(HasLine(form, c.ActiveControl)) << form;
        // The client size as the description gave it, not the outer size.
        EXPECT_TRUE(HasLine(form, "ClientHeight = 294")) << form;
        EXPECT_TRUE(HasLine(form, "ClientWidth = 645")) << form;
        EXPECT_FALSE(HasLine(form, "Width = 651")) << form;
        const QString saved = WriteForm(QStringLiteral("a.form"), QByteArray::fromStdString(first.Out));
        const TToolRun second = RunTool({QStringLiteral("dump"), saved});
        ASSERT_EQ(second.Status, 0) << second.Err;
        EXPECT_EQ(second.Out, first.Out) << c.Step;
    }
}

}  // namespace
