#include <gtest/gtest.h>

#include <string>

#include "host/framework/FormText.h"

using namespace Orvo;

namespace {

TFormProperty Prop(std::string name, TValue value) { return {std::move(name), std::move(value), 0}; }

const TFormProperty& FindProp(const TFormObject& o, const std::string& name) {
    for (const TFormProperty& p : o.Properties)
        if (p.Name == name) return p;
    throw std::runtime_error("no property " + name);
}

// Parses, expecting an error; returns it so the test can check line and text.
EFormTextError ParseError(const std::string& text) {
    try {
        ParseFormText(text);
    } catch (const EFormTextError& e) {
        return e;
    }
    ADD_FAILURE() << "no error for:\n" << text;
    return EFormTextError(0, "");
}

void ExpectRoundTrip(const TFormObject& tree) {
    const std::string printed = PrintFormText(tree);
    const TFormObject reparsed = ParseFormText(printed);
    EXPECT_EQ(reparsed, tree) << printed;
    EXPECT_EQ(PrintFormText(reparsed), printed);
}

TFormObject EveryKindOfValue() {
    TFormObject root{"Form1", "TForm1", 0, {}, {}};
    root.Properties = {
        Prop("Left", TValue::Int(124)),
        Prop("Tag", TValue::Int(-11)),
        Prop("Big", TValue::Int(INT64_MAX)),
        Prop("Small", TValue::Int(INT64_MIN)),
        Prop("Font.Color", TValue::Int(0x00F0C080, true)),
        Prop("Mask", TValue::Int(0xFFFFFFFFll, true)),
        Prop("Color", TValue::Identifier("clBtnFace")),
        Prop("Visible", TValue::Bool(true)),
        Prop("Caption", TValue::Str("It's a caption")),
        Prop("Hint", TValue::Str("first\rsecond\r\n")),
        Prop("Text", TValue::Str("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC, tab\there, del\x7F, nul" + std::string(1, '\0'))),
        Prop("Empty", TValue::Str("")),
        Prop("Font.Style", TValue::SetOf({"fsBold", "fsItalic"})),
        Prop("Anchors", TValue::SetOf({})),
        Prop("Items.Strings", TValue::ListOf({TValue::Str("Cat"), TValue::Str("Dog"), TValue::Str("")})),
        Prop("Mixed", TValue::ListOf({TValue::Int(1), TValue::Identifier("x"), TValue::ListOf({TValue::Str("in")}),
                                      TValue::ListOf({}), TValue::Bin({1, 2, 3}), TValue::SetOf({"a"})})),
        Prop("NoItems", TValue::ListOf({})),
        Prop("Data", TValue::Bin(std::vector<std::uint8_t>(200, 0xAB))),
        Prop("NoData", TValue::Bin({})),
        Prop("OnClick", TValue::Identifier("Button1Click")),
    };
    TFormObject panel{"Panel1", "TPanel", 0, {Prop("Width", TValue::Int(185))}, {}};
    panel.Children.push_back({"Check1", "TOrvoCheckBox", 0, {}, {}});
    panel.Children.push_back({"", "TUnnamed", 0, {Prop("Caption", TValue::Str("'"))}, {}});
    root.Children.push_back(std::move(panel));
    root.Children.push_back({"Button1", "TButton", 0, {}, {}});
    return root;
}

TEST(FormText, RoundTripKeepsEveryKindOfValueAndNesting) { ExpectRoundTrip(EveryKindOfValue()); }

TEST(FormText, RoundTripKeepsHexFlagAndAllByteValues) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += char(b);
    TFormObject root{"F", "TF", 0, {Prop("S", TValue::Str(allBytes)), Prop("H", TValue::Int(255, true))}, {}};
    const TFormObject reparsed = ParseFormText(PrintFormText(root));
    EXPECT_EQ(FindProp(reparsed, "S").Value.text, allBytes);
    EXPECT_TRUE(FindProp(reparsed, "H").Value.hex);
    EXPECT_EQ(FindProp(reparsed, "H").Value.integer, 255);
}

