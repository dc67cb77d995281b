#pragma once
// orvoform's arguments:
//   orvoform render FORM [STEP...] -o OUT.png [--control NAME] [--scale N]
//   orvoform dump FORM [STEP...]
// Options may stand anywhere after the command; FORM is the first other
// argument ("-" is standard input, not an option).

#include <string>
#include <vector>

// The largest device pixel ratio render takes (a 4x picture of a big form
// is already 16 times its pixels).
constexpr int kMaxScale = 4;

struct TCommandLine {
    enum class TCommand { Render, Dump, Help };
    TCommand Command = TCommand::Help;
    std::string Form;
    std::vector<std::string> Steps;
    std::string Output;   // render: the PNG to write
    std::string Control;  // render: the windowed control to picture (empty: the form)
    int Scale = 1;        // render: device pixels per logical pixel (kMaxScale at most)
};

// Throws EToolError for arguments that do not make a command.
TCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text `orvoform --help` prints.
std::string UsageText();
