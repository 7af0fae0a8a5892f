// Reads a Windows binary's export and import tables from the file itself.
#pragma once

#include <string>
#include <vector>

namespace support {

struct ExportedName {
  std::string name;
  unsigned ordinal;
};

struct PeTables {
  bool valid = false;
  std::string moduleName;  // of the export directory
  unsigned ordinalBase = 0;
  unsigned functionCount = 0;
  std::vector<ExportedName> exports;  // in the order of the name table
  std::vector<std::string> importedDlls;
  unsigned long entryPoint = 0;  // relative address
};

PeTables ReadPeTables(const std::string& path);
std::string ReadWholeFile(const std::string& path);

}  // namespace support
