// Bad form descriptions: one clear error naming file and line, and nothing
// the failed read created survives it.

#include <gtest/gtest.h>

#include <string>

#include "host/framework/Streaming.h"
#include "test_streaming_classes.h"

using namespace Orvo;

namespace {

struct TBadInput {
    const char* Case;
    std::string Body;     // objects and properties inside Form1, after line 1
    int Line;             // where the error must point
    const char* Message;  // a part of the message
    bool Unclosed = false;  // the form's own `end` is missing too
};

void PrintTo(const TBadInput& bad, std::ostream* out) { *out << bad.Case; }

std::string BrokenBmpData() {
    std::vector<std::uint8_t> file = FourBitBmp();
    file[0] = 'X';  // no BMP signature
    return HexLines(WithByteCount(file), "      ");
}

std::string ShortBmpData() {
    std::vector<std::uint8_t> data = WithByteCount(FourBitBmp());
    data[0] = std::uint8_t(data[0] + 10);  // counts 10 bytes more than follow
    return HexLines(data, "      ");
}

// Every case starts with a panel holding a button, so components exist
// that the failed read must free.
const std::string kPrefix =
    "  object Panel1: TStreamTestControl\n"   // line 2
    "    Left = 1\n"                           // line 3
    "    object Button1: TStreamTestControl\n" // line 4
    "      OnClick = ButtonClick\n"            // line 5
    "    end\n"                                // line 6
    "  end\n";                                 // line 7

const TBadInput kBadInputs[] = {
    {"UnknownClass", "  object Thing1: TNoSuchClass\n  end\n", 8, "unknown class TNoSuchClass"},
    {"UnknownProperty", "  object Group1: TStreamTestGroup\n    Lefty = 3\n  end\n", 9, "has no property Lefty"},
    {"UnknownSubProperty", "  object Group1: TStreamTestGroup\n    Font.Colour = clRed\n  end\n", 9,
     "has no property Colour"},
    {"NotAnObject", "  object Group1: TStreamTestGroup\n    Caption.Size = 3\n  end\n", 9, "Caption is not an object"},
    {"StringForNumber", "  object Group1: TStreamTestGroup\n    Left = 'ten'\n  end\n", 9,
     "Group1.Left: a number is expected"},
    {"NumberOutOfRange", "  object Group1: TStreamTestGroup\n    Top = 10001\n  end\n", 9, "out of range"},
    {"UnknownEnumValue", "  object Group1: TStreamTestGroup\n    Alignment = talSideways\n  end\n", 9,
     "talSideways is not one of the allowed values"},
    {"UnknownSetMember", "  object Group1: TStreamTestGroup\n    Anchors = [tanLeft, tanMiddle]\n  end\n", 9,
     "tanMiddle"},
    {"ListItemNotString", "  object Group1: TStreamTestGroup\n    Items.Strings = (\n      'a'\n      12)\n  end\n",
     9, "must be a string"},
    {"MissingEnd", "  object Group1: TStreamTestGroup\n    Left = 3\n", 8, "'end' is missing", true},
    {"UnterminatedString", "  object Group1: TStreamTestGroup\n    Caption = 'abc\n  end\n", 9, "string"},
    {"BrokenHex", "  object Group1: TStreamTestGroup\n    Picture.Data = {0A1G}\n  end\n", 9, "hex"},
    {"BitmapByteCountWrong", "  object Group1: TStreamTestGroup\n    Picture.Data = {" + ShortBmpData() + "\n  end\n", 9,
     "Group1.Picture.Data: bitmap data says"},
    {"BrokenBmp", "  object Group1: TStreamTestGroup\n    Picture.Data = {" + BrokenBmpData() + "\n  end\n", 9,
     "Group1.Picture.Data:"},
    {"DuplicateName", "  object Button1: TStreamTestControl\n  end\n", 8, "Button1 already exists"},
    {"MissingMethod", "  object Group1: TStreamTestGroup\n    OnClick = NoSuchHandler\n  end\n", 9,
     "the form has no method NoSuchHandler"},
    {"MethodOfWrongShape", "  object Group1: TStreamTestGroup\n    OnClick = KeyHandler\n  end\n", 9,
     "does not fit the event OnClick"},
    {"SetterThrows", "  object Group1: TStreamTestGroup\n    Fragile = 13\n  end\n", 9, "Group1.Fragile: 13 is unlucky"},
    {"UnknownReference", "  object Group1: TStreamTestGroup\n    Left = 2\n    Buddy = Nobody\n  end\n", 10,
     "the form has no component Nobody"},
    {"FieldOfOtherClass", "  object Group1: TStreamTestControl\n  end\n", 8, "the field Group1 of TStreamTestForm"},
    {"ChildItsParentRefuses", "  object Store9: TStreamTestStore\n    object Inner: TStreamTestControl\n    end\n  end\n", 9,
     "Inner: TStreamTestControl cannot be placed on Store9: TStreamTestStore"},
    {"ObjectPropertyGivenAValue", "  object Group1: TStreamTestGroup\n    Font = 3\n  end\n", 9, "Font.Name"},
};

class StreamingBadInput : public ::testing::TestWithParam<TBadInput> {
protected:
    void SetUp() override { TStreamLog::Get().Events.clear(); }
};

TEST_P(StreamingBadInput, FailsWithOneErrorAndFreesWhatItCreated) {
    const TBadInput& bad = GetParam();
    const std::string text = "object Form1: TStreamTestForm\n" + kPrefix + bad.Body + (bad.Unclosed ? "" : "end\n");
    {
        TTestForm form(nullptr);
        form.SetName("Original");
        // A component the form had before the read must survive it.
        auto* keeper = new TTestNonVisual(&form);
        keeper->SetName("Keeper");
        const int liveBefore = TStreamLog::Get().Live;

        try {
            ReadComponentText(&form, text, "bad.form");
            FAIL() << "no error for:\n" << text;
        } catch (const EReadError& e) {
            const std::string what = e.what();
            const std::string where = "bad.form:" + std::to_string(bad.Line) + ": ";
            EXPECT_EQ(what.substr(0, where.size()), where) << what;
            EXPECT_NE(e.Message().find(bad.Message), std::string::npos) << what;
            EXPECT_EQ(e.Line(), bad.Line);
            EXPECT_EQ(e.FileName(), "bad.form");
        }

        EXPECT_EQ(TStreamLog::Get().Live, liveBefore);
        ASSERT_EQ(form.ComponentCount(), 1);
        EXPECT_EQ(form.Components(0), keeper);
        EXPECT_EQ(form.Panel1, nullptr);
        EXPECT_EQ(form.Button1, nullptr);
        EXPECT_EQ(form.Group1, nullptr);
        EXPECT_EQ(form.Name(), "Original");
        EXPECT_FALSE(form.ComponentState().Contains(csLoading));
        EXPECT_FALSE(form.ComponentState().Contains(csReading));
        // No Loaded ran for a read that failed.
        for (const std::string& event : TStreamLog::Get().Events) EXPECT_EQ(event.rfind("Loaded", 0), std::string::npos) << event;
    }
    EXPECT_EQ(TStreamLog::Get().Live, 0);
}

INSTANTIATE_TEST_SUITE_P(Streaming, StreamingBadInput, ::testing::ValuesIn(kBadInputs),
                         [](const ::testing::TestParamInfo<TBadInput>& info) { return std::string(info.param.Case); });

TEST(StreamingErrors, AFormCannotTakeTheNameOfOneOfItsComponents) {
    TTestForm form(nullptr);
    form.SetName("Original");
    auto* keeper = new TTestNonVisual(&form);
    keeper->SetName("Keeper");
    try {
        ReadComponentText(&form, "object KEEPER: TStreamTestForm\nend\n", "renamed.form");
        FAIL() << "the form took its component's name";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Line(), 1);
        EXPECT_NE(e.Message().find("cannot take the name KEEPER"), std::string::npos) << e.what();
    }
    EXPECT_EQ(form.Name(), "Original");
}

