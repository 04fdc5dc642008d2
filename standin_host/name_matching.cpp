// Edit distance between names, and the near miss among candidates.

#include "name_matching.h"

#include <algorithm>
#include <numeric>

namespace hudhost {

size_t NameDistance(const std::string& pFirst, const std::string& pSecond)
{
    // ASCII only, so that the user's locale makes no difference.
    const auto lFold = [](char pCharacter) {
        return pCharacter >= 'A' && pCharacter <= 'Z' ? static_cast<char>(pCharacter - 'A' + 'a') : pCharacter;
    };
    // One row of the Wagner-Fischer table: lRow[j] is the distance from the part of pFirst done
    // so far to the first j characters of pSecond.
    std::vector<size_t> lRow(pSecond.size() + 1);
    std::iota(lRow.begin(), lRow.end(), size_t(0));
    for (size_t lI = 1; lI <= pFirst.size(); ++lI) {
        size_t lDiagonal = lRow[0];
        lRow[0] = lI;
        for (size_t lJ = 1; lJ <= pSecond.size(); ++lJ) {
            const size_t lAbove = lRow[lJ];
            const size_t lSubstitution = lDiagonal + (lFold(pFirst[lI - 1]) == lFold(pSecond[lJ - 1]) ? 0 : 1);
            lRow[lJ] = std::min({lAbove + 1, lRow[lJ - 1] + 1, lSubstitution});
            lDiagonal = lAbove;
        }
    }
    return lRow[pSecond.size()];
}

std::optional<std::string> NearMiss(const std::string& pName, const std::vector<std::string>& pCandidates)
{
    if (pName.empty()) return std::nullopt;
    const size_t lLimit = std::min(std::max<size_t>(2, pName.size() / 3), pName.size() - 1);
    std::optional<std::string> lNearest;
    size_t lNearestDistance = lLimit + 1;
    for (const std::string& lCandidate : pCandidates) {
        const size_t lDistance = NameDistance(pName, lCandidate);
        if (lDistance < lNearestDistance) {
            lNearest = lCandidate;
            lNearestDistance = lDistance;
        }
    }
    return lNearest;
}

} // namespace hudhost