TEST(FormText, PrintsSmallFormExactly) {
    TFormObject root{"Form1", "TForm1", 0, {}, {}};
    root.Properties = {
        Prop("Left", TValue::Int(124)),
        Prop("Caption", TValue::Str("It's a caption")),
        Prop("Hint", TValue::Str("first\rsecond")),
        Prop("Font.Color", TValue::Int(0xF0C080, true)),
        Prop("Font.Style", TValue::SetOf({"fsBold", "fsItalic"})),
        Prop("Items.Strings", TValue::ListOf({TValue::Str("Cat"), TValue::Str("Dog")})),
        Prop("TileImage.Data", TValue::Bin({0x36, 0x53, 0x07, 0x00, 0x42, 0x4D})),
        Prop("Empty", TValue::ListOf({})),
    };
    TFormObject child{"Child1", "TOrvoCheckBox", 0, {Prop("OnClick", TValue::Identifier("Button1Click"))}, {}};
    child.Children.push_back({"", "TPanel", 0, {}, {}});
    root.Children.push_back(std::move(child));

    EXPECT_EQ(PrintFormText(root),
              "object Form1: TForm1\n"
              "  Left = 124\n"
              "  Caption = 'It''s a caption'\n"
              "  Hint = 'first'#13'second'\n"
              "  Font.Color = $00F0C080\n"
              "  Font.Style = [fsBold, fsItalic]\n"
              "  Items.Strings = (\n"
              "    'Cat'\n"
              "    'Dog')\n"
              "  TileImage.Data = {\n"
              "    36530700424D}\n"
              "  Empty = ()\n"
              "  object Child1: TOrvoCheckBox\n"
              "    OnClick = Button1Click\n"
              "    object TPanel\n"
              "    end\n"
              "  end\n"
              "end\n");
}

TEST(FormText, PrintsStringsWithCodesGluedToQuotedParts) {
    auto printed = [](const std::string& s) {
        const std::string text = PrintFormText({"F", "TF", 0, {Prop("S", TValue::Str(s))}, {}});
        const auto start = text.find("S = ") + 4;
        return text.substr(start, text.find('\n', start) - start);
    };
    EXPECT_EQ(printed(""), "''");
    EXPECT_EQ(printed("\r\n"), "#13#10");
    EXPECT_EQ(printed("a\r"), "'a'#13");
    EXPECT_EQ(printed("\tb"), "#9'b'");
    EXPECT_EQ(printed("a'b"), "'a''b'");
    EXPECT_EQ(printed("x\x7Fy"), "'x'#127'y'");
    EXPECT_EQ(printed("\xC3\xA9t\xC3\xA9"), "'\xC3\xA9t\xC3\xA9'");
}

TEST(FormText, PrintsIntegersInDecimalOrEightHexDigits) {
    auto printed = [](TValue v) {
        const std::string text = PrintFormText({"F", "TF", 0, {Prop("I", v)}, {}});
        const auto start = text.find("I = ") + 4;
        return text.substr(start, text.find('\n', start) - start);
    };
    EXPECT_EQ(printed(TValue::Int(0xFF, true)), "$000000FF");
    EXPECT_EQ(printed(TValue::Int(0xFFFFFFFFll, true)), "$FFFFFFFF");
    EXPECT_EQ(printed(TValue::Int(-5)), "-5");
    // A hex value that eight digits cannot hold keeps its value in decimal.
    EXPECT_EQ(printed(TValue::Int(-1, true)), "-1");
    EXPECT_EQ(printed(TValue::Int(0x100000000ll, true)), "4294967296");
    EXPECT_EQ(printed(TValue::Int(INT64_MIN)), "-9223372036854775808");
}

TEST(FormText, PrintsLongBinaryInLinesOf64Digits) {
    std::vector<std::uint8_t> bytes(70);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i);
    TFormObject root{"F", "TF", 0, {}, {}};
    root.Children.push_back({"C", "TC", 0, {Prop("Pic.Data", TValue::Bin(bytes))}, {}});
    const std::string text = PrintFormText(root);
    EXPECT_EQ(text,
              "object F: TF\n"
              "  object C: TC\n"
              "    Pic.Data = {\n"
              "      000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n"
              "      202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F\n"
              "      404142434445}\n"
              "  end\n"
              "end\n");
    EXPECT_EQ(FindProp(ParseFormText(text).Children[0], "Pic.Data").Value.bytes, bytes);
}

