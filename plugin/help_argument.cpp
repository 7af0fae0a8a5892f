#include "plugin/help_argument.h"

#include <vector>

namespace plugin {

namespace {
constexpr unsigned FirstBufferSize = 260;
constexpr int MostAttempts = 4;  // the directory may change between two reads
// No path of the system is longer (32,767 characters and the terminating
// zero); a reader asking for more is not answering about a path.
constexpr unsigned LargestBufferSize = 32768;
}  // namespace

std::string HelpTopic(std::string_view commandWord) {
  std::string topic = "Hilfe.chm::/";
  topic.append(commandWord).append(".htm");
  return topic;
}

std::string HelpArgument(std::string_view currentDirectory, std::string_view topic) {
  std::string argument(currentDirectory);
  if (!argument.empty() && argument.back() != '\\') argument += '\\';
  argument.append(topic);
  return argument;
}

std::string ReadGrowingText(const std::function<unsigned(unsigned size, char* buffer)>& read) {
  unsigned size = FirstBufferSize;
  for (int attempt = 0; attempt < MostAttempts; ++attempt) {
    std::vector<char> buffer(size, '\0');
    const unsigned result = read(size, buffer.data());
    if (result == 0) return {};
    if (result < size) return std::string(buffer.data(), result);
    if (result > LargestBufferSize) return {};
    size = result;  // too small: the result is the size it needs
  }
  return {};
}

std::string ProgramCommandLine(std::string_view program, std::string_view parameter) {
  std::string commandLine;
  if (!program.empty() && program.front() == '"') {
    commandLine = program;
  } else {
    commandLine.append("\"").append(program).append("\"");
  }
  if (!parameter.empty()) commandLine.append(" ").append(parameter);
  return commandLine;
}

std::string FolderOf(std::string_view path) {
  const std::size_t lastBackslash = path.rfind('\\');
  return lastBackslash == std::string_view::npos ? std::string() : std::string(path.substr(0, lastBackslash + 1));
}

}  // namespace plugin
