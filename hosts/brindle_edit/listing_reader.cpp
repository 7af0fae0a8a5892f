#include "hosts/brindle_edit/listing_reader.h"

#include <cwctype>
#include <vector>

namespace brindle_edit {

namespace {

constexpr std::wstring_view Arrow = L" -> ";  // xcopy /F: "C:\Daten\a.txt -> D:\Ziel\a.txt"

std::wstring_view Trimmed(std::wstring_view text) {
  const std::size_t first = text.find_first_not_of(L" \t\r");
  if (first == std::wstring_view::npos) return {};
  return text.substr(first, text.find_last_not_of(L" \t\r") + 1 - first);
}

bool StartsIgnoringCase(std::wstring_view text, std::wstring_view start) {
  if (text.size() < start.size()) return false;
  for (std::size_t i = 0; i < start.size(); ++i)
    if (std::towupper(text[i]) != std::towupper(start[i])) return false;
  return true;
}

bool IsAbsolute(std::wstring_view path) {
  return (path.size() > 2 && path[1] == L':' && path[2] == L'\\') || path.starts_with(L"\\\\");
}

// robocopy's sizes: "1234", or without /BYTES "1.5 m", "12 k", "3.1 g".
std::optional<unsigned long long> RobocopySize(std::wstring_view field) {
  field = Trimmed(field);
  double value = 0, fraction = 0;
  bool digits = false;
  std::size_t i = 0;
  for (; i < field.size() && ((field[i] >= L'0' && field[i] <= L'9') || field[i] == L'.' || field[i] == L','); ++i) {
    if (field[i] == L'.' || field[i] == L',') {
      fraction = 1;
    } else if (fraction > 0) {
      value += (fraction /= 10) * (field[i] - L'0');
    } else {
      value = value * 10 + (field[i] - L'0');
      digits = true;
    }
  }
  if (!digits) return std::nullopt;
  const std::wstring_view unit = Trimmed(field.substr(i));
  constexpr std::wstring_view Units = L"kmgt";
  const std::size_t power = unit.size() == 1 ? Units.find(static_cast<wchar_t>(std::towlower(unit[0]))) : std::wstring_view::npos;
  if (!unit.empty() && power == std::wstring_view::npos) return std::nullopt;
  for (std::size_t k = 0; !unit.empty() && k <= power; ++k) value *= 1024;
  return static_cast<unsigned long long>(value + 0.5);
}

std::vector<std::wstring_view> Fields(std::wstring_view line) {
  std::vector<std::wstring_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find(L'\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::wstring_view::npos) return fields;
    start = tab + 1;
  }
}

std::wstring Counted(unsigned long long count, std::wstring_view one, std::wstring_view many) {
  return Grouped(count) + L" " + std::wstring(count == 1 ? one : many);
}

}  // namespace

ListingReader::ListingReader(bool robocopy, std::wstring targetRoot, bool deletesExtras)
    : robocopy_(robocopy), deletesExtras_(deletesExtras), targetRoot_(std::move(targetRoot)) {}

std::optional<ListedEntry> ListingReader::Take(std::wstring_view line) {
  if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
  if (Trimmed(line).empty()) return std::nullopt;
  return robocopy_ ? TakeRobocopy(line) : TakeXcopy(line);
}

std::optional<ListedEntry> ListingReader::Said(std::wstring_view line) {
  const std::wstring text(Trimmed(line));
  if (++said_[text] == 3 && asking_.empty()) asking_ = text;
  if (said_[text] > 1) return std::nullopt;
  return ListedEntry{ListedEntry::Kind::Message, text, {}, {}, {}};
}

std::optional<ListedEntry> ListingReader::TakeXcopy(std::wstring_view line) {
  const std::size_t arrow = line.find(Arrow);
  if (arrow != std::wstring_view::npos && IsAbsolute(line.substr(arrow + Arrow.size())))
    return ListedEntry{ListedEntry::Kind::Copy, std::wstring(line.substr(0, arrow)),
                       std::wstring(line.substr(arrow + Arrow.size())), {}, {}};
  // The sum: "0 file(s) would be copied", "3 Datei(en)".
  const std::wstring_view trimmed = Trimmed(line);
  const std::size_t number = trimmed.find_first_not_of(L"0123456789");
  if (number > 0 && number != std::wstring_view::npos && trimmed[number] == L' ' &&
      trimmed.find_first_of(L"\\:") == std::wstring_view::npos)
    return std::nullopt;
  return Said(line);
}

std::wstring ListingReader::InTarget(std::wstring_view name) const {
  std::wstring_view folder = folder_;
  if (StartsIgnoringCase(folder, sourceRoot_)) folder.remove_prefix(sourceRoot_.size());
  return targetRoot_ + std::wstring(folder) + std::wstring(name);
}

// robocopy's listing, a line each, led by a tab:
//   "\t                   3\tC:\Daten\"          a folder of the source (files in it follow)
//   "\t  New Dir          2\tC:\Daten\Neu\"      a folder it would make
//   "\t*EXTRA Dir        -1\tD:\Ziel\Alt\"       a folder only in the target
//   "\t    New File  \t\t      12\ta.txt"        a file, by its size and name
//   "\t  *EXTRA File \t\t      42\talt.txt"      a file only in the target
// Its header and summary lines are led by blanks ("   Source : C:\Daten\")
// or lines of dashes; its titles and help hold "::".
std::optional<ListedEntry> ListingReader::TakeRobocopy(std::wstring_view line) {
  using Kind = ListedEntry::Kind;
  const std::wstring_view trimmed = Trimmed(line);
  if (trimmed.find_first_not_of(L'-') == std::wstring_view::npos) {
    summary_ = entries_;
    return std::nullopt;
  }
  if (!line.starts_with(L'\t')) {
    const std::size_t colon = line.find(L" : ");
    const bool header = line.starts_with(L' ') && colon != std::wstring_view::npos && colon < 24;
    if (summary_ || header || line.find(L"::") != std::wstring_view::npos) return std::nullopt;
    return Said(line);
  }
  const std::vector<std::wstring_view> fields = Fields(line);
  if (fields.size() < 3) return std::nullopt;  // the header's further file patterns
  entries_ = true;
  ListedEntry entry;
  if (fields.size() >= 4 && Trimmed(fields[2]).empty()) {
    entry.label = Trimmed(fields[1]);
    entry.size = RobocopySize(fields[3]);
    const std::wstring_view name = fields.back();
    const bool extra = entry.label.starts_with(L"*EXTRA");
    if (entry.label.starts_with(L'*') && !extra) return Said(line);
    if (IsAbsolute(name)) {  // /FP: full paths
      folder_ = name.substr(0, name.find_last_of(L'\\') + 1);
      if (sourceRoot_.empty()) sourceRoot_ = folder_;
    }
    const std::wstring_view file = name.substr(IsAbsolute(name) ? name.find_last_of(L'\\') + 1 : 0);
    entry.kind = !extra ? Kind::Copy : deletesExtras_ ? Kind::Delete : Kind::Extra;
    // "Newer", "Older", "Changed", "Tweaked": the target has the file already.
    entry.replaces = !extra && !StartsIgnoringCase(entry.label, L"New File");
    entry.target = InTarget(file);
    if (!extra) entry.source = folder_ + std::wstring(file);
  } else {
    const std::wstring_view classAndCount = Trimmed(fields[1]);
    entry.label = Trimmed(classAndCount.substr(0, classAndCount.find_last_of(L' ') + 1));
    const std::wstring path(Trimmed(fields[2]));
    if (entry.label.starts_with(L"*EXTRA")) {
      entry.kind = deletesExtras_ ? Kind::DeleteFolder : Kind::ExtraFolder;
      entry.target = path;
    } else {
      folder_ = path;
      if (sourceRoot_.empty()) sourceRoot_ = path;
      if (entry.label.empty()) return std::nullopt;  // a source folder its files follow
      entry.kind = Kind::NewFolder;
      entry.source = path;
      entry.target = InTarget(L"");
    }
  }
  return entry;
}

std::wstring Grouped(unsigned long long number) {
  std::wstring digits = std::to_wstring(number);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, 1, L'.');
  return digits;
}

