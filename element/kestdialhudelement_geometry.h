#ifndef KESTDIALHUDELEMENT_GEOMETRY_H
#define KESTDIALHUDELEMENT_GEOMETRY_H
// The dial's geometry, apart from any drawing: where the dial lies in its rectangle, the points
// of its circle, the map from a value to an angle, and the division of the scale into marks.
// Plain numbers in, numbers out; nothing here calls OpenGL.
//
// The dial's angles run clockwise from straight down, in single precision, as the dial has
// always summed them; a point pFactor radii out at an angle lies at (centre x - pFactor * radius
// * sine, centre y - pFactor * radius * cosine), the sine and cosine being those that sincos
// gives for the angle widened to double.

#include <cmath>
#include <cstddef>

// The dial's look, in radii from the centre.
const double kKestMajorMarkInner = 0.85;  //!< major marks run from here out to the rim
const double kKestMinorMarkInner = 0.95;  //!< minor marks run from here out, and the needle to here
const double kKestScaleLabelRadius = 0.7; //!< scale numbers are centred (as the template is) here
const float kKestHubRadius = 0.05f;       //!< in single precision, widened where it is used

//! Most marks (or labels) that one scale pass draws: enough for 1,000 ticks and the marks past
//! the end angle, far more than a legible dial shows. It bounds a draw whatever "Ticks" holds.
const int kKestMaxMarksPerPass = 1024;

//! Truncates toward zero; NaN gives 0 and values beyond the int range give its nearest end.
int KestTruncatedInt(double pValue);

//! Where a rectangle's coordinate lies on the dial, along one axis.
enum KestDialAnchor {
    kKestAnchorCentre,  //!< at the dial's centre
    kKestAnchorLowEdge, //!< at its left (or lower) edge
    kKestAnchorHighEdge //!< at its right edge
};

//! The dial's circle: its centre and radius.
struct KestDialCircle {
    //! The sine and cosine of one of the dial's angles.
    struct Direction {
        double mSin;
        double mCos;
    };
    struct Point {
        double mX;
        double mY;
    };

    static Direction DirectionAt(float pAngle);
    //! The point pFactor radii out in pDirection.
    Point At(const Direction& pDirection, double pFactor) const;
    //! The point one pixel out of the centre in pDirection: the needle's root.
    Point PixelOut(const Direction& pDirection) const;

    double mCenterX;
    double mCenterY;
    double mRadius;
};

// Inline: a draw asks for about 1,500 points.
inline KestDialCircle::Direction KestDialCircle::DirectionAt(float pAngle)
{
    Direction lDirection = {0.0, 0.0};
    sincos(static_cast<double>(pAngle), &lDirection.mSin, &lDirection.mCos);
    return lDirection;
}

inline KestDialCircle::Point KestDialCircle::At(const Direction& pDirection, double pFactor) const
{
    const Point lPoint = {mCenterX - pFactor * mRadius * pDirection.mSin,
                          mCenterY - pFactor * mRadius * pDirection.mCos};
    return lPoint;
}

inline KestDialCircle::Point KestDialCircle::PixelOut(const Direction& pDirection) const
{
    const Point lPoint = {mCenterX - pDirection.mSin, mCenterY - pDirection.mCos};
    return lPoint;
}

//! The circle of a dial as wide as pWidth, placed by the rectangle's corner (pX, pY) as the
//! anchors say.
KestDialCircle KestDialCircleIn(double pX, double pY, double pWidth, KestDialAnchor pHorizontal,
                                KestDialAnchor pVertical);

//! A fixed run of the dial's angles: tCount angles from 0 on by a step, summed in single
//! precision as the face, rim and hub are drawn, each with its direction. They are the same on
//! every draw, so each run is computed once per process: 755 of the 788 sines and cosines of a
//! default draw.
template <std::size_t tCount> struct KestFixedAngles {
    static const std::size_t kCount = tCount;

    explicit KestFixedAngles(float pStep)
    {
        float lAngle = 0.0f;
        for (std::size_t k = 0; k < tCount; ++k) {
            mAngles[k] = lAngle;
            mDirections[k] = KestDialCircle::DirectionAt(lAngle);
            lAngle += pStep;
        }
    }

    float mAngles[tCount];
    KestDialCircle::Direction mDirections[tCount];
};

// Its definition, for code that takes the count's address (C++11 has no inline variables).
template <std::size_t tCount> const std::size_t KestFixedAngles<tCount>::kCount;

//! The face's and the hub's 63 angles, a tenth of a radian apart: 0 to 6.2.
typedef KestFixedAngles<63> KestTenthRadianRun;
//! The rim's 629 angles, a hundredth of a radian apart: 0 to 6.28.
typedef KestFixedAngles<629> KestHundredthRadianRun;

const KestTenthRadianRun& KestTenthRadianAngles();
const KestHundredthRadianRun& KestHundredthRadianAngles();

//! The scale of one draw, from "Spread", "Ticks", "Minimum" and "Maximum".
struct KestDialScale {
    float mStartAngle;
    float mEndAngle;
    float mMajorStep; //!< the angle between major marks
    float mValueStep; //!< the value between major marks
    double mLimit;    //!< the last angle a mark is drawn at
    float mMinimum;
};

KestDialScale KestDialScaleOf(double pSpread, int pTicks, double pMinimum, double pMaximum);

//! The needle's angle for pValue: its fraction of the scale, clamped to the scale's ends.
float KestNeedleAngle(const KestDialScale& pScale, double pValue, double pMinimum, double pMaximum);

//! One pass of marks over the scale: its angles from the first on by a step, within the limit,
//! and where the marks start, in radii (they run out to the rim).
struct KestDialMarks {
    float mFirst;
    float mStep;
    double mLimit;
    double mInner;
};

//! The major marks: at the start angle and each major step on. The scale labels share them.
KestDialMarks KestMajorMarks(const KestDialScale& pScale);
//! The minor marks: halfway between major marks.
KestDialMarks KestMinorMarks(const KestDialScale& pScale);

//! Visits a pass's angles: the first, then each one step further, in single precision, while
//! the angle (widened) lies within the limit; a NaN angle ends the pass. A pass also ends once a
//! step no longer advances the angle, since a zero, negative or vanishing step (a "Spread" of 0,
//! negative "Ticks", tens of millions of ticks) would repeat it forever, and after
//! kKestMaxMarksPerPass angles. So a degenerate scale shows its first mark only.
template <class tVisit> void KestForEachMark(const KestDialMarks& pMarks, tVisit pVisit)
{
    float lAngle = pMarks.mFirst;
    for (int lCount = 0; lCount < kKestMaxMarksPerPass && static_cast<double>(lAngle) <= pMarks.mLimit; ++lCount) {
        pVisit(lAngle);
        const float lNext = lAngle + pMarks.mStep;
        if (!(lNext > lAngle)) break;
        lAngle = lNext;
    }
}

#endif // KESTDIALHUDELEMENT_GEOMETRY_H
