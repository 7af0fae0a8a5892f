// What an xcopy or robocopy run with /L lists, read from its output line
// by line as it comes: the files it would copy (source → target), what
// robocopy's /MIR or /PURGE would delete, the command's messages, and the
// sums. They come from the listing itself, never from the command's own
// summary: Wine 8's xcopy lists its files and then sums them up as
// "0 file(s) would be copied". No windows.h.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace brindle_edit {

struct ListedEntry {
  enum class Kind {
    Copy,          // a file the command would copy
    NewFolder,     // a folder robocopy would make
    Delete,        // a file only in the target, which /MIR or /PURGE would delete
    DeleteFolder,  // a folder only in the target, deleted with all that is in it
    Extra,         // a file only in the target, which stays
    ExtraFolder,   // a folder only in the target, which stays
    Message,       // whatever else the command says: an error, a question
  };
  Kind kind = Kind::Message;
  std::wstring source, target;  // a message's text is its source
  std::optional<unsigned long long> size;
  std::wstring label;  // robocopy's word for the file: "New File", "Newer"
  bool replaces = false;  // a copy over a file the target has already
};

class ListingReader {
 public:
  // `targetRoot`: robocopy's target folder, absolute, with its backslash.
  ListingReader(bool robocopy, std::wstring targetRoot, bool deletesExtras);

  // What a line of the output lists; none for a blank line, a repeated
  // message, and the command's own headers and summary.
  std::optional<ListedEntry> Take(std::wstring_view line);
  // A message the command said a third time: it keeps asking a question
  // that nobody answers. Empty until then.
  const std::wstring& Asking() const { return asking_; }

 private:
  std::optional<ListedEntry> TakeXcopy(std::wstring_view line);
  std::optional<ListedEntry> TakeRobocopy(std::wstring_view line);
  std::optional<ListedEntry> Said(std::wstring_view line);
  // Where a file of robocopy's current folder goes in the target.
  std::wstring InTarget(std::wstring_view name) const;

  bool robocopy_, deletesExtras_;
  std::wstring targetRoot_, sourceRoot_, folder_;  // robocopy's first and current source folder
  bool entries_ = false, summary_ = false;
  std::map<std::wstring, int, std::less<>> said_;
  std::wstring asking_;
};

struct ListingTotals {
  unsigned long long copies = 0, copyBytes = 0, replacements = 0, deletions = 0, deletedFolders = 0, deletionBytes = 0,
                     unsized = 0;
  void Add(const ListedEntry& entry);
  // "3 Dateien würden kopiert (1.234 Bytes), 1 davon über eine vorhandene; 1 Datei und 1 Ordner würden gelöscht (42 Bytes)"
  std::wstring Text() const;
};

// An entry as a line of the trial window's listing; `command` names a message's author.
std::wstring ListingLine(const ListedEntry& entry, std::wstring_view command);
// "1.234.567", grouped as German writes numbers
std::wstring Grouped(unsigned long long number);
// "1.234.567 Bytes (1,2 MB)"
std::wstring SizeText(unsigned long long bytes);

}  // namespace brindle_edit
