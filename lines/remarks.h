// What a dialog opened from a line says about the line, part by part:
// what it writes back as it stood without showing it (kept), and where
// "Hinzufügen" would change the line's meaning or leave a part out
// (changed). Every part of a line either comes back with its meaning or
// has a remark; the notice above the dialog's buttons shows them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "lines/wording.h"

namespace lines {

struct Remark {
  enum class Kind { Said, Kept };  // a sentence about a change; a part written back as it stood
  Kind kind;
  std::size_t at;  // where the part stands in the line
  Wording text;

  bool operator==(const Remark&) const = default;
};

class Remarks {
 public:
  void Say(std::size_t at, Wording text) { list_.push_back({Remark::Kind::Said, at, std::move(text)}); }
  void Keep(std::size_t at, Wording text) { list_.push_back({Remark::Kind::Kept, at, std::move(text)}); }

  bool Empty() const { return list_.empty(); }
  const std::vector<Remark>& List() const { return list_; }

  // The notice: the changes in the order of the line, each a sentence of
  // its own; then "bleibt:" and the kept parts, also in the line's order;
  // its first letter upper case. Empty without remarks.
  Wording Notice() const;

 private:
  std::vector<Remark> list_;
};

}  // namespace lines
