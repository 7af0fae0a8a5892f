// Lines as script authors write them, opened in their command's dialog and
// added at once: every part comes back with its meaning, or a sentence of
// the notice names it. The meaning is this test's own reading of a line, as
// cmd.exe and the commands take it, not the models'. Lines the dialogs make
// come back byte for byte without a notice, and any text read and built
// reads back the same.
#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "lines/chkdsk_line.h"
#include "lines/color_line.h"
#include "lines/echo_line.h"
#include "lines/title_line.h"
#include "lines/xcopy_line.h"
#include "tests/fuzz/fuzz_driver.h"

namespace {

using namespace lines;

// The input's bytes as choices, 0 once they are used up.
struct Choices {
  std::string_view input;
  std::size_t at = 0;
  unsigned Next(unsigned below) { return at < input.size() ? static_cast<unsigned char>(input[at++]) % below : 0; }
  template <std::size_t N>
  const char* Pick(const char* const (&from)[N]) { return from[Next(N)]; }
};

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  return upper;
}

// A line as cmd.exe hands it to the command: "@", the words with quotes and
// carets resolved, the switches (split at "/", upper case) and what follows
// an unquoted < > | &.
struct Meaning {
  bool at = false;
  std::vector<std::string> positionals;
  std::set<std::string> switches;
  std::string tail;
  std::string text;  // echo's and title's: everything after the word and one blank or mark
  char mark = ' ';
};

Meaning MeaningOf(std::string_view line, std::string_view word) {
  line = line.substr(0, line.find_first_of("\r\n"));  // one line of the script
  Meaning m;
  std::size_t i = line.find_first_not_of(" \t");
  if (i != std::string_view::npos && line[i] == '@') m.at = true, i = line.find_first_not_of(" \t", i + 1);
  i = std::min(i, line.size()) + word.size();
  if (Upper(line.substr(i, 4)) == ".EXE") i += 4;
  if (i < line.size() && std::string_view(" \t.:(").find(line[i]) != std::string_view::npos) m.mark = line[i++];
  else if (i < line.size() && word == "echo" && line[i] == '/') m.mark = line[i++];
  m.text = line.substr(std::min(i, line.size()));
  std::string current;
  bool quoted = false, inWord = false;
  auto end = [&] {
    if (!inWord) return;
    if (current.starts_with('/')) {
      for (std::size_t s = 0; s < current.size();) {
        const std::size_t next = std::min(current.find('/', s + 1), current.size());
        m.switches.insert(Upper(current.substr(s, next - s)));
        s = next;
      }
    } else {
      m.positionals.push_back(current);
    }
    current.clear();
    inWord = false;
  };
  for (; i < line.size(); ++i) {
    const char c = line[i];
    if (!quoted && std::string_view("<>|&").find(c) != std::string_view::npos) {
      const bool stream = (c == '<' || c == '>') && current.size() == 1 && current[0] >= '0' && current[0] <= '9';
      m.tail = line.substr(stream ? i - 1 : i);
      if (stream) current.clear(), inWord = false;
      break;
    }
    if (!quoted && (c == ' ' || c == '\t')) end();
    else if (c == '"') quoted = !quoted, inWord = true;
    else if (c == '^' && !quoted && i + 1 < line.size()) current.push_back(line[++i]), inWord = true;
    else current.push_back(c), inWord = true;
  }
  end();
  while (!m.tail.empty() && (m.tail.back() == ' ' || m.tail.back() == '\t')) m.tail.pop_back();
  return m;
}

