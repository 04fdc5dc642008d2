#ifndef HUDHOST_ELEMENT_RENDERING_H
#define HUDHOST_ELEMENT_RENDERING_H
// hudhost --frames and --out: the element drawn into an offscreen viewer.

#include "hosted_element.h"
#include "offscreen_gl.h"

#include <ostream>

namespace hudhost {

//! Draws the element --frames times (once without it) into pGL, clearing to the background
//! before each draw; with --frames prints the number of draws and the median, minimum and
//! maximum time of one and the renderer, and with --out writes the last frame. False, with the reason in
//! pFailure, when the PNG cannot be written.
bool RenderElement(HostedElement& pHosted, const HostOptions& pOptions, OffscreenGL& pGL, std::ostream& pOut,
                   Failure& pFailure);

} // namespace hudhost

#endif // HUDHOST_ELEMENT_RENDERING_H
