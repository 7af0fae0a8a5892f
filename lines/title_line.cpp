#include "lines/title_line.h"

#include <algorithm>
#include <iterator>


namespace lines::title {

Reading Read(std::string_view line) {
  const CommandLine split = ReadCommandLine(line, Forms);
  Reading read{{}, ReadFrame(split, true)};
  if (split.ours) read.state.text = split.rest;
  return read;
}

std::string Build(const State& state, const Reading& from) { return from.frame.Around("title " + state.text); }

std::string BlankFreeText(std::string_view text) {
  std::string kept;
  std::copy_if(text.begin(), text.end(), std::back_inserter(kept), [](char c) { return c != ' '; });
  return kept;
}

}  // namespace lines::title
