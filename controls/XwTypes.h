#pragma once
// Enumerations the add-on widgets share.

#include <cstdint>

#include "platform/vcl/Types.h"  // TAlignment

enum TXwLayout { lTop, lCenter, lBottom };
// The framework's shapes.
enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum TXwBevelStyle { bsShape, bsLowered, bsRaised };
enum TXwClipboardCommand { caCopy, caCut, caPaste, caClear, caUndo };

// A set of clipboard commands: bit n for command n.
using TXwClipboardCommands = uint8_t;
constexpr TXwClipboardCommands ClipboardCommandBit(TXwClipboardCommand c) {
  return TXwClipboardCommands(1u << c);
}
constexpr TXwClipboardCommands AllClipboardCommands = 0x1F;
