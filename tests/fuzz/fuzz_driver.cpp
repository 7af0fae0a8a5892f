// Runs one fuzz target for a bounded time on generated inputs: random
// joins of the tokens that the routines look for (drive letters, back-
// slashes, quotes, switches, line breaks, bytes above 0x7F) and random
// bytes, each input also cut and mutated.
//   usage: fuzz_<target> [--seconds N] [--seed S]
#include "tests/fuzz/fuzz_driver.h"

#if BRINDLE_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

const std::string* currentInput = nullptr;

void PrintCurrentInput() {
  if (!currentInput) return;
  std::fprintf(stderr, "input (%zu bytes):", currentInput->size());
  for (unsigned char c : *currentInput) std::fprintf(stderr, " %02x", c);
  std::fprintf(stderr, "\n");
}

const char* const Tokens[] = {
    "C:", "c:", "Z:", "\\", "\\\\", "\\\\server\\share\\", "*.*", "*.txt", ";", ";;", "\"", "\"\"", " ", "  ",
    "\t", "/", "/f", "/L", "/l:4096", "/EXCLUDE:", "/-Y", "/D:01-31-2026", "-n", "--oem", "--list", "--edit", "--", "-h",
    "echo", "ECHO.", "@", "title", "color", "9F", "chkdsk", "xcopy", "Daten", "..", ".", "\r\n", "\n", "\r",
    "&", "|", "<", ">", "^", "%", "\xEF\xBB\xBF", "\xFC", "\xE4\xF6", "\x81", "\xFF", "Hilfe.chm::/",
    std::string_view("\0", 1).data(),
};

std::string Generate(std::mt19937_64& random) {
  std::string input;
  const int pieces = static_cast<int>(random() % 24);
  for (int i = 0; i < pieces; ++i) {
    if (random() % 4 == 0) {
      input.push_back(static_cast<char>(random() % 256));
    } else {
      const std::size_t token = random() % std::size(Tokens);
      // The zero byte token is one byte long; the others are texts.
      input.append(Tokens[token], token + 1 == std::size(Tokens) ? 1 : std::strlen(Tokens[token]));
    }
  }
  if (random() % 8 == 0) input.append(static_cast<std::size_t>(random() % 2000), static_cast<char>('a' + random() % 26));
  if (!input.empty() && random() % 3 == 0) input[random() % input.size()] = static_cast<char>(random() % 256);
  if (!input.empty() && random() % 5 == 0) input.resize(random() % input.size());
  return input;
}

}  // namespace

namespace fuzz {

void Fail(const char* rule, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: rule broken: %s\n", file, line, rule);
  PrintCurrentInput();
  std::abort();
}

std::string_view Part(std::string_view input, std::size_t index) {
  for (std::size_t i = 0; i < index; ++i) {
    const std::size_t zero = input.find('\0');
    if (zero == std::string_view::npos) return {};
    input.remove_prefix(zero + 1);
  }
  return input.substr(0, input.find('\0'));
}

}  // namespace fuzz

int main(int argc, char** argv) {
  double seconds = 5;
  std::uint64_t seed = std::random_device{}();
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--seconds") == 0) seconds = std::atof(argv[i + 1]);
    if (std::strcmp(argv[i], "--seed") == 0) seed = std::strtoull(argv[i + 1], nullptr, 10);
  }
#if BRINDLE_SANITIZED
  // A sanitizer's report ends the process: the input that caused it comes after.
  __sanitizer_set_death_callback(PrintCurrentInput);
#endif
  std::mt19937_64 random(seed);
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  unsigned long long runs = 0;
  std::string input;
  currentInput = &input;
  do {
    for (int batch = 0; batch < 256; ++batch, ++runs) {
      input = Generate(random);
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    }
  } while (std::chrono::steady_clock::now() < end);
  std::printf("%s: %llu inputs in %.0f s, seed %llu, no rule broken\n", argv[0], runs, seconds,
              static_cast<unsigned long long>(seed));
  return 0;
}
