#include "hosts/script_lines.h"

#include <array>

#include "lines/command_line.h"
#include "lines/line_model.h"
#include "lines/wording.h"

namespace hosts {

namespace {

constexpr std::size_t LongestQuote = 60;
constexpr char32_t Replacement = 0xFFFD;

// Code page 1252's characters 0x80 to 0x9F; the others are Latin-1's.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendCodePoint(std::wstring& text, char32_t point) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (point >= 0x10000) {
      point -= 0x10000;
      text.push_back(static_cast<wchar_t>(0xD800 + (point >> 10)));
      text.push_back(static_cast<wchar_t>(0xDC00 + (point & 0x3FF)));
      return;
    }
  }
  text.push_back(static_cast<wchar_t>(point));
}

void AppendUtf8(std::string& text, char32_t point) {
  if (point < 0x80) {
    text.push_back(static_cast<char>(point));
  } else if (point < 0x800) {
    text.push_back(static_cast<char>(0xC0 | (point >> 6)));
    text.push_back(static_cast<char>(0x80 | (point & 0x3F)));
  } else if (point < 0x10000) {
    text.push_back(static_cast<char>(0xE0 | (point >> 12)));
    text.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (point & 0x3F)));
  } else {
    text.push_back(static_cast<char>(0xF0 | (point >> 18)));
    text.push_back(static_cast<char>(0x80 | ((point >> 12) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (point & 0x3F)));
  }
}

std::wstring Shortened(std::wstring text) {
  if (text.size() <= LongestQuote) return text;
  text.resize(LongestQuote - 1);
  if constexpr (sizeof(wchar_t) == 2)
    if (text.back() >= 0xD800 && text.back() < 0xDC00) text.pop_back();  // no half of a pair
  return text + L"…";
}

}  // namespace

std::string Utf8(std::wstring_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t point = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      const bool high = point >= 0xD800 && point < 0xDC00;
      const bool low = i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
      if (high && low) point = 0x10000 + ((point - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
      else if (point >= 0xD800 && point < 0xE000) point = Replacement;
    }
    if (point > 0x10FFFF || (point >= 0xD800 && point < 0xE000)) point = Replacement;
    AppendUtf8(bytes, point);
  }
  return bytes;
}

std::wstring FromUtf8(std::string_view text) {
  std::wstring wide;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    char32_t point = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    bool whole = length > 0 && i + length <= text.size();
    for (std::size_t k = 1; whole && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      whole = (next & 0xC0) == 0x80;
      point = (point << 6) | (next & 0x3F);
    }
    AppendCodePoint(wide, whole && point <= 0x10FFFF ? point : Replacement);
    i += whole ? length : 1;
  }
  return wide;
}

std::wstring FromCodePage1252(std::string_view text) {
  std::wstring wide;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    wide.push_back(static_cast<wchar_t>(byte >= 0x80 && byte < 0xA0 ? Windows1252High[byte - 0x80] : byte));
  }
  return wide;
}

std::wstring Rendered(const lines::Wording& wording) {
  std::wstring text;
  for (const lines::Phrase& phrase : wording.Phrases()) {
    switch (phrase.kind) {
      case lines::Phrase::Kind::Words: text += FromCodePage1252(phrase.text); break;
      case lines::Phrase::Kind::Quote: text += L"„" + Shortened(FromUtf8(phrase.text)) + L"“"; break;
      case lines::Phrase::Kind::LineText: text += FromUtf8(phrase.text); break;
    }
  }
  return text;
}

LineCommand CommandOfLine(std::wstring_view line) {
  const std::string bytes = Utf8(line);
  const lines::Model* model = lines::ModelOf(bytes);
  if (!model) return {};
  // Blanks and "@" are single bytes and single characters alike.
  return {model->forms.word.data(), lines::ReadCommandLine(bytes, model->forms).prefix.size()};
}

std::wstring ExplainLine(std::wstring_view line) { return Rendered(lines::Explain(Utf8(line))); }

std::vector<LineWarning> WarningsFor(std::wstring_view line) {
  std::vector<LineWarning> warnings;
  for (const lines::Warning& warning : lines::WarningsFor(Utf8(line)))
    warnings.push_back({Rendered(warning.label), Rendered(warning.explanation)});
  return warnings;
}

}  // namespace hosts
