#include "lines/remarks.h"

#include <algorithm>

namespace lines {

Wording Remarks::Notice() const {
  std::vector<const Remark*> ordered;
  for (const Remark& remark : list_) ordered.push_back(&remark);
  std::stable_sort(ordered.begin(), ordered.end(), [](const Remark* a, const Remark* b) { return a->at < b->at; });
  Wording notice;
  for (const Remark* remark : ordered) {
    if (remark->kind != Remark::Kind::Said) continue;
    if (!notice.Empty()) notice.Words("; ");
    notice.Append(remark->text);
  }
  bool firstKept = true;
  for (const Remark* remark : ordered) {
    if (remark->kind != Remark::Kind::Kept) continue;
    if (firstKept) notice.Words(notice.Empty() ? "bleibt: " : "; bleibt: ");
    else notice.Words(", ");
    notice.Append(remark->text);
    firstKept = false;
  }
  return notice.Capitalized();
}

}  // namespace lines
