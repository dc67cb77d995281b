// orvoform on hostile input: every case either gives the sound result or
// ends with a clear refusal (status 2, FILE:LINE for a form), never a crash,
// never a value overflowed, cut or dropped in silence.
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "orvoform_run.h"

namespace {

// Two page controls, a check box, a label, an edit and a panel; a case's own
// lines go in front of the form's `end` (line 27 on).
const std::string kFormHead = R"(object Form1: TForm
  Left = 0
  Top = 0
  ClientWidth = 300
  ClientHeight = 200
  object Pages1: TPageControl
    ActivePage = TabSheet1
    object TabSheet1: TTabSheet
    end
  end
  object Pages2: TPageControl
    Top = 100
    object TabSheet2: TTabSheet
    end
  end
  object CheckBox1: TCheckBox
    Left = 200
  end
  object Label1: TLabel
    Left = 200
    Top = 40
  end
  object Edit1: TEdit
    Left = 200
    Top = 60
  end
)";
constexpr int kFirstCaseLine = 27;

std::string Form(const std::string& lines) { return kFormHead + lines + "end\n"; }

struct THostileCase {
    const char* Name;
    std::string FormText;            // the form read (kFormHead plus the case's lines)
    std::vector<const char*> Steps;  // run on it
    int Status;
    int Line;              // for a refused form: the line the message names (0: none)
    const char* Message;   // a part of standard error (status 2) or of the dump (status 0)
};

void PrintTo(const THostileCase& c, std::ostream* out) { *out << c.Name; }

const THostileCase kCases[] = {
    // Font sizes: within -2048..2048 pixels or -1536..1536 points.
    {"FontHeightMostNegative", Form("  Font.Height = -2147483648\n"), {}, 2, kFirstCaseLine,
     "Form1.Font.Height: -2147483648 is out of range (-2048 to 2048)"},
    {"FontSizeWhosePixelsOverflow", Form("  Font.Size = 1610612736\n"), {}, 2, kFirstCaseLine,
     "Form1.Font.Size: 1610612736 is out of range (-1536 to 1536)"},
    {"FontSizeMostNegative", Form("  object Label2: TLabel\n    Font.Size = -2147483648\n  end\n"), {}, 2,
     kFirstCaseLine + 1, "Label2.Font.Size: -2147483648 is out of range (-1536 to 1536)"},
    {"FontHeightJustPastTheRange", Form("  Font.Height = 2049\n"), {}, 2, kFirstCaseLine, "out of range (-2048 to 2048)"},
    {"FontSizeAtTheEndOfTheRange", Form("  Font.Size = -1536\n"), {}, 0, 0, "Font.Height = 2048\n"},
    {"FontHeightAtTheEndOfTheRange", Form("  Font.Height = -2048\n"), {}, 0, 0, "Font.Height = -2048\n"},
    {"StepFontHeightMostNegative", Form(""), {"set:Label1.Font.Height=-2147483648"}, 2, 0,
     "Label1.Font.Height: -2147483648 is out of range (-2048 to 2048)"},
    {"StepFontSizeOverflowing", Form(""), {"set:Label1.Font.Size=1610612736"}, 2, 0,
     "Label1.Font.Size: 1610612736 is out of range (-1536 to 1536)"},

    // #0 in a window's text would end it: refused; elsewhere it is kept.
    {"FormCaptionWithNul", Form("  Caption = 'form'#0'caption'\n"), {}, 2, kFirstCaseLine, "Form1.Caption: #0 cannot"},
    {"LabelCaptionWithNul", Form("  object Label2: TLabel\n    Caption = 'lab'#0'el'\n  end\n"), {}, 2,
     kFirstCaseLine + 1, "Label2.Caption: #0 cannot"},
    {"CheckBoxCaptionWithNul", Form("  object Check2: TCheckBox\n    Caption = 'check'#0'box'\n  end\n"), {}, 2,
     kFirstCaseLine + 1, "Check2.Caption: #0 cannot"},
    {"PanelCaptionWithNul", Form("  object Panel2: TPanel\n    Caption = 'pa'#0'nel'\n  end\n"), {}, 2,
     kFirstCaseLine + 1, "Panel2.Caption: #0 cannot"},
    {"EditTextWithNul", Form("  object Edit2: TEdit\n    Text = 'ed'#0'it'\n  end\n"), {}, 2, kFirstCaseLine + 1,
     "Edit2.Text: #0 cannot"},
    {"LibraryCaptionWithNul", Form("  object Orvo1: TOrvoCheckBox\n    Caption = 'or'#0'vo'\n  end\n"), {}, 2,
     kFirstCaseLine + 1, "Orvo1.Caption: #0 cannot"},
    {"StepCaptionWithNul", Form(""), {"set:CheckBox1.Caption='check'#0'box'"}, 2, 0, "CheckBox1.Caption: #0 cannot"},
    {"HintKeepsNul", Form("  object Edit2: TEdit\n    Hint = 'hi'#0'nt'\n  end\n"), {}, 0, 0, "Hint = 'hi'#0'nt'\n"},
    // The item keeps it; the combo's text, the item up to its #0, reads back.
    {"ComboItemWithNul", Form("  object Combo1: TComboBox\n    Items.Strings = (\n      'a'#0'b')\n    ItemIndex = 0\n  end\n"),
     {}, 0, 0, "    Text = 'a'\n    Items.Strings = (\n      'a'#0'b')\n"},

    // References a property cannot hold.
    {"ActivePageOfAnotherPageControl", Form("  object Pages3: TPageControl\n    ActivePage = TabSheet2\n  end\n"), {}, 2,
     kFirstCaseLine + 1, "TabSheet2 is a page of Pages2, not of Pages3"},
    {"ActiveControlTheFormItself", Form("  ActiveControl = Form1\n"), {}, 2, kFirstCaseLine,
     "Form1 is the form itself, not a control on it"},
    {"PopupMenuThatIsNoMenu", Form("  object Check2: TCheckBox\n    PopupMenu = Check2\n  end\n"), {}, 2,
     kFirstCaseLine + 1, "Check2 is a TCheckBox, not a popup menu"},
    {"ReferenceOfTheWrongClass", Form("  ActiveControl = Label1\n"), {}, 2, kFirstCaseLine,
     "Label1 is a TLabel, which ActiveControl cannot hold"},
    {"StepActivePageOfAnotherPageControl", Form(""), {"set:Pages1.ActivePage=TabSheet2"}, 2, 0,
     "TabSheet2 is a page of Pages2, not of Pages1"},
    {"StepActiveControlTheFormItself", Form(""), {"set:Form1.ActiveControl=Form1"}, 2, 0, "is the form itself"},
    {"StepPopupMenuThatIsNoMenu", Form(""), {"set:CheckBox1.PopupMenu=CheckBox1"}, 2, 0, "not a popup menu"},
    {"ReferencesThatHold", Form(""), {"set:Pages2.ActivePage=TabSheet2", "set:Form1.ActiveControl=Edit1"}, 0, 0,
     "ActiveControl = Edit1\n"},

    // Names: one for each of a form and its components, never nil.
    {"ChildWithTheFormsName", Form("  object Form1: TCheckBox\n  end\n"), {}, 2, kFirstCaseLine, "Form1 is the form's own name"},
    {"ChildWithTheFormsNameInOtherCase", Form("  object FORM1: TLabel\n  end\n"), {}, 2, kFirstCaseLine,
     "FORM1 is the form's own name"},
    {"ComponentNamedNil", Form("  object nil: TCheckBox\n  end\n"), {}, 2, kFirstCaseLine, "nil cannot name a component"},
    {"ComponentNamedNilInCapitals", Form("  object NIL: TLabel\n  end\n"), {}, 2, kFirstCaseLine,
     "nil cannot name a component"},
    {"DuplicateName", Form("  object Label1: TLabel\n  end\n"), {}, 2, kFirstCaseLine, "Label1 already exists"},
    // A radio group's buttons are its own (Button0...), reached as Button0.Button1.
    {"PartNamedLikeItsOwner",
     Form("  ActiveControl = Button0.Button1\n  object Button0: TOrvoRadioGroup\n    Items.Strings = (\n      'a'\n      'b')\n  end\n"),
     {}, 0, 0, "ActiveControl = Button0.Button1\n"},
};

