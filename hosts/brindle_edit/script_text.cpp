#include "hosts/brindle_edit/script_text.h"

namespace brindle_edit {

namespace {
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
}

ScriptEncoding DetectEncoding(std::string_view bytes) {
  return bytes.substr(0, Utf8Mark.size()) == Utf8Mark ? ScriptEncoding::Utf8WithMark : ScriptEncoding::ConsoleOem;
}

std::string_view WithoutMark(std::string_view bytes) {
  return DetectEncoding(bytes) == ScriptEncoding::Utf8WithMark ? bytes.substr(Utf8Mark.size()) : bytes;
}

std::wstring WithCrLf(std::wstring_view text) {
  std::wstring result;
  result.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r') {
      result.append(L"\r\n");
      if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    } else if (text[i] == L'\n') {
      result.append(L"\r\n");
    } else {
      result.push_back(text[i]);
    }
  }
  return result;
}

std::wstring WithFinalLineBreak(std::wstring_view text) {
  std::wstring saved(text);
  if (!saved.empty() && saved.back() != L'\n' && saved.back() != L'\r') saved.append(L"\r\n");
  return saved;
}

}  // namespace brindle_edit
