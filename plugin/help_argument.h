// The texts of context help, apart from windows.h: the help topic of a
// command, the argument handed to the viewer, the command line that starts
// a program, and reading the current directory whatever its length.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace plugin {

// "Hilfe.chm::/" followed by the command word and ".htm".
std::string HelpTopic(std::string_view commandWord);

// The current directory with exactly one backslash at its end, then the
// topic; with no directory, the topic alone. Never quoted.
std::string HelpArgument(std::string_view currentDirectory, std::string_view topic);

// Reads a text the way GetCurrentDirectoryA hands it out: `read(size,
// buffer)` returns the length it wrote, the size it needs (terminating zero
// included) when the buffer is too small, or 0 on failure. Starts with 260
// bytes and grows to what is asked for, up to the 32,768 bytes of the
// longest path, so a long text is read whole and no buffer is ever overrun.
// Empty on failure and for a larger demand.
std::string ReadGrowingText(const std::function<unsigned(unsigned size, char* buffer)>& read);

// The program in double quotes (unless it starts with one), then a blank
// and the parameter when there is one.
std::string ProgramCommandLine(std::string_view program, std::string_view parameter);

// Everything up to and including the last backslash; empty without one.
std::string FolderOf(std::string_view path);

}  // namespace plugin
