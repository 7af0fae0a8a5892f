// The built Hilfe.chm, read back with chmlib: the pages that the dialogs' "?"
// button names, what the viewer opens first, and that no link inside the file
// leads nowhere.
#include <chm_lib.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <utility>

namespace {

using Objects = std::map<std::string, std::string>;

// Every object of the file by its path ("/echo.htm"), read whole once; none
// when the file cannot be opened.
const Objects& Help() {
  static const Objects objects = [] {
    Objects read;
    if (chmFile* file = chm_open(BRINDLE_HELP_FILE)) {
      chm_enumerate(file, CHM_ENUMERATE_ALL, [](chmFile* file, chmUnitInfo* unit, void* read) {
        std::string bytes(static_cast<std::size_t>(unit->length), '\0');
        const LONGINT64 length = chm_retrieve_object(file, unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                                                     static_cast<LONGINT64>(unit->length));
        bytes.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
        static_cast<Objects*>(read)->emplace(unit->path, std::move(bytes));
        return CHM_ENUMERATOR_CONTINUE;
      }, &read);
      chm_close(file);
    }
    return read;
  }();
  return objects;
}

std::string Read(const std::string& path) {
  const auto found = Help().find(path);
  return found == Help().end() ? std::string() : found->second;
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

// The viewer opens on the start page; every page has its title in
// Windows-1252, and each but the start page is in the contents, linked from
// the start page, and links to editing lines.
TEST(HelpFile, OpensOnTheStartPageAndListsEveryPageWithItsTitle) {
  ASSERT_FALSE(Help().empty()) << BRINDLE_HELP_FILE;
  // #SYSTEM: a version, then records of a 16-bit code, a 16-bit length and data.
  const std::string system = Read("/#SYSTEM");
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

  const std::pair<std::string, std::string> pages[] = {
      {"index.htm", "Brindlework – Hilfe"},
      {"chkdsk.htm", "chkdsk – Datenträger prüfen"},
      {"color.htm", "color – Farben der Konsole"},
      {"echo.htm", "echo – Text ausgeben"},
      {"title.htm", "title – Fenstertitel setzen"},
      {"xcopy.htm", "xcopy – Dateien und Ordner kopieren"},
      {"robocopy.htm", "robocopy – Ordner kopieren und spiegeln"},
      {"brindleedit.htm", "BrindleEdit – der Skript-Editor"},
      {"brindle.htm", "brindle.exe – die Dialoge von der Eingabeaufforderung"},
      {"zeilen.htm", "Zeilen bearbeiten"},
  };
  const std::string contents = Read("/Hilfe.hhc"), start = Read("/index.htm"), index = Read("/Hilfe.hhk");
  for (const auto& [page, title] : pages) {
    const std::string text = Read("/" + page);
    EXPECT_NE(text.find("<title>" + title + "</title>"), std::string::npos) << page;
    EXPECT_NE(text.find("charset=windows-1252"), std::string::npos) << page;
    if (page == "index.htm") continue;
    EXPECT_NE(contents.find("\"Local\" value=\"" + page + "\""), std::string::npos) << page;
    EXPECT_NE(start.find("href=\"" + page + "\""), std::string::npos) << page;
    EXPECT_NE(text.find("href=\"zeilen.htm\""), std::string::npos) << page << " links to editing lines";
  }
  EXPECT_NE(index.find("\"Local\" value=\"brindleedit.htm\""), std::string::npos);
  EXPECT_NE(index.find("\"Local\" value=\"brindle.htm\""), std::string::npos);
  EXPECT_NE(index.find("\"Local\" value=\"robocopy.htm"), std::string::npos);
  EXPECT_EQ(start.find("chcp 1252</code>)"), std::string::npos) << "the start page no longer advises chcp 1252";
}

// The colour table names each console colour by its digit, with the names
// that the editor's status line uses too.
TEST(HelpFile, TheColourTableNamesTheSixteenColours) {
  const std::string page = Read("/color.htm");
  for (const char* row : {"<td>0</td><td>Schwarz</td>", "<td>1</td><td>Dunkelblau</td>",
                          "<td>2</td><td>Dunkelgrün</td>", "<td>3</td><td>Blaugrün</td>",
                          "<td>4</td><td>Dunkelrot</td>", "<td>5</td><td>Violett</td>", "<td>6</td><td>Olivgrün</td>",
                          "<td>7</td><td>Hellgrau</td>", "<td>8</td><td>Dunkelgrau</td>", "<td>9</td><td>Blau</td>",
                          "<td>A</td><td>Hellgrün</td>", "<td>B</td><td>Türkis</td>", "<td>C</td><td>Rot</td>",
                          "<td>D</td><td>Magenta</td>", "<td>E</td><td>Gelb</td>", "<td>F</td><td>Weiß</td>"})
    EXPECT_NE(page.find(row), std::string::npos) << row;
}

// Every page, contents and index in Windows-1252, and each of their links to
// an object and anchor of the file: the help must work without a network.
TEST(HelpFile, EveryPageIsInWindows1252AndEveryLinkLeadsInsideTheFile) {
  ASSERT_FALSE(Help().empty()) << BRINDLE_HELP_FILE;
  const std::regex linkPattern(R"re((?:href|src)\s*=\s*"([^"]*)"|<param\s+name="Local"\s+value="([^"]*)")re",
                               std::regex::icase);
  int links = 0;
  for (const auto& [from, text] : Help()) {
    if (!from.ends_with(".htm") && !from.ends_with(".hhc") && !from.ends_with(".hhk")) continue;
    EXPECT_FALSE(HasUtf8Umlauts(text)) << from;
    for (std::sregex_iterator match(text.begin(), text.end(), linkPattern), end; match != end; ++match, ++links) {
      const std::string link = (*match)[(*match)[1].matched ? 1 : 2];
      EXPECT_EQ(link.find(':'), std::string::npos) << from << " -> " << link;
      const std::size_t hash = link.find('#');
      const std::string file = link.substr(0, hash);
      const std::string target =
          file.empty() ? from : (std::filesystem::path(from).parent_path() / file).lexically_normal().generic_string();
      if (!Help().contains(target)) {
        ADD_FAILURE() << from << " -> " << link << ": no " << target;
        continue;
      }
      if (hash == std::string::npos) continue;
      const std::string anchor = link.substr(hash + 1), page = Read(target);
      EXPECT_TRUE(page.find(" id=\"" + anchor + "\"") != std::string::npos ||
                  page.find(" name=\"" + anchor + "\"") != std::string::npos)
          << from << " -> " << link;
    }
  }
  EXPECT_GT(links, 100) << "links found at all";
}

}  // namespace
