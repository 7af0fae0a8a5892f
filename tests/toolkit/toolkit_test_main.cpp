// The toolkit tests link the toolkit itself and start it as the library's
// start-up does, with two private heaps of their own.
#include <gtest/gtest.h>

#include "toolkit/dialog.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  HANDLE recordHeap = HeapCreate(0, 4096, 0);
  HANDLE dynamicObjectHeap = HeapCreate(0, 1024, 0);
  toolkit::StartDialogToolkit(GetModuleHandleA(nullptr), recordHeap, dynamicObjectHeap);
  const int result = RUN_ALL_TESTS();
  toolkit::StopDialogToolkit();
  HeapDestroy(dynamicObjectHeap);
  HeapDestroy(recordHeap);
  return result;
}
