#ifndef KEST_TESTS_SUPPORT_HOSTILE_INPUTS_H
#define KEST_TESTS_SUPPORT_HOSTILE_INPUTS_H
// The catalogue of hostile inputs: every property, the rectangle and the placement at values that
// no user means but scripts, animation curves and layouts can produce. The robustness tests draw
// every input; the benchmarks time every one.

#include "dial_session.h"

#include <string>
#include <vector>

namespace kestdial {

struct HostileInput {
    std::string name;
    std::vector<Setting> settings;
    std::vector<FBHUDElement::Rect> rects = {kDialRect}; //!< drawn in turn
};

//! Inputs of one kind: numbers, colours, scales, labels, rectangles, placements, all at once.
struct HostileFamily {
    const char* name;
    std::vector<HostileInput> (*inputs)();
};

const std::vector<HostileFamily>& HostileFamilies();

} // namespace kestdial

#endif // KEST_TESTS_SUPPORT_HOSTILE_INPUTS_H
