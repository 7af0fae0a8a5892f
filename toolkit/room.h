// Room for what comes from outside the library (a window's text, a folder's
// listing), asked for before the runtime's containers take it. The library
// is built without exceptions: a container that cannot allocate ends the
// process (runtime/without_exceptions.cpp), and the host with it. Asked
// first, a call that runs out of room ends cleanly instead: the dialog
// sequence looks at OutOfRoom() after each step and each event, closes the
// dialog and hands back empty text.
//
// The room is tried with the allocator the containers use and given back at
// once; what asked for it then takes it before anything else is allocated.
// The library's calls run on one thread; only another thread of the host,
// allocating in that moment, could take the room first.
#pragma once

#include <cstddef>
#include <initializer_list>

namespace toolkit {

// Whether blocks of these sizes can be had at the same time; when not, the
// call is out of room from now on.
bool RoomFor(std::initializer_list<std::size_t> blocks);

// Room for one more element in `items`, reserved as the container would
// grow; false (and out of room) when there is none.
template <class Vector>
bool RoomForOneMore(Vector& items) {
  if (items.size() < items.capacity()) return true;
  const std::size_t grown = items.capacity() < 8 ? 16 : 2 * items.capacity();
  if (grown > items.max_size() || !RoomFor({grown * sizeof(typename Vector::value_type)})) return false;
  items.reserve(grown);
  return true;
}

// Whether the call ran out of room, and its start afresh.
bool OutOfRoom();
void ClearOutOfRoom();

}  // namespace toolkit
