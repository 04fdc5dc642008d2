#ifndef HUDHOST_NAME_MATCHING_H
#define HUDHOST_NAME_MATCHING_H
// How hudhost matches the names that users type, of options and of properties: case folded,
// and a near miss answered with the name meant.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace hudhost {

//! Edit distance (insertions, deletions and substitutions of one character) between the names
//! with ASCII letters case-folded; 0 for names that differ only in case.
size_t NameDistance(const std::string& pFirst, const std::string& pSecond);

//! The candidate that pName is most likely a misspelling of: the nearest by NameDistance, the
//! first of equally near ones, when it is at most max(2, a third of pName's length) edits away
//! and fewer than pName has characters; null when none is that near.
std::optional<std::string> NearMiss(const std::string& pName, const std::vector<std::string>& pCandidates);

} // namespace hudhost

#endif // HUDHOST_NAME_MATCHING_H
