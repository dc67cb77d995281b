#include "CommandLine.h"

#include "ToolError.h"

namespace {

// The value of an option: "--control NAME" or "--control=NAME".
std::string OptionValue(const std::vector<std::string>& args, std::size_t& i, const std::string& option) {
    const std::string& arg = args[i];
    const std::string glued = option + "=";
    if (arg.rfind(glued, 0) == 0) return arg.substr(glued.size());
    if (i + 1 >= args.size()) throw EToolError(option + " needs a value");
    return args[++i];
}

void SetOnce(std::string& field, std::string value, const std::string& option) {
    if (!field.empty()) throw EToolError(option + " is given twice");
    if (value.empty()) throw EToolError(option + " needs a value");
    field = std::move(value);
}

int ScaleValue(const std::string& text) {
    if (text.size() == 1 && text[0] >= '1' && text[0] - '0' <= kMaxScale) return text[0] - '0';
    throw EToolError("--scale must be a whole number from 1 to " + std::to_string(kMaxScale) + ", not '" + text + "'");
}

}  // namespace

std::string UsageText() {
    return R"(usage: orvoform render FORM [STEP...] -o OUT.png [--control NAME] [--scale N]
       orvoform dump FORM [STEP...]
       orvoform --help

Loads a form description without a display, runs the steps in order through
real input events, then writes what a user would see (render) or the form's
description as the writer streams it (dump, to standard output).

FORM     a form description file (256 MB at most), - for standard input, or
         demo (the demonstration program's own form, with its handlers)

Options:
  -o, --output OUT.png   render: where the PNG goes, written whole or not at all
                         to a regular file or a new path (a symbolic link is
                         written through; anything else there is refused)
  --control NAME         render: only the windowed control NAME, not the form
  --scale N              render: as on a screen of device pixel ratio N (1 to 4):
                         the PNG has N times the pixels each way, geometry and
                         step coordinates stay in the form's own pixels
  -h, --help             this text

Steps (NAME is a component of the form; X,Y are in its client pixels and may
lie anywhere, also far outside the form; without @X,Y the centre is used):
  set:NAME.PROP=VALUE    assign a published property, VALUE as a form stores it
                         set:OrvoCheckBox1.Border=obSimple  set:Label1.Caption='Hi'
                         set:Panel1.Font.Color=$000000FF
  focus:NAME             give NAME the keyboard focus
  hover:NAME[@X,Y]       move the pointer there
  press:NAME[@X,Y]       press the left button there
  release:NAME[@X,Y]     release it there (dragging there first)
  click:NAME[@X,Y]       press and release
  dblclick:NAME[@X,Y]    double-click
  key:KEY                type a key on the focused control: Enter Space Tab
                         Escape Left Right Up Down Backspace, or one character
  alt:C                  the accelerator Alt+C
  pick:NAME=INDEX        a user's pick of item INDEX in a combo box
  dialog:#RRGGBB         the next colour dialog is answered with this colour
  dialog:cancel          the next colour dialog is cancelled

Examples:
  orvoform render demo set:OrvoCheckBox1.Border=obSimple focus:cb_cbEnabled key:Space -o demo.png
  orvoform render demo hover:OrvoButton1 -o hot.png --control OrvoPanel1
  orvoform render demo -o demo@2x.png --scale 2
  orvoform dump my.form click:CheckBox1 > after.form
  orvoform dump demo pick:co_cbCheckType=1 dialog:#0000FF click:b_cbCheckColor

Exit status:
  0  done
  1  the tool could not finish: the picture could not be written, the
     form's own code raised, or memory ran out ("out of memory while ...")
  2  bad input, with a message naming the culprit (FILE:LINE: message for a
     form): an unknown command, option, step, component or property, a value
     out of range (Font.Height -2048 to 2048, Font.Size -1536 to 1536, a
     control's Left, Top, Width and Height -16777215 to 16777215), #0 in a
     Caption or Text, a name taken twice or nil, a reference the property
     cannot hold, a form that cannot be read or is too long, an output path
     that is a directory, device, FIFO or socket, a colour dialog left
     unanswered, or a picture the steps left empty
)";
}

TCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    TCommandLine line;
    if (args.empty()) throw EToolError("no command given (render or dump)");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") return line;
    if (command == "render") {
        line.Command = TCommandLine::TCommand::Render;
    } else if (command == "dump") {
        line.Command = TCommandLine::TCommand::Dump;
    } else {
        throw EToolError("unknown command '" + command + "' (render or dump)");
    }

    bool haveForm = false;
    bool haveScale = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o" || arg.rfind("-o=", 0) == 0 || arg == "--output" || arg.rfind("--output=", 0) == 0) {
            const std::string option = arg.rfind("--", 0) == 0 ? "--output" : "-o";
            SetOnce(line.Output, OptionValue(args, i, option), option);
        } else if (arg == "--control" || arg.rfind("--control=", 0) == 0) {
            SetOnce(line.Control, OptionValue(args, i, "--control"), "--control");
        } else if (arg == "--scale" || arg.rfind("--scale=", 0) == 0) {
            if (haveScale) throw EToolError("--scale is given twice");
            line.Scale = ScaleValue(OptionValue(args, i, "--scale"));
            haveScale = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw EToolError("unknown option '" + arg + "'");
        } else if (!haveForm) {
            line.Form = arg;
            haveForm = true;
        } else {
            line.Steps.push_back(arg);
        }
    }

    if (!haveForm || line.Form.empty()) throw EToolError("no form given (a file, - or demo)");
    if (line.Command == TCommandLine::TCommand::Render) {
        if (line.Output.empty()) throw EToolError("render needs -o OUT.png");
    } else {
        if (!line.Output.empty()) throw EToolError("dump writes to standard output and takes no -o");
        if (!line.Control.empty()) throw EToolError("--control is an option of render");
        if (haveScale) throw EToolError("--scale is an option of render");
    }
    return line;
}
