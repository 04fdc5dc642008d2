#ifndef HUDHOST_HOST_GL_STATES_H
#define HUDHOST_HOST_GL_STATES_H
// The OpenGL states that a 3D viewer leaves behind when it draws its HUD, by name: what
// hudhost --host-state draws over, and what the tests and the fuzzer hold an element to. A HUD
// element must draw the same pixels over each of them as over a fresh context, and give each
// back. The states that a host may use to clip or tint a pane (scissor, stencil, colour mask,
// fog) are not among them: an element respects those.

#include <string>
#include <vector>

namespace hudhost {

struct HostGlStateEntry {
    const char* name;
    const char* what; //!< what the viewer left, in a few words
    void (*set)();    //!< sets it in the current compatibility-profile context; null for core-profile
    //! The viewer's context is an OpenGL 3.3 core-profile one: an element draws nothing there.
    bool coreProfile;
};

//! Every entry, in the order --list-host-states prints them.
const std::vector<HostGlStateEntry>& HostGlStates();
//! The entry named pName; null for none.
const HostGlStateEntry* FindHostGlState(const std::string& pName);
//! Sets every state that an entry sets back to OpenGL's initial value (the objects the entries
//! made stay, unbound), so that a context reads as fresh again.
void SetInitialHostGlState();

} // namespace hudhost

#endif // HUDHOST_HOST_GL_STATES_H
