#pragma once
// Writing a file whole, without harming whatever stands at its path.
//
// A program told to write OUT may be handed a directory, a device node
// (/dev/null), a FIFO, a socket or a symbolic link. Only a regular file or a
// path where nothing stands yet is written: the bytes go to a new file with
// an unpredictable name made exclusively (O_EXCL) in the target's own
// directory, which is then renamed over the target, so a failure never leaves
// half a file and nobody can plant a link where the temporary file goes.
// Symbolic links at the path are followed: the file they lead to is the one
// replaced, and the link stays.

#include <string>
#include <string_view>

namespace Orvo {

// Why nothing may be written at `path` ("it is a directory", "it is a
// device"...), or an empty string when it is a regular file or nothing
// stands there yet (whether the directory lets us write shows when writing).
std::string OutputPathProblem(const std::string& path);

// Writes `bytes` as the whole content of the file at `path` (see above).
// Answers false with `error` saying what went wrong ("cannot write OUT: ...");
// what stood at the path is then as it was.
bool WriteFileWhole(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace Orvo