TEST(FormText, PrintsNestedListsOneStepDeeperPerLevel) {
    TFormObject root{"F", "TF", 0,
                     {Prop("L", TValue::ListOf({TValue::ListOf({TValue::Int(1), TValue::Bin({0xAB})}), TValue::Str("z")}))},
                     {}};
    EXPECT_EQ(PrintFormText(root),
              "object F: TF\n"
              "  L = (\n"
              "    (\n"
              "      1\n"
              "      {\n"
              "        AB})\n"
              "    'z')\n"
              "end\n");
}

TEST(FormText, ParsesTheDocumentedSyntax) {
    const TFormObject root = ParseFormText(
        "object Form1: TForm1\r\n"
        "  Left = 124\r\n"
        "  Caption = 'It''s a caption'\r\n"
        "  Hint = 'first'#13'second'\r\n"
        "  Quote = 'a'#39'b'\r\n"
        "  Color = clBtnFace\r\n"
        "  Font.Color = $00f0c080\r\n"
        "  Font.Style = [fsBold,fsItalic ]\r\n"
        "  Visible = True\r\n"
        "  Items.Strings = (\r\n"
        "    'Cat'\r\n"
        "    'Dog')\r\n"
        "  TileImage.Data = {\r\n"
        "    3653 07\r\n"
        "\t00424D}\r\n"
        "  Long = 'one ' +\r\n"
        "    'two'#10 +\r\n"
        "\r\n"
        "    #9'three'\r\n"
        "  OnClick = Button1Click\r\n"
        "  object Child1: TOrvoCheckBox\r\n"
        "  end\r\n"
        "  OBJECT TPanel\r\n"
        "  End\r\n"
        "end\r\n");
    EXPECT_EQ(root.Name, "Form1");
    EXPECT_EQ(root.ClassName, "TForm1");
    EXPECT_EQ(root.Properties.size(), 12u);
    EXPECT_EQ(FindProp(root, "Left").Value, TValue::Int(124));
    EXPECT_EQ(FindProp(root, "Caption").Value.text, "It's a caption");
    EXPECT_EQ(FindProp(root, "Hint").Value.text, "first\rsecond");
    EXPECT_EQ(FindProp(root, "Quote").Value.text, "a'b");
    EXPECT_EQ(FindProp(root, "Color").Value, TValue::Identifier("clBtnFace"));
    EXPECT_EQ(FindProp(root, "Font.Color").Value.integer, 0x00F0C080);
    EXPECT_TRUE(FindProp(root, "Font.Color").Value.hex);
    EXPECT_EQ(FindProp(root, "Font.Style").Value, TValue::SetOf({"fsBold", "fsItalic"}));
    EXPECT_EQ(FindProp(root, "Visible").Value, TValue::Bool(true));
    EXPECT_EQ(FindProp(root, "Items.Strings").Value, TValue::ListOf({TValue::Str("Cat"), TValue::Str("Dog")}));
    EXPECT_EQ(FindProp(root, "TileImage.Data").Value.bytes, (std::vector<std::uint8_t>{0x36, 0x53, 0x07, 0x00, 0x42, 0x4D}));
    EXPECT_EQ(FindProp(root, "Long").Value.text, "one two\n\tthree");
    EXPECT_EQ(FindProp(root, "OnClick").Value, TValue::Identifier("Button1Click"));
    ASSERT_EQ(root.Children.size(), 2u);
    EXPECT_EQ(root.Children[0].Name, "Child1");
    EXPECT_EQ(root.Children[1].Name, "");
    EXPECT_EQ(root.Children[1].ClassName, "TPanel");
    // Line numbers point at the name of each property and at `object`.
    EXPECT_EQ(root.Line, 1);
    EXPECT_EQ(FindProp(root, "Long").Line, 16);
    EXPECT_EQ(FindProp(root, "OnClick").Line, 20);
    EXPECT_EQ(root.Children[0].Line, 21);
    EXPECT_EQ(root.Children[1].Line, 23);
}

TEST(FormText, ParsesIntegerLimitsAndLoneCarriageReturns) {
    const TFormObject root = ParseFormText(
        "object F: TF\r  Max = 9223372036854775807\r  Min = -9223372036854775808\r  H = $FFFFFFFF\r  N = -$10\rend");
    EXPECT_EQ(FindProp(root, "Max").Value.integer, INT64_MAX);
    EXPECT_EQ(FindProp(root, "Min").Value.integer, INT64_MIN);
    EXPECT_EQ(FindProp(root, "H").Value.integer, 0xFFFFFFFFll);
    EXPECT_EQ(FindProp(root, "N").Value.integer, -16);
    EXPECT_EQ(FindProp(root, "N").Line, 5);
}

