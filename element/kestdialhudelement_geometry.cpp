// The dial's geometry: layout, circle points, scale and marks, in plain arithmetic.

#include "kestdialhudelement_geometry.h"

#include <cmath>
#include <limits>

namespace {

const double kPi = 3.141592653589793;
const double kTwoPi = 6.283185307179586;

//! Deliberate: marks are drawn up to 0.1 radians past the scale's end, so that the last major
//! mark stays when its summed angle lands just past it, as users' scenes and renders show it.
const double kMarkSlack = 0.1;

//! The centre's coordinate along one axis, from the rectangle's coordinate there.
double CenterAlong(double pPosition, double pRadius, KestDialAnchor pAnchor)
{
    switch (pAnchor) {
    case kKestAnchorLowEdge: return pPosition + pRadius;
    case kKestAnchorHighEdge: return pPosition - pRadius;
    default: return pPosition;
    }
}

} // namespace

int KestTruncatedInt(double pValue)
{
    if (std::isnan(pValue)) return 0;
    if (pValue <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    if (pValue >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    return static_cast<int>(pValue);
}

KestDialCircle KestDialCircleIn(double pX, double pY, double pWidth, KestDialAnchor pHorizontal,
                                KestDialAnchor pVertical)
{
    const double lRadius = 0.5 * pWidth;
    const KestDialCircle lCircle = {CenterAlong(pX, lRadius, pHorizontal), CenterAlong(pY, lRadius, pVertical),
                                    lRadius};
    return lCircle;
}

const KestTenthRadianRun& KestTenthRadianAngles()
{
    static const KestTenthRadianRun sAngles(0.1f);
    return sAngles;
}

const KestHundredthRadianRun& KestHundredthRadianAngles()
{
    static const KestHundredthRadianRun sAngles(0.01f);
    return sAngles;
}

KestDialScale KestDialScaleOf(double pSpread, int pTicks, double pMinimum, double pMaximum)
{
    KestDialScale lScale;
    lScale.mStartAngle = static_cast<float>(kPi * (1.0 - pSpread));
    lScale.mEndAngle = static_cast<float>(kTwoPi - static_cast<double>(lScale.mStartAngle));
    lScale.mMajorStep = static_cast<float>(kTwoPi * pSpread) / static_cast<float>(pTicks);
    lScale.mValueStep = static_cast<float>((pMaximum - pMinimum) / pTicks);
    lScale.mLimit = static_cast<double>(lScale.mEndAngle) + kMarkSlack;
    lScale.mMinimum = static_cast<float>(pMinimum);
    return lScale;
}

float KestNeedleAngle(const KestDialScale& pScale, double pValue, double pMinimum, double pMaximum)
{
    // With "Value", "Minimum" and "Maximum" all equal the fraction is 0/0; the needle then
    // rests on the start angle, as for a value at the minimum of any other scale.
    float lFraction = static_cast<float>((pValue - pMinimum) / (pMaximum - pMinimum));
    if (std::isnan(lFraction)) lFraction = 0.0f;
    if (lFraction < 0.0f) lFraction = 0.0f;
    else if (lFraction > 1.0f) lFraction = 1.0f;
    return lFraction * (pScale.mEndAngle - pScale.mStartAngle) + pScale.mStartAngle;
}

KestDialMarks KestMajorMarks(const KestDialScale& pScale)
{
    const KestDialMarks lMarks = {pScale.mStartAngle, pScale.mMajorStep, pScale.mLimit, kKestMajorMarkInner};
    return lMarks;
}

KestDialMarks KestMinorMarks(const KestDialScale& pScale)
{
    const KestDialMarks lMarks = {pScale.mStartAngle + 0.5f * pScale.mMajorStep, pScale.mMajorStep, pScale.mLimit,
                                  kKestMinorMarkInner};
    return lMarks;
}
