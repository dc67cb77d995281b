#include "host/framework/FormText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <limits>

namespace Orvo {

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentStart(char c) { return IsLetter(c) || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// By table: a form's pictures are read digit by digit.
constexpr std::array<signed char, 256> kHexDigitValues = [] {
    std::array<signed char, 256> values{};
    for (int c = 0; c < 256; ++c)
        values[std::size_t(c)] = static_cast<signed char>(c >= '0' && c <= '9'   ? c - '0'
                                             : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                                    : -1);
    return values;
}();

int HexDigitValue(char c) { return kHexDigitValues[static_cast<unsigned char>(c)]; }

bool IsIdentifier(std::string_view s) {
    if (s.empty() || !IsIdentStart(s[0])) return false;
    for (char c : s)
        if (!IsIdentChar(c)) return false;
    return true;
}

// "Font.Name": identifiers joined by single dots.
bool IsDottedName(std::string_view s) {
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = s.find('.', start);
        if (!IsIdentifier(s.substr(start, dot == std::string_view::npos ? dot : dot - start))) return false;
        if (dot == std::string_view::npos) return true;
        start = dot + 1;
    }
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Words that begin a statement, so they cannot be property names.
bool IsReservedWord(std::string_view s) {
    for (std::string_view w : {"object", "end", "inherited", "inline"})
        if (EqualsIgnoringCase(s, w)) return true;
    return false;
}

// A piece of input for a message; long pieces are cut so a message stays a line.
std::string Quoted(std::string_view s) {
    constexpr std::size_t MaxShown = 40;
    if (s.size() > MaxShown) return "'" + std::string(s.substr(0, MaxShown)) + "...'";
    return "'" + std::string(s) + "'";
}

std::string HexByte(std::uint8_t b) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    return {Digits[b >> 4], Digits[b & 15]};
}

class TFormTextParser {
public:
    explicit TFormTextParser(std::string_view text) : FText(text) {
        if (FText.substr(0, 3) == "\xEF\xBB\xBF") FPos = 3;  // a UTF-8 byte-order mark
    }

    TFormObject ParseRoot() {
        SkipWhiteSpace();
        if (AtEnd()) FailAt(1, "the form text is empty; 'object' is expected");
        const std::string_view word = ReadWord();
        if (!EqualsIgnoringCase(word, "object"))
            Fail("the form text must start with 'object', not " + (word.empty() ? Describe(Peek()) : Quoted(word)));
        TFormObject root = ParseObject(1);
        SkipWhiteSpace();
        if (!AtEnd()) Fail("unexpected text after the final 'end'");
        return root;
    }

private:
    std::string_view FText;
    std::size_t FPos = 0;
    int FLine = 1;
    // The properties of the object being parsed at each depth, gathered
    // here and then moved into a list of their own of exactly their number:
    // an object's list grown one by one would take several moves and keep
    // room for up to twice its properties while the form is read.
    std::vector<std::vector<TFormProperty>> FPropertyScratch;

    bool AtEnd() const { return FPos >= FText.size(); }
    char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }
    bool AtLineBreak() const { return !AtEnd() && (FText[FPos] == '\n' || FText[FPos] == '\r'); }

    [[noreturn]] void Fail(const std::string& message) const { throw EFormTextError(FLine, message); }
    [[noreturn]] static void FailAt(int line, const std::string& message) { throw EFormTextError(line, message); }

    std::string Describe(char c) const {
        if (AtEnd()) return "the end of the text";
        if (c == '\n' || c == '\r') return "the end of the line";
        if (c == ' ') return "a space";
        if (c > ' ' && c < 127) return std::string("'") + c + "'";
        return "character #" + std::to_string(int(std::uint8_t(c)));
    }