void ListingTotals::Add(const ListedEntry& entry) {
  using Kind = ListedEntry::Kind;
  if (entry.kind == Kind::Copy) {
    ++copies;
    if (entry.replaces) ++replacements;
    copyBytes += entry.size.value_or(0);
  } else if (entry.kind == Kind::Delete) {
    ++deletions;
    deletionBytes += entry.size.value_or(0);
  } else if (entry.kind == Kind::DeleteFolder) {
    ++deletedFolders;
  } else {
    return;
  }
  if (!entry.size && entry.kind != Kind::DeleteFolder) ++unsized;
}

std::wstring ListingTotals::Text() const {
  std::wstring text = Counted(copies, L"Datei würde kopiert", L"Dateien würden kopiert") + L" (" + SizeText(copyBytes) + L")";
  if (replacements)
    text += L", " + Grouped(replacements) + (replacements == 1 ? L" davon über eine vorhandene" : L" davon über vorhandene");
  if (deletions || deletedFolders) {
    text += L"; " + Counted(deletions, L"Datei", L"Dateien");
    if (deletedFolders) text += L" und " + Counted(deletedFolders, L"Ordner", L"Ordner") + L" mit allem darin";
    text += (deletions + deletedFolders == 1 ? L" würde gelöscht (" : L" würden gelöscht (") + SizeText(deletionBytes) + L")";
  }
  if (unsized) text += L"; " + Counted(unsized, L"Datei", L"Dateien") + L" ohne bekannte Größe";
  return text;
}

