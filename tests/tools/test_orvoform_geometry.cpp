// orvoform with extreme geometry: positions and sizes out of the control
// range are bad input (status 2, naming the culprit), pointer positions far
// outside the form are valid places to press and release, and a picture
// that the input left empty is the input's fault, not the tool's.
#include <QFile>
#include <QTemporaryDir>

#include <string>

#include <gtest/gtest.h>

#include "orvoform_run.h"

namespace {

const char* const kPanelForm = R"(object Form1: TForm
  Left = 0
  Top = 0
  BorderStyle = bsNone
  ClientWidth = 120
  ClientHeight = 80
  object Panel1: TPanel
    Left = 10
    Top = 10
    Width = 50
    Height = 40
    Caption = ''
  end
  object Label1: TLabel
    Left = 70
    Top = 10
    Caption = 'Far'
  end
end
)";

class OrvoformGeometryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FDir.isValid()); }
    QString Path(const char* name) const { return FDir.filePath(QString::fromLatin1(name)); }
    QString WriteForm(const char* name, const QByteArray& text) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }
    QTemporaryDir FDir;
};

TEST_F(OrvoformGeometryTest, AssignedGeometryOutOfRangeIsBadInput) {
    const QString form = WriteForm("panel.form", kPanelForm);
    const char* const steps[] = {"set:Panel1.Width=2147483647", "set:Label1.Left=-2147483648",
                                 "set:Panel1.Top=16777216", "set:Label1.Height=-16777216"};
    for (const char* step : steps) {
        const TToolRun run = RunTool({QStringLiteral("dump"), form, QString::fromLatin1(step)});
        EXPECT_EQ(run.Status, 2) << step << ": " << run.Err;
        const std::string property = std::string(step).substr(4, std::string(step).find('=') - 4);
        EXPECT_NE(run.Err.find(property), std::string::npos) << step << ": " << run.Err;
        EXPECT_NE(run.Err.find("out of range"), std::string::npos) << step << ": " << run.Err;
        EXPECT_TRUE(run.Out.empty()) << step;
    }
}

TEST_F(OrvoformGeometryTest, StoredGeometryOutOfRangeNamesFileAndLine) {
    std::string text = kPanelForm;
    text.replace(text.find("    Left = 10\n"), 14, "    Left = 2147483647\n");
    const QString form = WriteForm("far.form", QByteArray::fromStdString(text));
    const TToolRun run = RunTool({QStringLiteral("dump"), form});
    EXPECT_EQ(run.Status, 2) << run.Err;
    EXPECT_EQ(run.Err.rfind(form.toStdString() + ":8: ", 0), 0u) << run.Err;
    EXPECT_NE(run.Err.find("out of range (-16777215 to 16777215)"), std::string::npos) << run.Err;
}

TEST_F(OrvoformGeometryTest, PointerFarOutsideIsAValidPlace) {
    const QString form = WriteForm("panel.form", kPanelForm);
    const TToolRun run = RunTool({QStringLiteral("dump"), form, QStringLiteral("hover:Label1@-2147483648,-2147483648"),
                                  QStringLiteral("press:Label1@2147483647,100"),
                                  QStringLiteral("release:Panel1@2147483647,2147483647"),
                                  QStringLiteral("click:Panel1@-2147483648,5")});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("object Panel1: TPanel"), std::string::npos) << run.Out;
}

TEST_F(OrvoformGeometryTest, EmptyPictureIsBadInputAndWritesNothing) {
    const QString form = WriteForm("panel.form", kPanelForm);
    const QString out = Path("empty.png");
    struct TCase {
        QStringList Args;
        const char* Named;
    };
    const TCase cases[] = {
        {{QStringLiteral("set:Form1.ClientWidth=0")}, "client area of Form1 is empty (0 x 80 pixels)"},
        {{QStringLiteral("set:Panel1.Height=0"), QStringLiteral("--control"), QStringLiteral("Panel1")},
         "client area of Panel1 is empty (50 x 0 pixels)"},
    };
    for (const TCase& c : cases) {
        const TToolRun run = RunTool(QStringList{QStringLiteral("render"), form, QStringLiteral("-o"), out} + c.Args);
        EXPECT_EQ(run.Status, 2) << c.Named << ": " << run.Err;
        EXPECT_NE(run.Err.find(c.Named), std::string::npos) << run.Err;
        EXPECT_FALSE(QFile::exists(out)) << c.Named;
    }
}

// The demonstration form, as a user would try it.
TEST_F(OrvoformGeometryTest, DemoWithExtremeValues) {
    const TToolRun far = RunTool({QStringLiteral("dump"), QStringLiteral("demo"), QStringLiteral("press:Label5@2147483647,100")});
    if (far.Err.find("not built in") != std::string::npos) GTEST_SKIP() << "the demonstration form is not linked into this build";
    EXPECT_EQ(far.Status, 0) << far.Err;

    const TToolRun wide = RunTool({QStringLiteral("dump"), QStringLiteral("demo"), QStringLiteral("set:Label3.Width=2147483647")});
    EXPECT_EQ(wide.Status, 2) << wide.Err;
    EXPECT_NE(wide.Err.find("Label3.Width"), std::string::npos) << wide.Err;

    const QString out = Path("narrow.png");
    const TToolRun narrow =
        RunTool({QStringLiteral("render"), QStringLiteral("demo"), QStringLiteral("set:Form1.Width=3"), QStringLiteral("-o"), out});
    EXPECT_EQ(narrow.Status, 2) << narrow.Err;
    EXPECT_NE(narrow.Err.find("client area of Form1 is empty"), std::string::npos) << narrow.Err;
    EXPECT_FALSE(QFile::exists(out));
}

}  // namespace
