#include "lines/wording.h"

namespace lines {

Wording& Wording::Words(std::string_view words) {
  if (words.empty()) return *this;
  if (!phrases_.empty() && phrases_.back().kind == Phrase::Kind::Words)
    phrases_.back().text.append(words);
  else
    phrases_.push_back({Phrase::Kind::Words, std::string(words)});
  return *this;
}

Wording& Wording::Quote(std::string_view linePart) {
  phrases_.push_back({Phrase::Kind::Quote, std::string(linePart)});
  return *this;
}

Wording& Wording::LineText(std::string_view linePart) {
  if (!linePart.empty()) phrases_.push_back({Phrase::Kind::LineText, std::string(linePart)});
  return *this;
}

Wording& Wording::Append(const Wording& more) {
  for (const Phrase& phrase : more.phrases_) {
    if (phrase.kind == Phrase::Kind::Words) Words(phrase.text);
    else phrases_.push_back(phrase);
  }
  return *this;
}

Wording Wording::Capitalized() const {
  Wording capitalized = *this;
  if (phrases_.empty() || phrases_.front().kind != Phrase::Kind::Words) return capitalized;
  char& first = capitalized.phrases_.front().text.front();
  if (first >= 'a' && first <= 'z') first = static_cast<char>(first - 'a' + 'A');
  return capitalized;
}

std::string Wording::Text() const {
  std::string text;
  for (const Phrase& phrase : phrases_) {
    if (phrase.kind == Phrase::Kind::Quote) text.append("„").append(phrase.text).append("“");
    else text.append(phrase.text);
  }
  return text;
}

}  // namespace lines
