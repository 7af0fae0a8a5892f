// Names of event kinds, event types and the system messages a wait may pass
// through, so that a trace or a failing test reads "gadget 3 pressed"
// rather than "13100 3 0".
#pragma once

#include <string>

namespace support {

// "close", "gadget", "WM_KEYDOWN" ...; the number itself when it has no name.
std::string EventKindName(int kind);
// A gadget event with its gadget and type, any other event by its kind.
std::string DescribeEvent(int kind, int gadget, int type);

}  // namespace support
