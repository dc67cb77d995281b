#include "Step.h"

#include <cctype>
#include <charconv>
#include <string_view>

#include "ToolError.h"
#include "host/services/Messages.h"

using namespace Orvo;

namespace {

[[noreturn]] void Fail(const std::string& step, const std::string& what) {
    throw EToolError("step '" + step + "': " + what);
}

bool ParseInt(std::string_view s, int& out) {
    if (s.empty()) return false;
    const char* first = s.data();
    if (*first == '+') ++first;
    const auto [end, ec] = std::from_chars(first, s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size();
}

bool IsIdentifier(std::string_view s) {
    if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_')) return false;
    for (char c : s)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
    return true;
}

std::string CheckedName(const std::string& step, std::string_view name) {
    if (!IsIdentifier(name)) Fail(step, "'" + std::string(name) + "' is not a component name");
    return std::string(name);
}

// NAME or NAME@X,Y.
void ParseTarget(TStep& step, std::string_view arg) {
    const std::size_t at = arg.find('@');
    step.Name = CheckedName(step.Text, arg.substr(0, at));
    if (at == std::string_view::npos) return;
    const std::string_view point = arg.substr(at + 1);
    const std::size_t comma = point.find(',');
    TPoint p;
    if (comma == std::string_view::npos || !ParseInt(point.substr(0, comma), p.X) || !ParseInt(point.substr(comma + 1), p.Y))
        Fail(step.Text, "'" + std::string(point) + "' is not a point X,Y");
    step.At = p;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

void ParseKey(TStep& step, std::string_view arg) {
    struct TNamedKey {
        std::string_view Name;
        int Key;
    };
    static constexpr TNamedKey Keys[] = {
        {"Enter", VK_RETURN}, {"Space", VK_SPACE}, {"Tab", VK_TAB},   {"Escape", VK_ESCAPE}, {"Left", VK_LEFT},
        {"Right", VK_RIGHT},  {"Up", VK_UP},       {"Down", VK_DOWN}, {"Backspace", VK_BACK},
    };
    for (const TNamedKey& k : Keys) {
        if (EqualsNoCase(arg, k.Name)) {
            step.VirtualKey = k.Key;
            return;
        }
    }
    if (arg.size() == 1 && std::isprint(static_cast<unsigned char>(arg[0]))) {
        step.Char = arg[0];
        return;
    }
    Fail(step.Text, "unknown key '" + std::string(arg) + "'");
}

void ParseAlt(TStep& step, std::string_view arg) {
    if (arg.size() != 1 || !std::isgraph(static_cast<unsigned char>(arg[0])))
        Fail(step.Text, "alt: takes one character");
    step.Char = arg[0];
}

// NAME.PROP[.SUB...]=VALUE; the value may itself contain '=' and '.'.
void ParseSet(TStep& step, std::string_view arg) {
    const std::size_t eq = arg.find('=');
    if (eq == std::string_view::npos) Fail(step.Text, "set: needs NAME.PROP=VALUE");
    const std::string_view target = arg.substr(0, eq);
    const std::size_t dot = target.find('.');
    if (dot == std::string_view::npos) Fail(step.Text, "set: needs NAME.PROP=VALUE");
    step.Name = CheckedName(step.Text, target.substr(0, dot));
    const std::string_view path = target.substr(dot + 1);
    std::size_t start = 0;
    while (true) {
        const std::size_t next = path.find('.', start);
        const std::string_view part = path.substr(start, next == std::string_view::npos ? next : next - start);
        if (!IsIdentifier(part)) Fail(step.Text, "'" + std::string(path) + "' is not a property name");
        if (next == std::string_view::npos) break;
        start = next + 1;
    }
    step.Property = std::string(path);
    step.Value = std::string(arg.substr(eq + 1));
    if (step.Value.empty()) Fail(step.Text, "set: needs a value after '='");
}

void ParsePick(TStep& step, std::string_view arg) {
    const std::size_t eq = arg.find('=');
    if (eq == std::string_view::npos) Fail(step.Text, "pick: needs NAME=INDEX");
    step.Name = CheckedName(step.Text, arg.substr(0, eq));
    if (!ParseInt(arg.substr(eq + 1), step.Index) || step.Index < 0)
        Fail(step.Text, "'" + std::string(arg.substr(eq + 1)) + "' is not an item index");
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void ParseDialog(TStep& step, std::string_view arg) {
    if (EqualsNoCase(arg, "cancel")) {
        step.DialogConfirms = false;
        return;
    }
    const std::string bad = "'" + std::string(arg) + "' is not #RRGGBB or cancel";
    if (arg.size() != 7 || arg[0] != '#') Fail(step.Text, bad);
    int channel[3];
    for (int i = 0; i < 3; ++i) {
        const int hi = HexDigit(arg[1 + 2 * i]), lo = HexDigit(arg[2 + 2 * i]);
        if (hi < 0 || lo < 0) Fail(step.Text, bad);
        channel[i] = hi * 16 + lo;
    }
    step.DialogConfirms = true;
    step.DialogColor = TColor(RGB(std::uint8_t(channel[0]), std::uint8_t(channel[1]), std::uint8_t(channel[2])));
}

}  // namespace

TStep ParseStep(const std::string& text) {
    TStep step;
    step.Text = text;
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) Fail(text, "unknown step (KIND:ARGUMENT expected)");
    const std::string kind = text.substr(0, colon);
    const std::string_view arg = std::string_view(text).substr(colon + 1);

    struct TMouseKind {
        std::string_view Name;
        TStepKind Kind;
    };
    static constexpr TMouseKind MouseKinds[] = {
        {"hover", TStepKind::Hover}, {"press", TStepKind::Press},       {"release", TStepKind::Release},
        {"click", TStepKind::Click}, {"dblclick", TStepKind::DblClick},
    };
    for (const TMouseKind& m : MouseKinds) {
        if (kind == m.Name) {
            step.Kind = m.Kind;
            ParseTarget(step, arg);
            return step;
        }
    }
    if (kind == "set") {
        step.Kind = TStepKind::Set;
        ParseSet(step, arg);
    } else if (kind == "focus") {
        step.Kind = TStepKind::Focus;
        step.Name = CheckedName(text, arg);
    } else if (kind == "key") {
        step.Kind = TStepKind::Key;
        ParseKey(step, arg);
    } else if (kind == "alt") {
        step.Kind = TStepKind::Alt;
        ParseAlt(step, arg);
    } else if (kind == "pick") {
        step.Kind = TStepKind::Pick;
        ParsePick(step, arg);
    } else if (kind == "dialog") {
        step.Kind = TStepKind::Dialog;
        ParseDialog(step, arg);
    } else {
        Fail(text, "unknown step kind '" + kind + "'");
    }
    return step;
}
