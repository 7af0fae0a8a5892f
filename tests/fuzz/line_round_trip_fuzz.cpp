// Opening a dialog from a line and adding it again without a change gives
// the same bytes: for every line a dialog can make (a state made from the
// input, its line built with the dialog's own text rule), for the same line
// as a script author would write it (word and switches in any case, extra
// blanks, switches in any order or glued, paths unquoted or without their
// last backslash), and for the state read from any text.
#include <algorithm>
#include <array>

#include "commands/chkdsk_text.h"
#include "commands/color_text.h"
#include "commands/echo_text.h"
#include "commands/title_text.h"
#include "commands/xcopy_text.h"
#include "tests/fuzz/fuzz_driver.h"

namespace {

using namespace commands;

// The input's bytes as choices, zero once it is used up.
class Choices {
 public:
  explicit Choices(std::string_view input) : input_(input) {}
  unsigned Next(unsigned below) { return at_ < input_.size() ? static_cast<unsigned char>(input_[at_++]) % below : 0; }
  bool Coin() { return Next(2) == 1; }
  std::string_view Rest() const { return input_.substr(std::min(at_, input_.size())); }

 private:
  std::string_view input_;
  std::size_t at_ = 0;
};

std::string MixedCase(std::string text, Choices& choices) {
  for (char& c : text)
    if (((c | 0x20) >= 'a' && (c | 0x20) <= 'z') && choices.Coin()) c = static_cast<char>(c ^ 0x20);
  return text;
}

std::string Blanks(Choices& choices) { return std::string(1 + choices.Next(3), choices.Next(4) ? ' ' : '\t'); }

// The switch words of a line: each switch in any case, some glued to the one before.
std::vector<std::string> SwitchWords(std::vector<std::string> switches, Choices& choices) {
  for (std::size_t i = switches.size(); i > 1; --i) std::swap(switches[i - 1], switches[choices.Next(static_cast<unsigned>(i))]);
  std::vector<std::string> words;
  for (const std::string& s : switches) {
    if (!words.empty() && choices.Next(4) == 0) words.back() += MixedCase(s, choices);
    else words.push_back(MixedCase(s, choices));
  }
  return words;
}

std::string Joined(const std::string& word, const std::vector<std::string>& words, Choices& choices) {
  std::string line = std::string(choices.Next(3), ' ') + MixedCase(word, choices);
  for (const std::string& w : words) line += Blanks(choices) + w;
  return line + std::string(choices.Next(2), ' ');
}

// A path as a script author writes it: quoted, or unquoted where cmd.exe allows it.
std::string Written(const std::string& path, Choices& choices) {
  if (path.find_first_of(" \t<>|&") == std::string::npos && !path.empty() && choices.Coin()) return path;
  return "\"" + path + "\"";
}

// A folder path a tree can give: empty, a drive's root, or folders below it,
// named with any byte a folder name may hold.
std::string FolderPath(Choices& choices) {
  if (choices.Next(4) == 0) return "";
  std::string path = {static_cast<char>('A' + choices.Next(26)), ':', '\\'};
  for (unsigned folders = choices.Next(4); folders > 0; --folders) {
    for (unsigned length = 1 + choices.Next(12); length > 0; --length) {
      const char c = static_cast<char>(32 + choices.Next(224));
      path += std::string_view("\\/:*?\"<>|").find(c) == std::string_view::npos ? c : 'x';
    }
    path += '\\';
  }
  return path;
}

std::vector<std::string> CheckedXcopySwitches(const std::array<bool, XcopySwitchCount>& checked) {
  std::vector<std::string> switches;
  for (std::size_t i = 0; i < XcopySwitchCount; ++i)
    if (checked[i]) switches.emplace_back(XcopySwitches[i]);
  return switches;
}

void CheckXcopy(Choices& choices) {
  const std::string source = FolderPath(choices), target = FolderPath(choices);
  std::array<bool, XcopySwitchCount> checked{};
  for (bool& box : checked) box = choices.Next(3) == 0;
  const std::vector<std::string> switches = CheckedXcopySwitches(checked);
  const std::string line = XcopyCommandText(source, target, switches);
  // As written in a script: the source as a folder or with *.*, the target
  // left out when empty, the switches anywhere after the source.
  std::vector<std::string> words = SwitchWords(switches, choices);
  const std::string sourceFolder = source.size() > 3 && choices.Coin() ? source.substr(0, source.size() - 1) : source + "*.*";
  const auto sourceAt = words.begin() + choices.Next(static_cast<unsigned>(words.size() + 1));
  const auto sourceWord = words.insert(sourceAt, Written(source.empty() ? "*.*" : sourceFolder, choices));
  if (!target.empty()) {
    const std::string targetPath = target.size() > 3 && choices.Coin() ? target.substr(0, target.size() - 1) : target;
    const auto after = sourceWord - words.begin() + 1;
    words.insert(words.begin() + after + choices.Next(static_cast<unsigned>(words.size() - after + 1)), Written(targetPath, choices));
  }
  for (const std::string& written : {line, Joined("xcopy", words, choices)}) {
    const XcopyLine read = ReadXcopyLine(written);
    FUZZ_CHECK(read.unshown.empty() && read.source == source && read.target == target && read.checked == checked);
    FUZZ_CHECK(XcopyCommandText(read.source, read.target, CheckedXcopySwitches(read.checked)) == line);
  }
}

// The boxes that count for the line: with /l checked, /l alone.
std::array<bool, SwitchCount> Counting(std::array<bool, SwitchCount> checked) {
  if (checked[LogSizeSwitch]) checked = {}, checked[LogSizeSwitch] = true;
  return checked;
}

void CheckChkdsk(Choices& choices) {
  // A drive list item, or none when the list is empty.
  const std::string item = choices.Next(8) ? DriveListItem(static_cast<char>('B' + choices.Next(25)), "Daten") : "";
  std::array<bool, SwitchCount> checked{};
  for (bool& box : checked) box = choices.Next(3) == 0;
  const std::string line = ChkdskCommandText(item, checked);
  std::vector<std::string> switches;
  for (std::size_t i = 0; i < SwitchCount; ++i)
    if (Counting(checked)[i]) switches.emplace_back(SwitchTexts[i] + 1);
  std::vector<std::string> words = SwitchWords(switches, choices);
  if (!item.empty()) words.insert(words.begin() + choices.Next(static_cast<unsigned>(words.size() + 1)), MixedCase(item.substr(0, choices.Coin() ? 3 : 2), choices));
  for (const std::string& written : {line, Joined("chkdsk", words, choices)}) {
    const ChkdskLine read = ReadChkdskLine(written);
    FUZZ_CHECK(read.unshown.empty() && read.drive == item.substr(0, 2) && Counting(read.checked) == Counting(checked));
    FUZZ_CHECK(ChkdskCommandText(read.drive, read.checked) == line);
  }
}

void CheckColor(Choices& choices) {
  const int background = FirstColour + static_cast<int>(choices.Next(16)), text = FirstColour + static_cast<int>(choices.Next(16));
  if (background == text) return;  // the dialog cannot add it
  const std::string line = ColorCommandText(background, text);
  for (const std::string& written : {line, Joined("color", {MixedCase(line.substr(6), choices)}, choices)}) {
    const ColorLine read = ReadColorLine(written);
    FUZZ_CHECK(read.unshown.empty() && read.backgroundIndex == background && read.textIndex == text);
  }
}

// What a field can hold: any bytes but the line breaks, which end its one line.
std::string Typed(Choices& choices) {
  std::string typed(choices.Rest().substr(0, choices.Rest().find('\0')));
  std::replace_if(typed.begin(), typed.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return typed;
}

void CheckEchoAndTitle(Choices& choices) {
  const std::string blanks(choices.Next(3), ' ');
  std::string typed = Typed(choices);
  const std::string echo = EchoCommandText(typed);
  const std::string echoWritten = blanks + MixedCase(typed.empty() ? std::string("echo") + ".:/("[choices.Next(4)] : echo, choices).substr(0, 4) + echo.substr(4);
  for (const std::string& written : {echo, echoWritten}) {
    const EchoLine read = ReadEchoLine(written);
    FUZZ_CHECK(read.unshown.empty() && read.typed == typed && EchoCommandText(read.typed) == echo);
  }
  if (BlankFreeText(typed).empty()) typed += 'x';  // "Hinzufügen" needs more than blanks
  const std::string title = TitleCommandText(typed);
  for (const std::string& written : {title, blanks + MixedCase("title", choices) + title.substr(5)}) {
    const TitleLine read = ReadTitleLine(written);
    FUZZ_CHECK(read.unshown.empty() && read.typed == typed && TitleCommandText(read.typed) == title);
  }
}

// Any text: what a dialog shows of it survives one "Hinzufügen" unchanged.
void CheckAnyLine(std::string_view text) {
  const XcopyLine xcopy = ReadXcopyLine(text);
  const XcopyLine xcopyAgain = ReadXcopyLine(XcopyCommandText(xcopy.source, xcopy.target, CheckedXcopySwitches(xcopy.checked)));
  FUZZ_CHECK(xcopyAgain.unshown.empty() && xcopyAgain.source == xcopy.source && xcopyAgain.target == xcopy.target &&
             xcopyAgain.checked == xcopy.checked);
  const ChkdskLine chkdsk = ReadChkdskLine(text);
  const ChkdskLine chkdskAgain = ReadChkdskLine(ChkdskCommandText(chkdsk.drive, chkdsk.checked));
  FUZZ_CHECK(chkdskAgain.unshown.empty() && chkdskAgain.drive == chkdsk.drive &&
             Counting(chkdskAgain.checked) == Counting(chkdsk.checked));
  const ColorLine color = ReadColorLine(text);
  FUZZ_CHECK(color.backgroundIndex != color.textIndex);
  const std::string echo = ReadEchoLine(text).typed, title = ReadTitleLine(text).typed;
  FUZZ_CHECK(ReadEchoLine(EchoCommandText(echo)).typed == echo && ReadTitleLine(TitleCommandText(title)).typed == title);
  FUZZ_CHECK(!plugin::NoticeText(xcopy.unshown).empty() || xcopy.unshown.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  Choices choices(input);
  switch (choices.Next(4)) {
    case 0: CheckXcopy(choices); break;
    case 1: CheckChkdsk(choices); break;
    case 2: CheckColor(choices); break;
    default: CheckEchoAndTitle(choices); break;
  }
  CheckAnyLine(input);
  return 0;
}
