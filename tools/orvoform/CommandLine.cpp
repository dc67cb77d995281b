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

}  // namespace

std::string UsageText() {
    return "usage: orvoform render FORM [STEP...] -o OUT.png [--control NAME]\n"
           "       orvoform dump FORM [STEP...]\n"
           "FORM: a form description file, - for standard input, or demo\n"
           "STEP: set:NAME.PROP=VALUE  focus:NAME  hover:NAME[@X,Y]  press:NAME[@X,Y]\n"
           "      release:NAME[@X,Y]  click:NAME[@X,Y]  dblclick:NAME[@X,Y]  key:KEY  alt:C\n"
           "      pick:NAME=INDEX  dialog:#RRGGBB  dialog:cancel\n"
           "KEY:  Enter Space Tab Escape Left Right Up Down Backspace, or one character\n";
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
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o" || arg.rfind("-o=", 0) == 0 || arg == "--output" || arg.rfind("--output=", 0) == 0) {
            const std::string option = arg.rfind("--", 0) == 0 ? "--output" : "-o";
            SetOnce(line.Output, OptionValue(args, i, option), option);
        } else if (arg == "--control" || arg.rfind("--control=", 0) == 0) {
            SetOnce(line.Control, OptionValue(args, i, "--control"), "--control");
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
    }
    return line;
}
