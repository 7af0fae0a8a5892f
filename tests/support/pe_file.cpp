#include "tests/support/pe_file.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>

namespace support {

namespace {

class Image {
 public:
  explicit Image(const std::string& bytes) : bytes_(bytes.begin(), bytes.end()) {}

  // Copies a structure out of the file; false past its end. Copying avoids
  // reading misaligned structures in place.
  template <class T>
  bool Read(std::size_t offset, T& value) const {
    if (offset > bytes_.size() || bytes_.size() - offset < sizeof(T)) return false;
    std::memcpy(&value, bytes_.data() + offset, sizeof(T));
    return true;
  }

  // Maps a relative virtual address to a file offset through the section table.
  std::size_t Offset(DWORD rva) const {
    for (const IMAGE_SECTION_HEADER& s : sections_)
      if (rva >= s.VirtualAddress && rva < s.VirtualAddress + std::max(s.Misc.VirtualSize, s.SizeOfRawData))
        return rva - s.VirtualAddress + s.PointerToRawData;
    return bytes_.size();
  }

  std::string StringAt(DWORD rva) const {
    std::string text;
    for (std::size_t i = Offset(rva); i < bytes_.size() && bytes_[i] != 0; ++i)
      text += static_cast<char>(bytes_[i]);
    return text;
  }

  void AddSection(const IMAGE_SECTION_HEADER& s) { sections_.push_back(s); }

 private:
  std::vector<unsigned char> bytes_;
  std::vector<IMAGE_SECTION_HEADER> sections_;
};

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

PeTables ReadPeTables(const std::string& path) {
  PeTables tables;
  Image image(ReadWholeFile(path));
  IMAGE_DOS_HEADER dos;
  IMAGE_NT_HEADERS32 nt;
  if (!image.Read(0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE) return tables;
  if (!image.Read(dos.e_lfanew, nt) || nt.Signature != IMAGE_NT_SIGNATURE ||
      nt.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR32_MAGIC)
    return tables;
  const std::size_t sectionTable = dos.e_lfanew + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
                                   nt.FileHeader.SizeOfOptionalHeader;
  for (unsigned i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
    IMAGE_SECTION_HEADER section;
    if (image.Read(sectionTable + i * sizeof section, section)) image.AddSection(section);
  }
  tables.entryPoint = nt.OptionalHeader.AddressOfEntryPoint;

  const IMAGE_DATA_DIRECTORY& exportEntry = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (exportEntry.VirtualAddress) {
    IMAGE_EXPORT_DIRECTORY exports;
    if (!image.Read(image.Offset(exportEntry.VirtualAddress), exports)) return tables;
    tables.moduleName = image.StringAt(exports.Name);
    tables.ordinalBase = exports.Base;
    tables.functionCount = exports.NumberOfFunctions;
    for (DWORD i = 0; i < exports.NumberOfNames; ++i) {
      DWORD nameRva;
      WORD index;
      if (!image.Read(image.Offset(exports.AddressOfNames) + i * 4, nameRva) ||
          !image.Read(image.Offset(exports.AddressOfNameOrdinals) + i * 2, index))
        return tables;
      tables.exports.push_back({image.StringAt(nameRva), exports.Base + index});
    }
  }

  const IMAGE_DATA_DIRECTORY& importEntry = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  IMAGE_IMPORT_DESCRIPTOR descriptor;
  for (std::size_t offset = image.Offset(importEntry.VirtualAddress);
       image.Read(offset, descriptor) && descriptor.Name != 0; offset += sizeof descriptor)
    tables.importedDlls.push_back(image.StringAt(descriptor.Name));
  tables.valid = true;
  return tables;
}

}  // namespace support
