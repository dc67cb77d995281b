#pragma once
// A screenshot of the whole screen once the program's main form has shown and
// painted, for running a program on a machine without a display (under a
// virtual X server). TApplication::Run arranges it when the environment
// variable ORVO_SCREENSHOT names a PNG file; the program then ends.

#include <string>

namespace Orvo {

// Writes the screen to `path` shortly after the main form has shown, then
// terminates the application. Failure to write is reported on stderr.
void ScheduleStartupScreenshot(const std::string& path);

}  // namespace Orvo
