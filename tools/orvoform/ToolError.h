#pragma once
// What orvoform reports when its input is wrong: a message for standard
// error, which names the culprit, and exit status 2.

#include <stdexcept>
#include <string>

class EToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Exit status of a run that succeeded, and of one whose input (arguments,
// form, steps) was wrong.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitBadInput = 2;
// Exit status when the input was fine but the result could not be produced
// (the picture could not be written, the form's own code failed).
inline constexpr int ExitFailure = 1;

// A form that cannot be read: what() is "FILE:LINE: message", printed as it is.
class EFormLoadError : public EToolError {
public:
    using EToolError::EToolError;
};

// Memory ran out: the input may be valid, the machine could not do it. What
// the run was doing is told, and the exit status is ExitFailure.
class EOutOfMemory : public std::runtime_error {
public:
    explicit EOutOfMemory(const std::string& during) : std::runtime_error("out of memory while " + during) {}
};
