// German text for the user about a script line: the model's own words and
// parts of the line quoted. The words are this library's, in code page
// 1252; a quoted part is the line's own bytes, in whatever encoding the
// line came (code page 1252 in the library, UTF-8 in the hosts), so that
// each host turns the text into its own characters without loss: the
// library's notice with "„…“" around each quote, the editor's status line
// in wide characters, with long quotes shortened.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lines {

struct Phrase {
  enum class Kind { Words, Quote, LineText };  // the model's own; the line's in quotes; the line's as it is
  Kind kind = Kind::Words;
  std::string text;

  bool operator==(const Phrase&) const = default;
};

class Wording {
 public:
  Wording() = default;
  explicit Wording(std::string_view words) { Words(words); }

  Wording& Words(std::string_view words);
  Wording& Quote(std::string_view linePart);
  Wording& LineText(std::string_view linePart);  // without quotes: "/l:4096 Größe ..."
  Wording& Append(const Wording& more);
  // With its first letter upper case, where it starts with the model's own words.
  Wording Capitalized() const;

  bool Empty() const { return phrases_.empty(); }
  const std::vector<Phrase>& Phrases() const { return phrases_; }

  // The text in one encoding, each quote in „ and “ (code page 1252):
  // where the line is in code page 1252 too, as in the library.
  std::string Text() const;

  bool operator==(const Wording&) const = default;

 private:
  std::vector<Phrase> phrases_;
};

}  // namespace lines