    // "\r\n", "\n" and a lone "\r" each end one line.
    void SkipLineBreak() {
        if (FText[FPos] == '\r' && FPos + 1 < FText.size() && FText[FPos + 1] == '\n') ++FPos;
        ++FPos;
        ++FLine;
    }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(FText[FPos])) ++FPos;
    }
    void SkipWhiteSpace() {
        while (!AtEnd()) {
            if (IsBlank(FText[FPos])) ++FPos;
            else if (AtLineBreak()) SkipLineBreak();
            else break;
        }
    }
    void ExpectEndOfLine(const std::string& after) {
        SkipBlanks();
        if (!AtEnd() && !AtLineBreak()) Fail("unexpected " + Describe(Peek()) + " after " + after);
    }
    // The same after a property's value, naming it only when it fails (most
    // lines of a form are properties: no message is built for a sound one).
    void ExpectEndOfValue(const std::string& name) {
        SkipBlanks();
        if (!AtEnd() && !AtLineBreak()) ExpectEndOfLine("the value of " + name);
    }

    // The longest run of identifier characters and dots; validated by the caller.
    std::string_view ReadWord() {
        const std::size_t start = FPos;
        while (!AtEnd() && (IsIdentChar(FText[FPos]) || FText[FPos] == '.')) ++FPos;
        return FText.substr(start, FPos - start);
    }
    std::string ReadIdentifier(const std::string& what) {
        const std::string_view word = ReadWord();
        if (word.empty()) Fail(what + " is expected, not " + Describe(Peek()));
        if (word.find('.') != std::string_view::npos) Fail(Quoted(word) + ": " + what + " cannot contain '.'");
        if (!IsIdentifier(word)) Fail(Quoted(word) + " is not a valid identifier for " + what);
        return std::string(word);
    }

    // Called with the keyword `object` just read.
    TFormObject ParseObject(int depth) {
        if (depth > MaxFormTextDepth)
            Fail("objects are nested deeper than " + std::to_string(MaxFormTextDepth) + " levels");
        TFormObject object;
        object.Line = FLine;
        SkipBlanks();
        std::string first = ReadIdentifier("a name or class name after 'object'");
        SkipBlanks();
        if (Peek() == ':') {
            ++FPos;
            SkipBlanks();
            object.Name = std::move(first);
            object.ClassName = ReadIdentifier("a class name after ':'");
        } else {
            object.ClassName = std::move(first);
        }
        ExpectEndOfLine("the object's class name");

        if (FPropertyScratch.size() <= std::size_t(depth)) FPropertyScratch.resize(std::size_t(depth) + 1);
        FPropertyScratch[std::size_t(depth)].clear();
        while (true) {
            SkipWhiteSpace();
            if (AtEnd()) {
                const std::string label = object.Name.empty() ? object.ClassName : object.Name;
                FailAt(object.Line, "'end' is missing for the object " + label + " that starts here");
            }
            const int line = FLine;
            const std::string_view word = ReadWord();
            if (word.empty()) Fail("a property, 'object' or 'end' is expected, not " + Describe(Peek()));
            if (EqualsIgnoringCase(word, "end")) {
                ExpectEndOfLine("'end'");
                std::vector<TFormProperty>& gathered = FPropertyScratch[std::size_t(depth)];
                object.Properties.reserve(gathered.size());
                std::move(gathered.begin(), gathered.end(), std::back_inserter(object.Properties));
                gathered.clear();
                return object;
            }
            if (EqualsIgnoringCase(word, "object")) {
                object.Children.push_back(ParseObject(depth + 1));
                continue;
            }
            if (IsReservedWord(word)) Fail(Quoted(word) + " objects are not supported");
            if (!IsDottedName(word)) Fail(Quoted(word) + " is not a valid property name");
            FPropertyScratch[std::size_t(depth)].push_back(ParseProperty(std::string(word), line));
        }
    }

    TFormProperty ParseProperty(std::string name, int line) {
        SkipBlanks();
        if (Peek() != '=') Fail("'=' is missing after the property name " + name);
        ++FPos;
        SkipBlanks();
        // The value must start on the line of its '=', so a forgotten value
        // is reported here rather than as a puzzle on the next line.
        if (AtEnd() || AtLineBreak()) Fail("the value of " + name + " is missing after '='");
        TFormProperty property{std::move(name), ParseValue(0), line};
        ExpectEndOfValue(property.Name);
        return property;
    }

    TValue ParseValue(int listDepth) {
        const char c = Peek();
        if (c == '-' || c == '$' || IsDigit(c)) return ParseInteger();
        if (c == '\'' || c == '#') return ParseString();
        if (IsIdentStart(c)) return ParseIdentValue();
        if (c == '[') return ParseSet();
        if (c == '(') return ParseList(listDepth + 1);
        if (c == '{') return ParseBinary();
        Fail("a value is expected, not " + Describe(c));
    }

    // Rejects "12abc", "$1G", "1.5": a number must not run into a word.
    void ExpectNumberEnd(std::size_t start) {
        if (AtEnd() || !(IsIdentChar(Peek()) || Peek() == '.')) return;
        ReadWord();
        Fail(Quoted(FText.substr(start, FPos - start)) + " is not a valid number");
    }

    TValue ParseInteger() {
        const std::size_t start = FPos;
        const bool negative = Peek() == '-';
        if (negative) ++FPos;
        if (Peek() == '$') {
            ++FPos;
            std::uint64_t value = 0;
            int digits = 0;
            for (; HexDigitValue(Peek()) >= 0; ++FPos, ++digits)
                if (digits < 8) value = value * 16 + std::uint64_t(HexDigitValue(Peek()));
            if (digits == 0) Fail("hexadecimal digits are expected after '$'");
            if (digits > 8)
                Fail(Quoted(FText.substr(start, FPos - start)) + " has more than 8 hexadecimal digits");
            ExpectNumberEnd(start);
            const auto v = std::int64_t(value);
            return TValue::Int(negative ? -v : v, true);
        }
        if (!IsDigit(Peek())) Fail("a digit is expected after '-', not " + Describe(Peek()));
        // The magnitude of INT64_MIN is one more than INT64_MAX.
        const std::uint64_t limit = std::uint64_t(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
        std::uint64_t value = 0;
        bool overflow = false;
        for (; IsDigit(Peek()); ++FPos) {
            const auto d = std::uint64_t(Peek() - '0');
            if (value > (limit - d) / 10) overflow = true;
            else value = value * 10 + d;
        }
        ExpectNumberEnd(start);
        if (overflow)
            Fail("the integer " + Quoted(FText.substr(start, FPos - start)) + " is outside the 64-bit range");
        // Negating in unsigned arithmetic keeps INT64_MIN well defined.
        return TValue::Int(negative ? std::int64_t(0 - value) : std::int64_t(value));
    }

    // Quoted parts and #NN codes glued together; `+` at a line's end joins
    // the next line's pieces.
    TValue ParseString() {
        std::string text;
        while (true) {
            while (Peek() == '\'' || Peek() == '#') {
                if (Peek() == '\'') ReadQuoted(text);
                else text += ReadCharacterCode();
            }
            SkipBlanks();
            if (Peek() != '+') break;
            ++FPos;
            SkipWhiteSpace();
            if (Peek() != '\'' && Peek() != '#') Fail("a string is expected after '+', not " + Describe(Peek()));
        }
        return TValue::Str(std::move(text));
    }

    void ReadQuoted(std::string& text) {
        ++FPos;  // the opening quote
        while (true) {
            if (AtEnd() || AtLineBreak()) Fail("unterminated string: the closing quote is missing on this line");
            const char c = FText[FPos++];
            if (c != '\'') {
                text += c;
            } else if (Peek() == '\'') {
                text += '\'';
                ++FPos;
            } else {
                return;
            }
        }
    }

    char ReadCharacterCode() {
        const std::size_t start = FPos;
        ++FPos;  // '#'
        if (!IsDigit(Peek())) Fail("a decimal character code is expected after '#', not " + Describe(Peek()));
        int code = 0;
        for (; IsDigit(Peek()); ++FPos)
            if (code <= 255) code = code * 10 + (Peek() - '0');
        if (IsIdentChar(Peek()) || Peek() == '.') {
            ReadWord();
            Fail(Quoted(FText.substr(start, FPos - start)) + " is not a valid character code");
        }
        if (code > 255)
            Fail("the character code " + Quoted(FText.substr(start, FPos - start)) + " is outside 0 to 255");
        return char(std::uint8_t(code));
    }

    // An identifier, or a reference to a component another component owns
    // ("RadioGroup1.Button0"): identifiers joined by single dots.
    TValue ParseIdentValue() {
        const std::string_view word = ReadWord();
        if (!IsDottedName(word)) Fail(Quoted(word) + " is not a valid identifier or component reference");
        return TValue::Identifier(std::string(word));
    }

    TValue ParseSet() {
        const int openLine = FLine;
        ++FPos;  // '['
        std::vector<std::string> names;
        SkipWhiteSpace();
        if (Peek() == ']') {
            ++FPos;
            return TValue::SetOf({});
        }
        while (true) {
            if (AtEnd()) FailAt(openLine, "the set that starts here is not closed with ']'");
            names.push_back(ReadIdentifier("a set element"));
            SkipWhiteSpace();
            if (AtEnd()) FailAt(openLine, "the set that starts here is not closed with ']'");
            if (Peek() == ']') {
                ++FPos;
                return TValue::SetOf(std::move(names));
            }
            if (Peek() != ',')
                Fail("',' or ']' is expected in the set that starts on line " + std::to_string(openLine) + ", not " +
                     Describe(Peek()));
            ++FPos;
            SkipWhiteSpace();
        }
    }

    TValue ParseList(int depth) {
        if (depth > MaxFormTextDepth)
            Fail("lists are nested deeper than " + std::to_string(MaxFormTextDepth) + " levels");
        const int openLine = FLine;
        ++FPos;  // '('
        std::vector<TValue> items;
        while (true) {
            SkipWhiteSpace();
            if (AtEnd()) FailAt(openLine, "the list that starts here is not closed with ')'");
            if (Peek() == ')') {
                ++FPos;
                return TValue::ListOf(std::move(items));
            }
            items.push_back(ParseValue(depth));
        }
    }

    TValue ParseBinary() {
        const int openLine = FLine;
        ++FPos;  // '{'
        // Every byte takes two digits before the first closing brace (a
        // brace is not a digit), so the bytes fit in half that distance: they
        // are written into place, never grown, and cut to size at the end.
        const std::size_t close = std::min(FText.find('}', FPos), FText.size());
        std::vector<std::uint8_t> bytes((close - FPos) / 2);
        std::size_t count = 0;
        int high = -1;  // the first digit of a byte, while the second is awaited
        while (true) {
            // Whole bytes, two digits at a time; anything else (a line break,
            // a blank, a fault) goes through the character by character path.
            if (high < 0) {
                const char* at = FText.data() + FPos;
                const char* const last = FText.data() + close;
                std::uint8_t* out = bytes.data() + count;
                while (last - at >= 2) {
                    const int first = HexDigitValue(at[0]), second = HexDigitValue(at[1]);
                    if ((first | second) < 0) break;
                    *out++ = std::uint8_t(first * 16 + second);
                    at += 2;
                }
                count = std::size_t(out - bytes.data());
                FPos = std::size_t(at - FText.data());
            }
            if (AtEnd()) FailAt(openLine, "the binary data that starts here is not closed with '}'");
            const char c = FText[FPos];
            if (c == '}') {
                if (high >= 0) Fail("binary data has an odd number of hexadecimal digits");
                ++FPos;
                bytes.resize(count);
                return TValue::Bin(std::move(bytes));
            }
            if (AtLineBreak()) {
                SkipLineBreak();
                continue;
            }
            ++FPos;
            if (IsBlank(c)) continue;
            const int digit = HexDigitValue(c);
            if (digit < 0) {
                --FPos;
                Fail(Describe(c) + " is not a hexadecimal digit in binary data");
            }
            if (high < 0) {
                high = digit;
            } else {
                bytes[count++] = std::uint8_t(high * 16 + digit);
                high = -1;
            }
        }
    }
};

