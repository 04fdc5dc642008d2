#ifndef KEST_TESTS_SUPPORT_RECORDED_DRAW_H
#define KEST_TESTS_SUPPORT_RECORDED_DRAW_H
// One draw of a dial with every GL call recorded, FTGL's included. Only an executable that
// records (kest_gl_recording) links this.

#include "dial.h"
#include "gl_recorder.h"

#include <array>
#include <optional>

namespace kestdial {

//! Draws pDial into pRect under the recorder. With pViewport, GL_VIEWPORT queries answer it
//! during the draw (as they must where no context is current).
Recording RecordDraw(Dial& pDial, FBHUDElement::Rect pRect = kDialRect,
                     std::optional<std::array<int, 4>> pViewport = std::nullopt);

} // namespace kestdial

#endif // KEST_TESTS_SUPPORT_RECORDED_DRAW_H
