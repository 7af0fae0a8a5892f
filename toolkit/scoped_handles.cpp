#include "toolkit/scoped_handles.h"

namespace toolkit {

namespace {
int liveScopedHandles = 0;  // the toolkit runs on one thread at a time
}

int LiveScopedHandles() { return liveScopedHandles; }
void CountScopedHandle(int delta) { liveScopedHandles += delta; }

}  // namespace toolkit