class TFormTextPrinter {
public:
    std::string Print(const TFormObject& root) {
        PrintObject(root, 0, 1);
        return std::move(FOut);
    }

private:
    static constexpr int IndentStep = 2;
    static constexpr std::size_t BytesPerBinaryLine = 32;  // 64 hex digits
    std::string FOut;

    [[noreturn]] static void Refuse(const std::string& message) {
        throw std::invalid_argument("cannot print form text: " + message);
    }

    void NewLine(int indent) {
        FOut += '\n';
        FOut.append(std::size_t(indent), ' ');
    }

    void PrintObject(const TFormObject& object, int indent, int depth) {
        if (depth > MaxFormTextDepth)
            Refuse("objects are nested deeper than " + std::to_string(MaxFormTextDepth) + " levels");
        if (!object.Name.empty() && !IsIdentifier(object.Name))
            Refuse(Quoted(object.Name) + " is not a valid object name");
        if (!IsIdentifier(object.ClassName))
            Refuse(Quoted(object.ClassName) + " is not a valid class name (object " + object.Name + ")");

        FOut.append(std::size_t(indent), ' ');
        FOut += "object ";
        if (!object.Name.empty()) FOut += object.Name + ": ";
        FOut += object.ClassName;
        for (const TFormProperty& p : object.Properties) {
            if (!IsDottedName(p.Name) || IsReservedWord(p.Name))
                Refuse(Quoted(p.Name) + " is not a valid property name");
            NewLine(indent + IndentStep);
            FOut += p.Name;
            FOut += " = ";
            PrintValue(p.Value, indent + IndentStep, 0);
        }
        FOut += '\n';
        for (const TFormObject& child : object.Children) PrintObject(child, indent + IndentStep, depth + 1);
        FOut.append(std::size_t(indent), ' ');
        FOut += "end\n";
    }