std::wstring SizeText(unsigned long long bytes) {
  std::wstring text = Grouped(bytes) + (bytes == 1 ? L" Byte" : L" Bytes");
  constexpr std::wstring_view Units[] = {L"KB", L"MB", L"GB", L"TB"};
  double value = static_cast<double>(bytes);
  std::size_t unit = 0;
  for (value /= 1024; value >= 1024 && unit + 1 < std::size(Units); value /= 1024) ++unit;
  if (bytes < 1024 * 1024) return text;
  const auto tenths = static_cast<unsigned long long>(value * 10 + 0.5);
  return text + L" (" + Grouped(tenths / 10) + L"," + std::to_wstring(tenths % 10) + L" " + std::wstring(Units[unit]) + L")";
}

std::wstring ListingLine(const ListedEntry& entry, std::wstring_view command) {
  using Kind = ListedEntry::Kind;
  if (entry.kind == Kind::Message) return std::wstring(command) + L": " + entry.source;
  std::wstring size = entry.kind == Kind::NewFolder || entry.kind == Kind::DeleteFolder || entry.kind == Kind::ExtraFolder
                         ? L"Ordner"
                      : entry.size ? Grouped(*entry.size) + L" B"
                                   : L"?";
  if (size.size() < 17) size.insert(0, 17 - size.size(), L' ');
  switch (entry.kind) {
    case Kind::Copy:
      return size + (entry.replaces ? L"  ERSETZT " : L"  ") + entry.source + L"  →  " + entry.target;
    case Kind::NewFolder: return size + L"  neu: " + entry.target;
    case Kind::Delete: return size + L"  WIRD GELÖSCHT: " + entry.target;
    case Kind::DeleteFolder: return size + L"  WIRD GELÖSCHT, mit allem darin: " + entry.target;
    default: return size + L"  nur im Ziel, bleibt: " + entry.target;
  }
}

}  // namespace brindle_edit
