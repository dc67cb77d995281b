#pragma once
// A property value as form descriptions hold it. The reader turns text into
// values, published properties convert values to and from their own types,
// and the writer turns values back into text; so one type serves all three.

#include <cstdint>
#include <string>
#include <vector>

namespace Orvo {

/// A property's value as form descriptions hold it: a number, string, identifier, set, list or binary data.
struct TValue {
    enum class Kind : std::uint8_t {
        Integer,  // 124, -11, $00F0C080 (Hex records how it is written)
        Ident,    // True, False, clBtnFace, taCenter, TabSheet2, FormCreate
        String,   // 'It''s'#13'two'
        Set,      // [fsBold, fsItalic]
        List,     // ('Cat' 'Dog'): the items are values themselves
        Binary,   // {36530700424D...}
    };

    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    bool hex = false;                  // Integer: written as $XXXXXXXX
    std::string text;                  // Ident or String (bytes, UTF-8)
    std::vector<std::string> names;    // Set
    std::vector<TValue> items;         // List
    std::vector<std::uint8_t> bytes;   // Binary

    static TValue Int(std::int64_t v, bool asHex = false) { TValue r; r.kind = Kind::Integer; r.integer = v; r.hex = asHex; return r; }
    static TValue Identifier(std::string s) { TValue r; r.kind = Kind::Ident; r.text = std::move(s); return r; }
    static TValue Bool(bool b) { return Identifier(b ? "True" : "False"); }
    static TValue Str(std::string s) { TValue r; r.kind = Kind::String; r.text = std::move(s); return r; }
    static TValue SetOf(std::vector<std::string> n) { TValue r; r.kind = Kind::Set; r.names = std::move(n); return r; }
    static TValue ListOf(std::vector<TValue> v) { TValue r; r.kind = Kind::List; r.items = std::move(v); return r; }
    static TValue Bin(std::vector<std::uint8_t> b) { TValue r; r.kind = Kind::Binary; r.bytes = std::move(b); return r; }

    // Equality of meaning (a hex and a decimal integer of one value are equal).
    friend bool operator==(const TValue& a, const TValue& b) {
        if (a.kind != b.kind) return false;
        switch (a.kind) {
            case Kind::Integer: return a.integer == b.integer;
            case Kind::Ident: return a.text == b.text;
            case Kind::String: return a.text == b.text;
            case Kind::Set: return a.names == b.names;
            case Kind::List: return a.items == b.items;
            case Kind::Binary: return a.bytes == b.bytes;
        }
        return false;
    }
};

}  // namespace Orvo