TEST(FormText, ReportsEachErrorWithItsLine) {
    struct Case {
        const char* text;
        int line;
        const char* message;  // a part of the message
    };
    const Case cases[] = {
        {"", 1, "empty"},
        {"\n  \n", 1, "empty"},
        {"object F: TF\n  Left = 1\n", 1, "'end' is missing for the object F"},
        {"object F: TF\n  object G: TG\n  end\n", 1, "'end' is missing"},
        {"object F: TF\nend\nend\n", 3, "after the final 'end'"},
        {"object F: TF\nend\n\nobject G: TG\nend\n", 4, "after the final 'end'"},
        {"Left = 1\n", 1, "must start with 'object'"},
        {"object F: TF\n  Caption = 'abc\nend\n", 2, "unterminated string"},
        {"object F: TF\n  Caption = 'abc'#\nend\n", 2, "character code is expected after '#'"},
        {"object F: TF\n  Caption = #256\nend\n", 2, "outside 0 to 255"},
        {"object F: TF\n  Caption = #99999999999999999999\nend\n", 2, "outside 0 to 255"},
        {"object F: TF\n  Caption = #1a\nend\n", 2, "not a valid character code"},
        {"object F: TF\n  Caption = 'a' +\nend\n", 3, "a string is expected after '+'"},
        {"object F: TF\n  Caption = 'a' 'b'\nend\n", 2, "after the value of Caption"},
        {"object F: TF\n  Data = {\n    ABC}\nend\n", 3, "odd number of hexadecimal digits"},
        {"object F: TF\n  Data = {\n    AB\n    XY}\nend\n", 4, "'X' is not a hexadecimal digit"},
        {"object F: TF\n  Data = {\n    AB\n", 2, "not closed with '}'"},
        {"object F: TF\n  Left 124\nend\n", 2, "'=' is missing after the property name Left"},
        {"object F: TF\n  Left =\n  Top = 1\nend\n", 2, "value of Left is missing"},
        {"object F: TF\n  Left = \nend\n", 2, "value of Left is missing"},
        {"object F: TF\n  Left = =\nend\n", 2, "a value is expected, not '='"},
        {"object F: TF\n  Style = [a, b\n", 2, "not closed with ']'"},
        {"object F: TF\n  Style = [a, b\nend\n", 3, "in the set that starts on line 2, not 'e'"},
        {"object F: TF\n  Style = [a,\n  b c]\nend\n", 3, "',' or ']' is expected"},
        {"object F: TF\n  Style = [a, ]\nend\n", 2, "a set element is expected, not ']'"},
        {"object F: TF\n  Style = [1]\nend\n", 2, "not a valid identifier"},
        {"object F: TF\n  Items = (\n    'a'\n", 2, "not closed with ')'"},
        {"object F: TF\n  Items = (\n    'a'\n    =)\nend\n", 4, "a value is expected, not '='"},
        {"object 1F: TF\nend\n", 1, "not a valid identifier"},
        {"object F: \nend\n", 1, "class name after ':' is expected"},
        {"object F TF\nend\n", 1, "unexpected 'T'"},
        {"object F: TF\n  1Left = 1\nend\n", 2, "not a valid property name"},
        {"object F: TF\n  Font..Name = 1\nend\n", 2, "not a valid property name"},
        {"object F: TF\n  'x' = 1\nend\n", 2, "a property, 'object' or 'end' is expected, not '''"},
        {"object F: TF\n  inherited G: TG\n  end\nend\n", 2, "not supported"},
        {"object F: TF\n  Color = cl..Red\nend\n", 2, "not a valid identifier or component reference"},
        {"object F: TF\n  ActiveControl = Group1.\nend\n", 2, "not a valid identifier or component reference"},
        {"object F: TF\n  Big = 9223372036854775808\nend\n", 2, "outside the 64-bit range"},
        {"object F: TF\n  Small = -9223372036854775809\nend\n", 2, "outside the 64-bit range"},
        {"object F: TF\n  Color = $100000000\nend\n", 2, "more than 8 hexadecimal digits"},
        {"object F: TF\n  Color = $\nend\n", 2, "hexadecimal digits are expected after '$'"},
        {"object F: TF\n  Color = $12G4\nend\n", 2, "'$12G4' is not a valid number"},
        {"object F: TF\n  Width = 1.5\nend\n", 2, "'1.5' is not a valid number"},
        {"object F: TF\n  Width = -\nend\n", 2, "a digit is expected after '-'"},
        {"object F: TF\n  Width = 1\x01\nend\n", 2, "unexpected character #1"},
        {"object F: TF\nend x\n", 2, "unexpected 'x' after 'end'"},
    };
    for (const Case& c : cases) {
        const EFormTextError e = ParseError(c.text);
        EXPECT_EQ(e.Line(), c.line) << c.text << "\n-> " << e.what();
        EXPECT_NE(e.Message().find(c.message), std::string::npos) << c.text << "\n-> " << e.what();
        EXPECT_EQ(std::string(e.what()), std::to_string(e.Line()) + ": " + e.Message());
    }
}