// What the dialog opened from `line` gives when "Hinzufügen" is pressed at
// once, and its notice. The drive list holds the letters `listed`; the
// trees show every folder but those named "Neu".
std::pair<std::string, std::string> AddedAtOnce(std::string_view word, std::string_view line,
                                                std::string_view listed = "CD") {
  auto result = [](const auto& reading, std::string built) {
    return std::pair{std::move(built), reading.frame.remarks.Notice().Text()};
  };
  if (word == "echo") {
    const auto r = echo::Read(line);
    return result(r, echo::Build(r.state, r));
  }
  if (word == "title") {
    const auto r = title::Read(line);
    return result(r, title::BlankFreeText(r.state.text).empty() ? "" : title::Build(r.state, r));
  }
  if (word == "color") {
    const auto r = color::Read(line);
    return result(r, color::Build(r.state, r));
  }
  if (word == "chkdsk") {
    auto r = chkdsk::Read(line);
    chkdsk::ShowDrive(r, listed);
    return result(r, chkdsk::Build(r.state, r));
  }
  auto r = xcopy::Read(line);
  if (r.state.source.find("\\Neu\\") != std::string::npos) xcopy::KeepSource(r);
  if (r.state.target.find("\\Neu\\") != std::string::npos) xcopy::KeepTarget(r);
  return result(r, xcopy::CanAdd(r.state, r) ? xcopy::Build(r.state, r) : "");
}

// The notice's sentences about changes; the parts after "Bleibt:" are to
// come back as they stood.
std::string Said(const std::string& notice) { return notice.substr(0, std::min(notice.find("leibt: "), notice.size())); }

bool Absolute(const std::string& path) { return path.size() >= 3 && path[1] == ':' && path[2] == '\\'; }

// Two spellings of one argument: a drive's root or folder with or without
// its backslash, a source folder with or without "*.*"; a drive in either case.
std::string Normal(std::string_view word, std::size_t index, const std::string& argument) {
  std::string path = argument;
  if (word == "chkdsk" && index == 0 && (path.size() == 2 || path == Upper(path.substr(0, 2)) + "\\" ||
                                         (path.size() == 3 && path[2] == '\\')) && path[1] == ':')
    return Upper(path.substr(0, 2));
  if (word == "color" && index == 0) return Upper(path.size() == 1 ? "0" + path : path);
  if (word != "xcopy" || index > 1 || !Absolute(path)) return path;
  const std::size_t name = path.find_last_of('\\') + 1;
  if (index == 0 && path.find_first_of("*?", name) != std::string::npos) return path;
  if (path.back() != '\\') path += '\\';
  return index == 0 ? path + "*.*" : path;
}

bool Named(const std::string& said, std::string_view part) { return Upper(said).find(Upper(part)) != std::string::npos; }

void CheckMeaningKept(std::string_view word, const std::string& line) {
  const auto [again, notice] = AddedAtOnce(word, line);
  const std::string said = Said(notice);
  if (again.empty()) return;  // "Hinzufügen" makes no line of it
  const Meaning before = MeaningOf(line, word), after = MeaningOf(again, word);
  FUZZ_CHECK(before.at == after.at || Named(said, "@"));
  if (const std::size_t further = line.find("\r\n"); further != std::string::npos)
    FUZZ_CHECK(Named(said, line.substr(further + 2)));
  if (word == "echo" || word == "title") {
    // echo.TEXT prints TEXT; echo TEXT switches on or off, shows the state or prints.
    auto echo = [](const Meaning& m) {
      const std::string_view text = m.text;
      const std::size_t first = std::min(text.find_first_not_of(" \t"), text.size());
      const std::string trimmed = Upper(text.substr(first, text.find_last_not_of(" \t") + 1 - first));
      if (m.mark != ' ' && m.mark != '\t') return "print:" + std::string(text);
      if (trimmed.empty() || trimmed == "ON" || trimmed == "OFF") return "switch:" + trimmed;
      return (trimmed.starts_with("/?") ? "help:" : "print:") + std::string(text);
    };
    const bool same = word == "echo" ? echo(before) == echo(after) : before.text == after.text;
    FUZZ_CHECK(same || !said.empty());
    return;
  }
  const std::size_t count = std::max(before.positionals.size(), after.positionals.size());
  for (std::size_t i = 0; i < count; ++i) {
    const bool had = i < before.positionals.size(), has = i < after.positionals.size();
    // A missing target means the current folder, like an empty one.
    const std::string was = had ? Normal(word, i, before.positionals[i]) : "", is = has ? Normal(word, i, after.positionals[i]) : "";
    if (was == is) continue;
    FUZZ_CHECK(had ? Named(said, before.positionals[i]) : !said.empty());
  }
  for (const std::string& given : before.switches) FUZZ_CHECK(after.switches.count(given) || Named(said, given));
  for (const std::string& made : after.switches) FUZZ_CHECK(before.switches.count(made));
  FUZZ_CHECK(before.tail == after.tail || Named(said, before.tail));
}

