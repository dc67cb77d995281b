// A form nested in another form: the controls placed on the inner form are
// owned by the outer one (the root), and the writer must still write them
// inside the inner form, or a reference to one of them cannot be read back.

#include <gtest/gtest.h>

#include <string>

#include "host/framework/Streaming.h"
#include "test_streaming_classes.h"

using namespace Orvo;

namespace {

const char* const kInnerFormText =
    "object Form1: TStreamTestForm\n"
    "  object Inner: TStreamTestForm\n"
    "    object Holder: TStreamTestControl\n"
    "      object Button1: TStreamTestControl\n"
    "        Left = 3\n"
    "      end\n"
    "    end\n"
    "  end\n"
    "  object Other: TStreamTestControl\n"
    "    Buddy = Button1\n"
    "  end\n"
    "end\n";

class StreamingNestedTest : public ::testing::Test {
protected:
    void SetUp() override { TStreamLog::Get().Events.clear(); }
    void TearDown() override { EXPECT_EQ(TStreamLog::Get().Live, 0) << "test components left alive"; }
};

TEST_F(StreamingNestedTest, ControlsOnANestedFormAreWrittenInsideIt) {
    TTestForm form(nullptr);
    ReadComponentText(&form, kInnerFormText, "inner.form");
    ASSERT_NE(form.Button1, nullptr);
    EXPECT_EQ(form.Button1->Owner(), &form);

    const std::string written = WriteComponentText(&form);
    // Button1 three levels deep, inside Holder inside Inner.
    const std::size_t inner = written.find("\n  object Inner: TStreamTestForm\n");
    const std::size_t holder = written.find("\n    object Holder: TStreamTestControl\n");
    const std::size_t button = written.find("\n      object Button1: TStreamTestControl\n");
    ASSERT_NE(button, std::string::npos) << written;
    EXPECT_TRUE(inner < holder && holder < button) << written;

    TTestForm again(nullptr);
    ReadComponentText(&again, written, "written.form");
    ASSERT_NE(again.Button1, nullptr);
    auto* other = dynamic_cast<TTestControl*>(again.FindComponent("Other"));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->Buddy(), again.Button1);
    EXPECT_EQ(WriteComponentText(&again), written);
}

TEST_F(StreamingNestedTest, FreeingTheInnerFormOrItsControlFirstLeavesNothingDangling) {
    // Destroying the root frees the inner form and its controls in either
    // order; neither may reach the other after it is gone (ASan checks).
    for (const bool innerFirst : {true, false}) {
        auto* form = new TTestForm(nullptr);
        ReadComponentText(form, kInnerFormText, "inner.form");
        auto* inner = form->FindComponent("Inner");
        auto* holder = dynamic_cast<TTestControl*>(form->FindComponent("Holder"));
        ASSERT_NE(inner, nullptr);
        ASSERT_NE(holder, nullptr);
        if (innerFirst) {
            delete inner;
            EXPECT_EQ(holder->GetParentComponent(), nullptr);
        } else {
            delete holder;
            EXPECT_EQ(WriteComponentText(form).find("Holder"), std::string::npos);
        }
        delete form;
    }
}

}  // namespace