std::string NestedObjects(int levels) {
    std::string text;
    for (int i = 0; i < levels; ++i) text += "object O" + std::to_string(i) + ": TO\n";
    for (int i = 0; i < levels; ++i) text += "end\n";
    return text;
}

TEST(FormText, LimitsNestingDepthInsteadOfOverflowingTheStack) {
    EXPECT_NO_THROW(ParseFormText(NestedObjects(MaxFormTextDepth)));
    const EFormTextError deep = ParseError(NestedObjects(MaxFormTextDepth + 1));
    EXPECT_EQ(deep.Line(), MaxFormTextDepth + 1);
    EXPECT_NE(deep.Message().find("nested deeper"), std::string::npos);

    const EFormTextError lists = ParseError("object F: TF\n  L = " + std::string(100000, '(') + "\nend\n");
    EXPECT_EQ(lists.Line(), 2);
    EXPECT_NE(lists.Message().find("nested deeper"), std::string::npos);
}

TEST(FormText, PrinterRefusesTreesThatCannotBeReadBack) {
    auto refuses = [](TFormObject tree) {
        EXPECT_THROW(PrintFormText(tree), std::invalid_argument);
    };
    refuses({"F", "", 0, {}, {}});
    refuses({"Bad Name", "TF", 0, {}, {}});
    refuses({"F", "TF", 0, {Prop("end", TValue::Int(1))}, {}});
    refuses({"F", "TF", 0, {Prop("Font.", TValue::Int(1))}, {}});
    refuses({"F", "TF", 0, {Prop("C", TValue::Identifier("cl..Red"))}, {}});
    refuses({"F", "TF", 0, {Prop("C", TValue::Identifier("Group1."))}, {}});
    refuses({"F", "TF", 0, {Prop("C", TValue::Identifier(""))}, {}});
    refuses({"F", "TF", 0, {Prop("S", TValue::SetOf({"ok", "1bad"}))}, {}});
    TValue deep = TValue::ListOf({});
    for (int i = 0; i < MaxFormTextDepth; ++i) deep = TValue::ListOf({deep});
    refuses({"F", "TF", 0, {Prop("L", deep)}, {}});
}

}  // namespace

TEST(FormText, BinaryDigitsReadInPairsAcrossBreaksBlanksAndCase) {
    // Bytes split by a line break or a blank between their two digits, upper
    // and lower case, and the faults found at their own line inside a long run.
    const TFormObject tree = ParseFormText(
        "object F: TF\n  Data = {\n    0aFF1\n    2 3 4\r\n    Cd\n    }\nend\n");
    const TValue& data = FindProp(tree, "Data").Value;
    EXPECT_EQ(data.bytes, (std::vector<std::uint8_t>{0x0A, 0xFF, 0x12, 0x34, 0xCD}));

    const std::string run(4000, 'a');
    struct Case {
        std::string text;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"object F: TF\n  Data = {\n    " + run + "\n    " + run + "g0\n  }\nend\n", 4, "'g' is not a hexadecimal digit"},
        {"object F: TF\n  Data = {\n    " + run + "a\n  }\nend\n", 4, "odd number of hexadecimal digits"},
        {"object F: TF\n  Data = {\n    " + run, 2, "not closed with '}'"},
    };
    for (const Case& c : cases) {
        const EFormTextError e = ParseError(c.text);
        EXPECT_EQ(e.Line(), c.line) << e.what();
        EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
}
