// What a fuzz target offers the driver, in the form libFuzzer also takes:
// one call a generated input. A broken rule is reported with FuzzCheck,
// which prints the input that broke it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// Stops the run with the rule's text and the current input, in hex.
[[noreturn]] void Fail(const char* rule, const char* file, int line);

// The input split into text parts at each zero byte (at most `count`; the
// last part takes the rest).
std::string_view Part(std::string_view input, std::size_t index);

}  // namespace fuzz

#define FUZZ_CHECK(rule) ((rule) ? static_cast<void>(0) : ::fuzz::Fail(#rule, __FILE__, __LINE__))