// A line of `word` as script authors write it: its word in any case and
// form, its parts in any order, quoted or not, switches in any case,
// repeated, glued together, with values or unknown, blanks and tabs.
std::string WrittenLine(std::string_view word, Choices& c) {
  static const char* const Blanks[] = {" ", " ", "  ", "\t", " \t "};
  static const char* const Names[] = {"Daten", "Neu", "Eigene Dateien", "Tom & Jerry", "Gr\xFC\xDF" "e", "100%", "a.b"};
  static const char* const Patterns[] = {"", "", "*.*", "*.c", "*.TXT", "a?.doc", "bericht.doc"};
  static const char* const Tails[] = {"", "", "", ">log.txt", " >> log.txt", " 2>nul", " | more", " & echo fertig",
                                      " || exit /b 1"};
  static const char* const XcopySwitches[] = {"/a", "/M", "/d", "/D:12-31-2025", "/EXCLUDE:", "/exclude:liste.txt",
                                              "/P", "/s", "/E", "/v", "/W", "/c", "/I", "/q", "/F", "/L", "/h", "/R",
                                              "/t", "/U", "/K", "/n", "/O", "/x", "/y", "/Z", "/-Y", "/J", "/zz",
                                              "/Z:5", "/?"};
  static const char* const ChkdskSwitches[] = {"/f", "/V", "/r", "/x", "/I", "/c", "/l", "/L:4096", "/b", "/scan",
                                               "/q", "/F:1"};
  static const char* const Volumes[] = {"C:", "d:\\", "q:", "C:\\Daten", "\\\\?\\Volume{1}"};
  static const char* const Colours[] = {"9f", "1", "0", "77", "1G", "0a", "Fc", "123", "/?"};
  static const char* const Texts[] = {"", " ", "Hallo Welt", "  zwei  ", "on", " OFF ", "/?", "a & b > c", "100%",
                                      "^& x", "\"x & y\"", "Gr\xFC\xDF" "e"};
  auto path = [&](bool source) {
    if (c.Next(8) == 0) return std::string(c.Pick({"C:", "Daten\\x", "%QUELLE%", "..\\Ziel", "\\\\server\\share"}));
    std::string folder = {static_cast<char>("CcDd"[c.Next(4)]), ':', '\\'};
    for (unsigned n = c.Next(3); n > 0; --n) folder.append(c.Pick(Names)).append(n > 1 || c.Next(2) ? "\\" : "");
    if (source) folder += c.Pick(Patterns);
    const bool quote = folder.find_first_of(" &") != std::string::npos || c.Next(3) == 0;
    return quote ? "\"" + folder + "\"" : folder;
  };
  std::vector<std::string> parts;
  if (word == "xcopy") {
    for (unsigned n = c.Next(6); n > 0; --n) parts.push_back(c.Pick(XcopySwitches));
    if (c.Next(4)) parts.insert(parts.begin(), path(true));
    if (c.Next(4) && !parts.empty()) parts.insert(parts.begin() + 1, c.Next(6) ? path(false) : "\"\"");
    if (c.Next(8) == 0) parts.push_back("x");
  } else if (word == "chkdsk") {
    for (unsigned n = c.Next(5); n > 0; --n) parts.push_back(c.Pick(ChkdskSwitches));
    if (c.Next(4)) parts.insert(parts.begin() + c.Next(static_cast<unsigned>(parts.size()) + 1), c.Pick(Volumes));
    if (c.Next(8) == 0) parts.push_back("C:");
  } else if (word == "color") {
    if (c.Next(5)) parts.push_back(c.Pick(Colours));
    if (c.Next(8) == 0) parts.push_back("x");
  }
  std::shuffle(parts.begin() + (parts.empty() || parts[0][0] == '/' ? 0 : 1), parts.end(), std::minstd_rand(c.Next(256)));
  for (std::size_t i = 1; i < parts.size(); ++i)  // glued switches: "/s/e"
    if (parts[i][0] == '/' && parts[i - 1][0] == '/' && c.Next(4) == 0) parts[i - 1] += parts[i], parts.erase(parts.begin() + i);
  std::string line(c.Pick({"", "", " ", "@", "  @ ", "\t@"}));
  for (char letter : word) line += static_cast<char>(c.Next(2) ? letter ^ 0x20 : letter);
  if (word == "echo" || word == "title") {
    line += word == "echo" ? c.Pick({" ", " ", ".", ":", "(", "/", "\t", ""}) : c.Pick({" ", "\t", ""});
    return line + c.Pick(Texts);
  }
  if (c.Next(6) == 0 && word != "color") line += ".exe";
  for (const std::string& part : parts) line += (part[0] == '/' && c.Next(6) == 0 && &part == &parts[0] ? "" : c.Pick(Blanks)) + part;
  std::string tail = c.Pick(Tails);
  if (tail.starts_with(" 2>") && !parts.empty() && parts.back().size() == 1) tail.erase(0, 1);
  return line + tail + (c.Next(10) == 0 ? "\r\nrem weiter" : "");
}