// Memory running out is no fault of the description: the read passes it on as
// it is, not as an error at a line, and still frees what it made.
TEST(StreamingErrors, OutOfMemoryIsPassedOnAsItIsAndUndoesTheRead) {
    const int before = TStreamLog::Get().Live;
    {
        TTestForm form(nullptr);
        const std::string text = "object Form1: TStreamTestForm\n"
                                 "  object Panel1: TStreamTestControl\n"
                                 "    Fragile = " + std::to_string(TTestControl::OutOfMemoryFragile) + "\n"
                                 "  end\n"
                                 "end\n";
        EXPECT_THROW(ReadComponentText(&form, text, "memory.form"), std::bad_alloc);
        EXPECT_EQ(form.ComponentCount(), 0);
        EXPECT_EQ(form.Panel1, nullptr);
        EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    }
    EXPECT_EQ(TStreamLog::Get().Live, before);
}

TEST(StreamingErrors, LoadedThatThrowsFailsTheReadAtItsObject) {
    const int before = TStreamLog::Get().Live;
    {
        TTestForm form(nullptr);
        try {
            ReadComponentText(&form,
                              "object Form1: TStreamTestForm\n"
                              "  object Panel1: TStreamTestControl\n"
                              "    object Button1: TStreamTestControl\n"
                              "      Caption = 'fail in Loaded'\n"
                              "    end\n"
                              "  end\n"
                              "end\n",
                              "loaded.form");
            FAIL() << "no error";
        } catch (const EReadError& e) {
            EXPECT_EQ(std::string(e.what()), "loaded.form:3: Button1: TStreamTestControl: finishing the load failed: cannot finish");
        }
        EXPECT_EQ(form.ComponentCount(), 0);
        EXPECT_EQ(form.Panel1, nullptr);
        EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    }
    EXPECT_EQ(TStreamLog::Get().Live, before);
}

TEST(StreamingErrors, RootOfAnotherClassIsRefused) {
    TTestForm form(nullptr);
    try {
        ReadComponentText(&form, "object Panel1: TStreamTestControl\nend\n", "other.form");
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_EQ(std::string(e.what()), "other.form:1: the description is of a TStreamTestControl, not of a TStreamTestForm");
    }
    EXPECT_EQ(form.Name(), "");
}

TEST(StreamingErrors, UnknownRootClassCreatesNothing) {
    const int before = TStreamLog::Get().Live;
    try {
        delete ReadComponentFromText("\n\nobject Form1: TNoSuchForm\nend\n", "none.form");
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_EQ(std::string(e.what()), "none.form:3: unknown class TNoSuchForm");
    }
    EXPECT_EQ(TStreamLog::Get().Live, before);
}

TEST(StreamingErrors, MessageWithoutFileNameStartsWithTheLine) {
    TTestForm form(nullptr);
    try {
        ReadComponentText(&form, "object Form1: TStreamTestForm\n  Colour = clRed\nend\n", "");
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_EQ(std::string(e.what()), "2: TStreamTestForm has no property Colour (reading Form1.Colour)");
    }
}

}  // namespace
