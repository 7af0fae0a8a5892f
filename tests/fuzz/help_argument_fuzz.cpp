// Context help texts: the viewer's argument and command line from any
// directory and program path, and reading a directory from a reader that
// answers anything.
#include <algorithm>
#include <cstring>

#include "plugin/help_argument.h"
#include "tests/fuzz/fuzz_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view directory = fuzz::Part(input, 0), word = fuzz::Part(input, 1);

  // The topic itself is pinned by the help argument's table and the context help test.
  const std::string topic = plugin::HelpTopic(word);
  const std::string argument = plugin::HelpArgument(directory, topic);
  FUZZ_CHECK(argument.size() >= topic.size() && argument.substr(argument.size() - topic.size()) == topic);
  if (!directory.empty()) FUZZ_CHECK(argument.substr(0, directory.size()) == directory && argument[argument.size() - topic.size() - 1] == '\\');

  const std::string commandLine = plugin::ProgramCommandLine(directory, word);
  FUZZ_CHECK(commandLine.front() == '"');
  const std::string folder = plugin::FolderOf(directory);
  FUZZ_CHECK(folder.empty() || (folder.back() == '\\' && directory.substr(0, folder.size()) == folder));

  // A reader that claims sizes from the input and writes as much as it is
  // allowed: the text read is never longer than what the reader wrote.
  std::size_t call = 0;
  const std::string read = plugin::ReadGrowingText([&](unsigned room, char* buffer) -> unsigned {
    const std::string_view claim = fuzz::Part(input, 2 + call++);
    unsigned answer = 0;
    for (unsigned char c : claim.substr(0, 4)) answer = answer * 256 + c;
    std::memset(buffer, 'x', std::min<std::size_t>(room, answer));
    return answer;
  });
  FUZZ_CHECK(read.size() < 40000 && std::all_of(read.begin(), read.end(), [](char c) { return c == 'x'; }));
  return 0;
}
