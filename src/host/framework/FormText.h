#pragma once
// The text form of a form description, as a tree of objects and properties,
// with no knowledge of classes: the parser checks only syntax, the printer
// only layout. The form reader and writer map this tree to components.
//
// Syntax (one statement a line; keywords are case-insensitive on input):
//
//   object Name: TClass          or `object TClass` for an unnamed object
//     Prop = value               dotted names: Font.Name, Items.Strings
//     object Child: TClass ... end
//   end
//
// Values, each starting on the line of its `=`:
//   124  -11  $00F0C080          decimal (int64) or $ with 1..8 hex digits
//   clBtnFace                    identifier: letters, digits, underscore
//   'It''s'#13'two'              quoted parts glued to #NN codes (0..255);
//   'long' +                     `+` at the end of a line continues a string
//     ' string'
//   [fsBold, fsItalic]  []       sets of identifiers
//   ( 'Cat' 'Dog' )              lists of any values, line breaks allowed
//   { 0A1B 2C3D }                binary: an even number of hex digits,
//                                any white space or line breaks between
//
// Printed layout (the printer is deterministic, and parsing what it prints
// gives the same tree back; printing that again gives the same bytes):
// - two spaces of indentation per object level, "\n" line ends, a final
//   newline after the last `end`; `object TClass` when the name is empty;
// - integers in decimal, or as `$` + 8 upper-case hex digits when Hex is set
//   and the value fits in 0..$FFFFFFFF (decimal otherwise);
// - strings: printable ASCII and bytes >= $80 inside quotes (a quote
//   doubled), bytes < 32 and 127 as #NN glued on; the empty string is '';
//   never split over lines;
// - sets on one line: `[a, b]`;
// - lists: `(` ends the property's line, each item on its own line two
//   spaces deeper, `)` right after the last item; the empty list is `()`;
//   an item that spans lines continues two spaces deeper than the item;
// - binary: `{` ends the line, then lines of at most 64 upper-case hex digits
//   two spaces deeper, `}` right after the last digit; empty binary is `{}`.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/Value.h"

namespace Orvo {

/// One property of a form description as read: its name, value and line.
struct TFormProperty {
    std::string Name;  // dotted: "Left", "Font.Name", "Items.Strings"
    TValue Value;
    int Line = 0;      // where the name stands (1-based); 0 for built trees
};

/// One object of a form description as read: its class, name, properties and children.
struct TFormObject {
    std::string Name;       // may be empty
    std::string ClassName;
    int Line = 0;           // the line of `object`
    std::vector<TFormProperty> Properties;  // in stored order
    std::vector<TFormObject> Children;      // in stream order
};

// Equality of content: names, classes, values (TValue's equality) and order.
// Line numbers are where a tree was read from, not part of it.
bool operator==(const TFormProperty& a, const TFormProperty& b);
bool operator==(const TFormObject& a, const TFormObject& b);

/// A syntax error in form text. what() is "LINE: message"; whoever knows the
/// file name puts it in front.
class EFormTextError : public std::runtime_error {
public:
    EFormTextError(int line, const std::string& message);
    int Line() const { return FLine; }
    const std::string& Message() const { return FMessage; }

private:
    int FLine;
    std::string FMessage;
};

// Objects and lists may nest this deep; deeper input is an error, not a
// stack overflow.
inline constexpr int MaxFormTextDepth = 256;

// The longest form text taken (256 MB): a description of any real form is a
// small part of it, and whoever reads text from outside can refuse more
// before holding it all.
inline constexpr std::size_t MaxFormTextSize = std::size_t(256) << 20;

// Parses one root object. Throws EFormTextError for anything malformed or
// longer than MaxFormTextSize.
TFormObject ParseFormText(std::string_view text);

// Prints a tree in the layout above. A tree that cannot be written as valid
// text (a name that is not an identifier, a keyword as a property name, an
// empty class name, nesting beyond MaxFormTextDepth) throws
// std::invalid_argument naming the culprit.
std::string PrintFormText(const TFormObject& root);

}  // namespace Orvo
