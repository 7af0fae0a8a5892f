#include "hosts/brindle_edit/recovery_format.h"

#include <cstring>

namespace brindle_edit {

namespace {

// The mark and version, then the encoding (4 bytes), the file name's and
// the text's length in UTF-16 units (4 and 8 bytes), little-endian; then
// the file name and the text, two bytes a unit.
constexpr std::string_view Mark("BrindleEdit 1\r\n\0", 16);
constexpr std::size_t HeadSize = Mark.size() + 4 + 4 + 8;
constexpr std::wstring_view Suffix = L".kopie";

void AppendNumber(std::string& bytes, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint64_t NumberAt(std::string_view bytes, std::size_t at, int size) {
  std::uint64_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

void AppendUnits(std::string& bytes, std::wstring_view text) {
  if constexpr (sizeof(wchar_t) == 2) {  // Windows: the text's own bytes
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * 2);
  } else {
    for (wchar_t unit : text) AppendNumber(bytes, static_cast<std::uint16_t>(unit), 2);
  }
}

std::wstring UnitsAt(std::string_view bytes, std::size_t at, std::size_t count) {
  std::wstring text(count, L'\0');
  if constexpr (sizeof(wchar_t) == 2) {
    std::memcpy(text.data(), bytes.data() + at, count * 2);
  } else {
    for (std::size_t i = 0; i < count; ++i) text[i] = static_cast<wchar_t>(NumberAt(bytes, at + 2 * i, 2));
  }
  return text;
}

}  // namespace

std::string EncodeRecovery(const RecoveryContent& content) {
  std::string bytes;
  bytes.reserve(HeadSize + 2 * (content.path.size() + content.text.size()));
  bytes.append(Mark);
  AppendNumber(bytes, content.encoding == ScriptEncoding::Utf8WithMark ? 1 : 0, 4);
  AppendNumber(bytes, content.path.size(), 4);
  AppendNumber(bytes, content.text.size(), 8);
  AppendUnits(bytes, content.path);
  AppendUnits(bytes, content.text);
  return bytes;
}

std::optional<RecoveryContent> DecodeRecovery(std::string_view bytes) {
  if (bytes.size() < HeadSize || bytes.substr(0, Mark.size()) != Mark) return std::nullopt;
  const std::uint64_t encoding = NumberAt(bytes, Mark.size(), 4);
  const std::uint64_t pathUnits = NumberAt(bytes, Mark.size() + 4, 4);
  const std::uint64_t textUnits = NumberAt(bytes, Mark.size() + 8, 8);
  const std::uint64_t room = (bytes.size() - HeadSize) / 2;
  if (encoding > 1 || pathUnits > room || textUnits != room - pathUnits || (bytes.size() - HeadSize) % 2 != 0)
    return std::nullopt;
  RecoveryContent content;
  content.encoding = encoding == 1 ? ScriptEncoding::Utf8WithMark : ScriptEncoding::ConsoleOem;
  content.path = UnitsAt(bytes, HeadSize, static_cast<std::size_t>(pathUnits));
  content.text = UnitsAt(bytes, HeadSize + 2 * pathUnits, static_cast<std::size_t>(textUnits));
  return content;
}

std::wstring RecoveryFileName(const RecoveryOwner& owner) {
  constexpr wchar_t Digits[] = L"0123456789abcdef";
  std::wstring time(16, L'0');
  for (int i = 0; i < 16; ++i) time[15 - i] = Digits[(owner.startTime >> (4 * i)) & 0xF];
  return std::to_wstring(owner.processId) + L"-" + time + std::wstring(Suffix);
}

std::optional<RecoveryOwner> OwnerOfRecoveryFile(std::wstring_view fileName) {
  const std::size_t dash = fileName.find(L'-');
  if (dash == 0 || dash > 10 || fileName.size() != dash + 1 + 16 + Suffix.size() || !fileName.ends_with(Suffix))
    return std::nullopt;
  RecoveryOwner owner;
  std::uint64_t id = 0;
  for (wchar_t c : fileName.substr(0, dash)) {
    if (c < L'0' || c > L'9') return std::nullopt;
    id = id * 10 + static_cast<std::uint64_t>(c - L'0');
  }
  if (id > UINT32_MAX) return std::nullopt;
  owner.processId = static_cast<std::uint32_t>(id);
  for (wchar_t c : fileName.substr(dash + 1, 16)) {
    const int digit = c >= L'0' && c <= L'9' ? c - L'0' : c >= L'a' && c <= L'f' ? c - L'a' + 10 : -1;
    if (digit < 0) return std::nullopt;
    owner.startTime = owner.startTime << 4 | static_cast<std::uint64_t>(digit);
  }
  return owner;
}

}  // namespace brindle_edit
