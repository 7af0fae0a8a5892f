// Stands in for the help viewer: appends its command line to the file that
// BRINDLE_HH_LOG names, one line per start, and exits at once.
#include <windows.h>

#include <cstdio>

int main() {
  char log[MAX_PATH];
  if (!GetEnvironmentVariableA("BRINDLE_HH_LOG", log, sizeof log)) return 1;
  FILE* file = std::fopen(log, "ab");
  if (!file) return 1;
  std::fprintf(file, "%s\n", GetCommandLineA());
  std::fclose(file);
  return 0;
}
