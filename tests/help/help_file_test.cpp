// The built Hilfe.chm, read back with chmlib: the pages that the dialogs' "?"
// button names, what the viewer opens first, and that no link inside the file
// leads nowhere.
#include <chm_lib.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "hosts/brindle_edit/colour_names.h"

namespace {

// Every object of the file by its path ("/echo.htm"), read whole on demand.
class HelpFile {
 public:
  HelpFile() : file_(chm_open(BRINDLE_HELP_FILE), &chm_close) {
    if (file_) chm_enumerate(file_.get(), CHM_ENUMERATE_ALL, &Collect, &paths_);
  }

  bool Opened() const { return file_ != nullptr; }
  const std::set<std::string>& Paths() const { return paths_; }
  bool Has(const std::string& path) const { return paths_.contains(path); }

  std::string Read(const std::string& path) const {
    chmUnitInfo unit{};
    if (chm_resolve_object(file_.get(), path.c_str(), &unit) != CHM_RESOLVE_SUCCESS) return {};
    std::string bytes(static_cast<std::size_t>(unit.length), '\0');
    const LONGINT64 read = chm_retrieve_object(file_.get(), &unit, reinterpret_cast<unsigned char*>(bytes.data()),
                                               0, static_cast<LONGINT64>(unit.length));
    bytes.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
    return bytes;
  }

 private:
  static int Collect(chmFile*, chmUnitInfo* unit, void* paths) {
    static_cast<std::set<std::string>*>(paths)->insert(unit->path);
    return CHM_ENUMERATOR_CONTINUE;
  }

  std::unique_ptr<chmFile, decltype(&chm_close)> file_;
  std::set<std::string> paths_;
};

const HelpFile& Help() {
  static const HelpFile help;
  return help;
}

std::vector<std::string> Captures(const std::string& text, const std::regex& pattern) {
  std::vector<std::string> found;
  for (std::sregex_iterator match(text.begin(), text.end(), pattern), end; match != end; ++match)
    found.push_back((*match)[1]);
  return found;
}

std::string TitleOf(const std::string& page) {
  const auto titles = Captures(page, std::regex("<title>([^<]*)</title>", std::regex::icase));
  return titles.size() == 1 ? titles.front() : "(" + std::to_string(titles.size()) + " titles)";
}

// A page saved as UTF-8 shows its umlauts as two wrong characters in the ANSI
// viewer: Windows-1252 German text never has Â or Ã before a byte of 0x80 to 0xBF.
bool HasUtf8Umlauts(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]), next = static_cast<unsigned char>(text[i + 1]);
    if ((lead == 0xC2 || lead == 0xC3) && next >= 0x80 && next <= 0xBF) return true;
  }
  return false;
}

// A link's target path inside the file, from the folder of the linking object.
std::string Resolve(const std::string& from, const std::string& link) {
  return (std::filesystem::path(from).parent_path() / link).lexically_normal().generic_string();
}

bool IsHtml(const std::string& path) {
  for (const char* ending : {".htm", ".hhc", ".hhk"})
    if (path.ends_with(ending)) return true;
  return false;
}

TEST(HelpFile, EveryCommandPageAndTheStartPageHaveTheirTitleInWindows1252) {
  ASSERT_TRUE(Help().Opened()) << BRINDLE_HELP_FILE;
  const std::vector<std::pair<std::string, std::string>> titles = {
      {"/chkdsk.htm", "chkdsk – Datenträger prüfen"},
      {"/color.htm", "color – Farben der Konsole"},
      {"/echo.htm", "echo – Text ausgeben"},
      {"/title.htm", "title – Fenstertitel setzen"},
      {"/xcopy.htm", "xcopy – Dateien und Ordner kopieren"},
      {"/index.htm", "Brindlework – Hilfe"},
      {"/brindleedit.htm", "BrindleEdit – der Skript-Editor"},
      {"/brindle.htm", "brindle.exe – die Dialoge von der Eingabeaufforderung"},
      {"/zeilen.htm", "Zeilen bearbeiten"},
  };
  for (const auto& [path, title] : titles) {
    const std::string page = Help().Read(path);
    EXPECT_EQ(TitleOf(page), title) << path;
    EXPECT_NE(page.find("charset=windows-1252"), std::string::npos) << path;
  }
  for (const std::string& path : Help().Paths()) {
    if (!IsHtml(path)) continue;
    EXPECT_FALSE(HasUtf8Umlauts(Help().Read(path))) << path;
  }
}