    // `indent` is the indentation of the line the value starts on; lines the
    // value continues on go one step deeper.
    void PrintValue(const TValue& v, int indent, int listDepth) {
        switch (v.kind) {
            case TValue::Kind::Integer: PrintInteger(v); break;
            case TValue::Kind::Ident:
                if (!IsDottedName(v.text)) Refuse(Quoted(v.text) + " is not a valid identifier value");
                FOut += v.text;
                break;
            case TValue::Kind::String: PrintString(v.text); break;
            case TValue::Kind::Set: PrintSet(v.names); break;
            case TValue::Kind::List: PrintList(v.items, indent, listDepth + 1); break;
            case TValue::Kind::Binary: PrintBinary(v.bytes, indent); break;
        }
    }

    void PrintInteger(const TValue& v) {
        if (v.hex && v.integer >= 0 && v.integer <= 0xFFFFFFFFll) {
            const auto u = std::uint32_t(v.integer);
            FOut += '$';
            for (int shift = 24; shift >= 0; shift -= 8) FOut += HexByte(std::uint8_t(u >> shift));
        } else {
            FOut += std::to_string(v.integer);
        }
    }

    void PrintString(const std::string& text) {
        if (text.empty()) {
            FOut += "''";
            return;
        }
        bool quoted = false;
        for (const char c : text) {
            const auto b = std::uint8_t(c);
            if (b < 32 || b == 127) {
                if (quoted) FOut += '\'';
                quoted = false;
                FOut += '#' + std::to_string(b);
            } else {
                if (!quoted) FOut += '\'';
                quoted = true;
                FOut += c;
                if (c == '\'') FOut += '\'';
            }
        }
        if (quoted) FOut += '\'';
    }

