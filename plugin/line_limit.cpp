#include "plugin/line_limit.h"

namespace plugin {

std::size_t LengthUpToLimit(const char* line) {
  std::size_t length = 0;
  while (length <= LongestLine && line[length] != '\0') ++length;
  return length;
}

std::string LineTooLongNotice(std::size_t length) {
  return "Zeile zu lang: " + std::to_string(length) + " Zeichen, höchstens " + std::to_string(LongestLine);
}

}  // namespace plugin
