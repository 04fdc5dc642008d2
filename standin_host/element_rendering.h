#ifndef HUDHOST_ELEMENT_RENDERING_H
#define HUDHOST_ELEMENT_RENDERING_H
// hudhost --frames and --out: the element drawn into an offscreen viewer.

#include "hosted_element.h"
#include "viewer_contexts.h"

#include <ostream>

namespace hudhost {

//! Draws the element --frames times (once without it) in each of pViewers' contexts, clearing to
//! the background before each frame and remaking the first context every --recreate-context-every
//! frames; with --frames prints the number of frames and the median, minimum and maximum time of
//! one and the renderer, and with --out writes the last context's last frame. False, with the
//! reason in pFailure, when a context cannot be remade, a texture of the host's was changed or
//! deleted, or the PNG cannot be written.
bool RenderElement(HostedElement& pHosted, const HostOptions& pOptions, ViewerContexts& pViewers, std::ostream& pOut,
                   Failure& pFailure);

} // namespace hudhost

#endif // HUDHOST_ELEMENT_RENDERING_H