    void PrintSet(const std::vector<std::string>& names) {
        FOut += '[';
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (!IsIdentifier(names[i])) Refuse(Quoted(names[i]) + " is not a valid set element");
            if (i > 0) FOut += ", ";
            FOut += names[i];
        }
        FOut += ']';
    }

    void PrintList(const std::vector<TValue>& items, int indent, int depth) {
        if (depth > MaxFormTextDepth)
            Refuse("lists are nested deeper than " + std::to_string(MaxFormTextDepth) + " levels");
        FOut += '(';
        for (const TValue& item : items) {
            NewLine(indent + IndentStep);
            PrintValue(item, indent + IndentStep, depth);
        }
        FOut += ')';
    }

    void PrintBinary(const std::vector<std::uint8_t>& bytes, int indent) {
        FOut += '{';
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (i % BytesPerBinaryLine == 0) NewLine(indent + IndentStep);
            FOut += HexByte(bytes[i]);
        }
        FOut += '}';
    }
};

}  // namespace

bool operator==(const TFormProperty& a, const TFormProperty& b) { return a.Name == b.Name && a.Value == b.Value; }

bool operator==(const TFormObject& a, const TFormObject& b) {
    return a.Name == b.Name && a.ClassName == b.ClassName && a.Properties == b.Properties && a.Children == b.Children;
}

EFormTextError::EFormTextError(int line, const std::string& message)
    : std::runtime_error(std::to_string(line) + ": " + message), FLine(line), FMessage(message) {}

TFormObject ParseFormText(std::string_view text) {
    if (text.size() > MaxFormTextSize)
        throw EFormTextError(0, "the form text is " + std::to_string(text.size()) + " bytes, more than the " +
                                    std::to_string(MaxFormTextSize) + " a form description may have");
    return TFormTextParser(text).ParseRoot();
}

std::string PrintFormText(const TFormObject& root) { return TFormTextPrinter().Print(root); }

}  // namespace Orvo
