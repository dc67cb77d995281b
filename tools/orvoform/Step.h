#pragma once
// One scripted step of orvoform, parsed from its argument. Parsing checks
// only the step's own syntax; names are resolved on the form when it runs.

#include <optional>
#include <string>

#include "host/services/Types.h"

enum class TStepKind { Set, Focus, Hover, Press, Release, Click, DblClick, Key, Alt, Pick, Dialog };

struct TStep {
    TStepKind Kind = TStepKind::Set;
    std::string Text;       // the argument as given, for messages
    std::string Name;       // the component the step acts on
    std::string Property;   // set: the property path, dotted ("Font.Color")
    std::string Value;      // set: the value in form-description syntax
    std::optional<Orvo::TPoint> At;  // mouse steps: the point, or the centre when absent
    int VirtualKey = 0;     // key: a named key (VK_RETURN...), or 0 for Char
    char Char = 0;          // key, alt: the character typed
    int Index = 0;          // pick: the item picked
    bool DialogConfirms = false;  // dialog: the user confirms DialogColor
    Orvo::TColor DialogColor = 0;
};

// Throws EToolError naming the step when it is malformed or unknown.
TStep ParseStep(const std::string& text);