TEST(HelpFile, OpensOnTheStartPageWithContentsThatListEveryCommand) {
  ASSERT_TRUE(Help().Opened()) << BRINDLE_HELP_FILE;
  // #SYSTEM: a version, then records of a 16-bit code, a 16-bit length and data.
  const std::string system = Help().Read("/#SYSTEM");
  std::map<int, std::string> records;
  for (std::size_t at = 4; at + 4 <= system.size();) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(system[at + i]); };
    const std::size_t length = byte(2) | byte(3) << 8;
    records[byte(0) | byte(1) << 8] = system.substr(at + 4, length);
    at += 4 + length;
  }
  EXPECT_STREQ(records[0].c_str(), "Hilfe.hhc");
  EXPECT_STREQ(records[2].c_str(), "index.htm");
  EXPECT_STREQ(records[3].c_str(), "Brindlework – Hilfe");
  EXPECT_EQ(records[4].substr(0, 4), std::string("\x07\x04\0\0", 4)) << "German, 0x407";

  const std::string contents = Help().Read("/Hilfe.hhc"), start = Help().Read("/index.htm");
  const std::string index = Help().Read("/Hilfe.hhk");
  for (const char* page :
       {"chkdsk.htm", "color.htm", "echo.htm", "title.htm", "xcopy.htm", "brindleedit.htm", "brindle.htm", "zeilen.htm"}) {
    EXPECT_NE(contents.find("\"Local\" value=\"" + std::string(page) + "\""), std::string::npos) << page;
    EXPECT_NE(start.find("href=\"" + std::string(page) + "\""), std::string::npos) << page;
    EXPECT_NE(Help().Read("/" + std::string(page)).find("href=\"zeilen.htm\""), std::string::npos) << page << " links to editing lines";
  }
  EXPECT_NE(index.find("\"Local\" value=\"brindleedit.htm\""), std::string::npos);
  EXPECT_NE(index.find("\"Local\" value=\"brindle.htm\""), std::string::npos);
  EXPECT_EQ(start.find("chcp 1252</code>)"), std::string::npos) << "the start page no longer advises chcp 1252";
}

// The editor's status line names the colours as the help page does.
TEST(HelpFile, TheColourTableNamesTheColoursAsTheEditorDoes) {
  const std::string page = Help().Read("/color.htm");
  for (std::size_t digit = 0; digit < brindle_edit::ColourNames.size(); ++digit) {
    std::string name;  // the names' characters are all below 256: code page 1252 bytes
    for (wchar_t c : brindle_edit::ColourNames[digit]) name.push_back(static_cast<char>(c));
    const std::string row = "<td>" + std::string(1, "0123456789ABCDEF"[digit]) + "</td><td>" + name + "</td>";
    EXPECT_NE(page.find(row), std::string::npos) << row;
  }
}

TEST(HelpFile, EveryLinkInsideNamesAnObjectAndAnchorOfTheFile) {
  ASSERT_TRUE(Help().Opened()) << BRINDLE_HELP_FILE;
  const std::regex linkPattern(R"((?:href|src)\s*=\s*"([^"]*)\")", std::regex::icase);
  const std::regex localPattern(R"(<param\s+name="Local"\s+value="([^"]*)\")", std::regex::icase);
  int links = 0;
  for (const std::string& from : Help().Paths()) {
    if (!IsHtml(from)) continue;
    const std::string text = Help().Read(from);
    std::vector<std::string> found = Captures(text, linkPattern);
    for (std::string& local : Captures(text, localPattern)) found.push_back(std::move(local));
    for (const std::string& link : found) {
      ++links;
      // No links out of the file: the help must work without a network.
      EXPECT_EQ(link.find(':'), std::string::npos) << from << " -> " << link;
      const std::size_t hash = link.find('#');
      const std::string file = link.substr(0, hash);
      const std::string target = file.empty() ? from : Resolve(from, file);
      if (!Help().Has(target)) {
        ADD_FAILURE() << from << " -> " << link << ": no " << target;
        continue;
      }
      if (hash == std::string::npos) continue;
      const std::string anchor = link.substr(hash + 1), page = Help().Read(target);
      EXPECT_TRUE(page.find(" id=\"" + anchor + "\"") != std::string::npos ||
                  page.find(" name=\"" + anchor + "\"") != std::string::npos)
          << from << " -> " << link;
    }
  }
  EXPECT_GT(links, 100) << "links found at all";
}

}  // namespace