class OrvoformHostile : public ::testing::TestWithParam<THostileCase> {
protected:
    void SetUp() override { ASSERT_TRUE(FDir.isValid()); }
    QTemporaryDir FDir;
};

TEST_P(OrvoformHostile, RefusesClearlyOrKeepsTheValue) {
    const THostileCase& c = GetParam();
    const QString path = FDir.filePath(QStringLiteral("hostile.form"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(c.FormText));
    }
    QStringList args{QStringLiteral("dump"), path};
    for (const char* step : c.Steps) args << QString::fromLatin1(step);
    const TToolRun run = RunTool(args);
    ASSERT_EQ(run.Status, c.Status) << run.Err;
    if (c.Status == 0) {
        EXPECT_NE(run.Out.find(c.Message), std::string::npos) << run.Out;
        return;
    }
    EXPECT_TRUE(run.Out.empty()) << run.Out;
    EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
    if (c.Line > 0) {
        const std::string where = path.toStdString() + ":" + std::to_string(c.Line) + ": ";
        EXPECT_EQ(run.Err.rfind(where, 0), 0u) << run.Err;
    } else {
        EXPECT_EQ(run.Err.rfind("orvoform: step '" + std::string(c.Steps.back()) + "': ", 0), 0u) << run.Err;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OrvoformHostile, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<THostileCase>& info) { return std::string(info.param.Name); });

TEST(OrvoformInput, ReadErrorsAndOversizedInputAreRefusedAsWhatTheyAre) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // One byte past the 256 MB a description may have, as a sparse file: it
    // is refused by its size, before a byte is read.
    const QString huge = dir.filePath(QStringLiteral("huge.form"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize((qint64(256) << 20) + 1));
    }
    const QString empty = dir.filePath(QStringLiteral("empty.form"));
    {
        QFile file(empty);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    struct TSource {
        QString Path;
        const char* Message;
    };
    const TSource sources[] = {
        {dir.path(), ":0: cannot read: Is a directory"},
        {QStringLiteral("/proc/self/mem"), ":0: cannot read: Input/output error"},
        {dir.filePath(QStringLiteral("missing.form")), ":0: cannot open: No such file or directory"},
        {huge, ":0: more than 268435456 bytes (256 MB), the most a form description may have"},
        // An endless stream stops at the limit too.
        {QStringLiteral("/dev/zero"), ":0: more than 268435456 bytes (256 MB)"},
        {empty, ":1: the form text is empty"},
    };
    for (const TSource& source : sources) {
        const TToolRun run = RunTool({QStringLiteral("dump"), source.Path});
        EXPECT_EQ(run.Status, 2) << source.Message << ": " << run.Err;
        EXPECT_EQ(run.Err.rfind(source.Path.toStdString() + source.Message, 0), 0u) << run.Err;
    }
}

}  // namespace