// A state each dialog can be in, from the choices.
std::vector<std::pair<std::string, std::string>> MadeLines(Choices& c, const std::string& typed) {
  chkdsk::State disk{c.Next(6) ? std::string{static_cast<char>('C' + c.Next(2)), ':'} : "", {}};
  xcopy::State copy{};
  for (bool& box : disk.checked) box = c.Next(3) == 0;
  for (bool& box : copy.checked) box = c.Next(3) == 0;
  for (std::string* folder : {&copy.source, &copy.target})
    if (c.Next(4)) *folder = std::string{static_cast<char>('C' + c.Next(2)), ':', '\\'} + (c.Next(2) ? typed + "\\" : "");
  if (copy.source.empty() && copy.target.empty()) copy.source = "C:\\";  // "Hinzufügen" needs one
  const int background = 1 + static_cast<int>(c.Next(16)), text = 1 + static_cast<int>(c.Next(16));
  return {{"echo", echo::Build({typed})},
          {"title", title::Build({title::BlankFreeText(typed).empty() ? typed + "x" : typed})},
          {"color", color::Build(background != text ? color::State{background, text} : color::State{})},
          {"chkdsk", chkdsk::Build(disk)},
          {"xcopy", xcopy::Build(copy)}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  Choices c{input};
  // A folder name or a typed text: the input's last bytes, on one line,
  // without what no folder name holds.
  std::string typed(input.substr(size - std::min<std::size_t>(size, 12)));
  std::replace_if(typed.begin(), typed.end(), [](char ch) {
    return std::string_view("\r\n\\/:*?\"<>|", 11).find(ch) != std::string_view::npos || ch == '\0';
  }, 'x');
  if (typed.empty() || typed == "Neu") typed += "1";
  for (const auto& [word, line] : MadeLines(c, typed)) {
    // A dialog whose list had no drive made a line without one.
    const auto [again, notice] = AddedAtOnce(word, line, line.starts_with("chkdsk  ") || line == "chkdsk " ? "" : "CD");
    FUZZ_CHECK(again == line);
    const std::string text = Upper(typed.substr(std::min(typed.find_first_not_of(' '), typed.size())));
    FUZZ_CHECK(notice.empty() || (word == "echo" && (text.starts_with("ON") || text.starts_with("OFF"))));
  }
  for (std::string_view word : {"echo", "title", "color", "chkdsk", "xcopy"}) {
    CheckMeaningKept(word, WrittenLine(word, c));
    const std::string once = AddedAtOnce(word, input).first;
    FUZZ_CHECK(AddedAtOnce(word, once).first == once);
  }
  return 0;
}
