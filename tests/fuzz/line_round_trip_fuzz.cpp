// Opening a dialog from a line and adding it unchanged gives the same bytes:
// for every line a dialog can make (a state made from the input, its line
// built with the dialog's own text rule), for that line as a script author
// may write it (words in other case, more blanks and tabs, switches in
// another order), and for what a dialog shows of any text.
#include <algorithm>
#include <random>

#include "tests/commands/line_again.h"
#include "tests/fuzz/fuzz_driver.h"

namespace {

using namespace commands;

// The input's bytes as choices, 0 once they are used up.
struct Choices {
  std::string_view input;
  std::size_t at = 0;
  unsigned Next(unsigned below) { return at < input.size() ? static_cast<unsigned char>(input[at++]) % below : 0; }
};

// A folder path a tree can give: empty, a drive's root, or folders below it
// named with any byte a folder name may hold.
std::string FolderPath(Choices& c) {
  if (c.Next(4) == 0) return "";
  std::string path = {static_cast<char>('A' + c.Next(26)), ':', '\\'};
  for (unsigned folders = c.Next(4); folders > 0; --folders, path += '\\')
    for (unsigned length = 1 + c.Next(12); length > 0; --length) {
      const char ch = static_cast<char>(32 + c.Next(224));
      path += std::string_view("\\/:*?\"<>|").find(ch) == std::string_view::npos ? ch : 'x';
    }
  return path;
}

// Words outside quotes in other case, with more blanks or a tab between
// them, the switches in another order; with `textFollows` (echo, title)
// only the command word changes and the blanks before it.
std::string AsWritten(std::string_view line, bool textFollows, Choices& c) {
  std::vector<std::string> words(1);
  bool quoted = false;
  for (char ch : line) {
    const bool flip = (ch | 0x20) >= 'a' && (ch | 0x20) <= 'z' && !quoted && (words.size() == 1 || !textFollows);
    if (ch == ' ' && !quoted && !(textFollows && words.size() > 1)) words.emplace_back();
    else words.back() += static_cast<char>(flip && c.Next(2) ? ch ^ 0x20 : ch);
    if (ch == '"') quoted = !quoted;
  }
  if (!textFollows)
    std::shuffle(std::find_if(words.begin(), words.end(), [](const std::string& w) { return w[0] == '/'; }), words.end(),
                 std::minstd_rand(c.Next(256)));
  std::string written(c.Next(3), ' ');
  for (const std::string& word : words) written += (&word == &words[0] ? "" : textFollows || c.Next(2) ? " " : " \t ") + word;
  return written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  Choices c{input};
  std::array<bool, XcopySwitchCount> boxes{};
  std::vector<std::string> switches;
  for (std::size_t i = 0; i < XcopySwitchCount; ++i)
    if ((boxes[i] = c.Next(3) == 0)) switches.emplace_back(XcopySwitches[i]);
  std::array<bool, SwitchCount> chkdskBoxes{};
  std::copy_n(boxes.begin(), SwitchCount, chkdskBoxes.begin());
  std::string typed(input.substr(std::min(c.at, size)));
  typed.erase(std::min(typed.find('\0'), typed.size()));
  std::replace_if(typed.begin(), typed.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');  // one line
  const int background = 1 + static_cast<int>(c.Next(16)), text = 1 + static_cast<int>(c.Next(16));
  const std::string item = c.Next(8) ? DriveListItem(static_cast<char>('B' + c.Next(25)), "Daten") : "";
  const std::string source = FolderPath(c), target = FolderPath(c);

  const std::pair<const char*, std::string> made[] = {
      {"echo", EchoCommandText(typed)},
      {"title", TitleCommandText(BlankFreeText(typed).empty() ? typed + "x" : typed)},  // more than blanks
      {"color", background != text ? ColorCommandText(background, text) : "color 1F"},
      {"chkdsk", ChkdskCommandText(item, chkdskBoxes)},
      {"xcopy", XcopyCommandText(source, target, switches)},
  };
  for (const auto& [command, line] : made) {
    plugin::UnshownParts unshown;
    FUZZ_CHECK(testing_lines::Again(command, line, unshown) == line && unshown.empty());
    const std::string written = AsWritten(line, line.starts_with("echo") || line.starts_with("title"), c);
    FUZZ_CHECK(testing_lines::Again(command, written, unshown) == line && unshown.empty());
    const std::string once = testing_lines::Again(command, input, unshown);
    FUZZ_CHECK(testing_lines::Again(command, once, unshown) == once && unshown.empty());
  }
  return 0;
}
