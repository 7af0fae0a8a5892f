#include "toolkit/room.h"

#include <cstdint>
#include <cstdlib>

namespace toolkit {

namespace {
bool outOfRoom = false;  // of the one call that runs
constexpr std::size_t MostBlocks = 4;
}  // namespace

bool RoomFor(std::initializer_list<std::size_t> blocks) {
  void* taken[MostBlocks] = {};
  std::size_t count = 0;
  bool room = blocks.size() <= MostBlocks;
  for (std::size_t i = 0; room && i < blocks.size(); ++i) {
    const std::size_t size = blocks.begin()[i];
    room = size <= PTRDIFF_MAX && (taken[count++] = std::malloc(size ? size : 1)) != nullptr;
  }
  for (std::size_t i = 0; i < count; ++i) std::free(taken[i]);
  if (!room) outOfRoom = true;
  return room;
}

bool OutOfRoom() { return outOfRoom; }
void ClearOutOfRoom() { outOfRoom = false; }

}  // namespace toolkit
