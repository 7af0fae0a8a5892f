// What every benchmark program shares: a clock, the median of repeated
// runs, and the report that is printed and written to a file.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

inline double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / frequency;
}

inline double Median(std::vector<double> runs) {
  if (runs.empty()) return 0;
  std::sort(runs.begin(), runs.end());
  const std::size_t middle = runs.size() / 2;
  return runs.size() % 2 ? runs[middle] : (runs[middle - 1] + runs[middle]) / 2;
}

// A report built line by line, printed and written to `path` (if given) at the end.
class Report {
 public:
  void Line(const char* format, ...) {
    char line[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    text_.append(line).append("\n");
  }
  void Write(const char* path) const {
    std::fputs(text_.c_str(), stdout);
    std::fflush(stdout);
    if (!path) return;
    if (FILE* file = std::fopen(path, "w")) {
      std::fputs(text_.c_str(), file);
      std::fclose(file);
    } else {
      std::fprintf(stderr, "cannot write %s\n", path);
    }
  }

 private:
  std::string text_;
};

}  // namespace bench
