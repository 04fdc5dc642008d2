// The dial's geometry without a draw: placements, circle points, the scale's angles, its marks
// and the needle's angle, against values worked out by hand.

#include "kestdialhudelement_geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kAngleTolerance = 1e-5; // radians: a few single-precision steps
constexpr double kPixelTolerance = 1e-9;

std::vector<float> AnglesOf(const KestDialMarks& pMarks)
{
    std::vector<float> lAngles;
    KestForEachMark(pMarks, [&lAngles](float pAngle) { lAngles.push_back(pAngle); });
    return lAngles;
}

} // namespace

TEST(DialGeometry, PlacementAnchorsTheCentre)
{
    struct Case {
        KestDialAnchor horizontal;
        KestDialAnchor vertical;
        double cx;
        double cy;
    };
    // A rectangle at (50, 40), 200 wide: radius 100.
    for (const Case& lCase : {Case{kKestAnchorLowEdge, kKestAnchorLowEdge, 150.0, 140.0},
                              Case{kKestAnchorHighEdge, kKestAnchorLowEdge, -50.0, 140.0},
                              Case{kKestAnchorCentre, kKestAnchorCentre, 50.0, 40.0}}) {
        const KestDialCircle lCircle = KestDialCircleIn(50.0, 40.0, 200.0, lCase.horizontal, lCase.vertical);
        EXPECT_EQ(lCircle.mRadius, 100.0);
        EXPECT_EQ(lCircle.mCenterX, lCase.cx);
        EXPECT_EQ(lCircle.mCenterY, lCase.cy);
    }
    EXPECT_EQ(KestDialCircleIn(0.0, 0.0, 201.0, kKestAnchorCentre, kKestAnchorCentre).mRadius, 100.5);
}

TEST(DialGeometry, PointsRunClockwiseFromStraightDown)
{
    const KestDialCircle lCircle = {150.0, 140.0, 100.0};
    struct Case {
        float angle;
        double factor;
        double x;
        double y;
    };
    for (const Case& lCase : {Case{0.0f, 1.0, 150.0, 40.0}, Case{static_cast<float>(kPi / 2), 1.0, 50.0, 140.0},
                              Case{static_cast<float>(kPi), 0.5, 150.0, 190.0},
                              Case{static_cast<float>(3 * kPi / 2), 0.85, 235.0, 140.0}}) {
        const KestDialCircle::Point lPoint = lCircle.At(KestDialCircle::DirectionAt(lCase.angle), lCase.factor);
        EXPECT_NEAR(lPoint.mX, lCase.x, 1e-4) << lCase.angle;
        EXPECT_NEAR(lPoint.mY, lCase.y, 1e-4) << lCase.angle;
    }
    // The needle's root: one pixel out of the centre.
    const KestDialCircle::Point lRoot = lCircle.PixelOut(KestDialCircle::DirectionAt(0.0f));
    EXPECT_NEAR(lRoot.mX, 150.0, kPixelTolerance);
    EXPECT_NEAR(lRoot.mY, 139.0, kPixelTolerance);
}

TEST(DialGeometry, FixedRunsCoverTheCircle)
{
    const KestTenthRadianRun& lTenths = KestTenthRadianAngles();
    EXPECT_EQ(KestTenthRadianRun::kCount, 63u);
    EXPECT_EQ(lTenths.mAngles[0], 0.0f);
    EXPECT_NEAR(lTenths.mAngles[62], 6.2, kAngleTolerance);
    EXPECT_NEAR(lTenths.mDirections[62].mSin, std::sin(6.2), kAngleTolerance);
    const KestHundredthRadianRun& lHundredths = KestHundredthRadianAngles();
    EXPECT_EQ(KestHundredthRadianRun::kCount, 629u);
    EXPECT_NEAR(lHundredths.mAngles[628], 6.28, 1e-4);
    EXPECT_NEAR(lHundredths.mDirections[628].mCos, std::cos(6.28), 1e-4);
}

TEST(DialGeometry, DefaultScaleRunsFromAQuarterPiToSevenQuarters)
{
    const KestDialScale lScale = KestDialScaleOf(0.75, 10, 0.0, 100.0);
    EXPECT_NEAR(lScale.mStartAngle, kPi / 4, kAngleTolerance);
    EXPECT_NEAR(lScale.mEndAngle, 7 * kPi / 4, kAngleTolerance);
    EXPECT_NEAR(lScale.mMajorStep, 0.15 * kPi, kAngleTolerance);
    EXPECT_EQ(lScale.mValueStep, 10.0f);
    EXPECT_EQ(lScale.mMinimum, 0.0f);

    const std::vector<float> lMajor = AnglesOf(KestMajorMarks(lScale));
    ASSERT_EQ(lMajor.size(), 11u);
    EXPECT_NEAR(lMajor.front(), kPi / 4, kAngleTolerance);
    EXPECT_NEAR(lMajor.back(), 7 * kPi / 4, kAngleTolerance);
    // Deliberate: the last mark's summed angle lands just past the end angle and is drawn all the
    // same, within the scale's 0.1 radian of slack, as users' renders have always shown it.
    EXPECT_GT(lMajor.back(), lScale.mEndAngle);
    EXPECT_NEAR(lScale.mLimit, 7 * kPi / 4 + 0.1, kAngleTolerance);
    EXPECT_EQ(KestMajorMarks(lScale).mInner, 0.85);

    const std::vector<float> lMinor = AnglesOf(KestMinorMarks(lScale));
    ASSERT_EQ(lMinor.size(), 10u);
    EXPECT_NEAR(lMinor.front(), kPi / 4 + 0.075 * kPi, kAngleTolerance);
    EXPECT_NEAR(lMinor.back(), 7 * kPi / 4 - 0.075 * kPi, kAngleTolerance);
    EXPECT_EQ(KestMinorMarks(lScale).mInner, 0.95);
}

TEST(DialGeometry, MarkCountsFollowSpreadAndTicks)
{
    struct Case {
        double spread;
        int ticks;
        std::size_t major;
        std::size_t minor;
        double lastMajor; // radians
    };
    for (const Case& lCase : {Case{1.0, 10, 11, 10, 2 * kPi},   // a full circle: first and last mark at the bottom
                              Case{0.9, 50, 51, 51, 1.9 * kPi}, // the last minor mark half a step past the end
                              Case{0.75, 100, 103, 102, 7 * kPi / 4 + 2 * 0.015 * kPi}, // steps below 0.1: past the end
                              // Steps that would not advance: the first mark alone.
                              Case{0.0, 10, 1, 1, kPi}, Case{0.75, 0, 1, 0, kPi / 4}, Case{0.75, -5, 1, 1, kPi / 4},
                              // Tens of millions of ticks: the pass ends after its most marks.
                              Case{0.75, 20000000, 1024, 1024, kPi / 4}}) {
        SCOPED_TRACE(testing::Message() << "Spread " << lCase.spread << ", Ticks " << lCase.ticks);
        const KestDialScale lScale = KestDialScaleOf(lCase.spread, lCase.ticks, 0.0, 100.0);
        const std::vector<float> lMajor = AnglesOf(KestMajorMarks(lScale));
        EXPECT_EQ(lMajor.size(), lCase.major);
        EXPECT_EQ(AnglesOf(KestMinorMarks(lScale)).size(), lCase.minor);
        ASSERT_FALSE(lMajor.empty());
        EXPECT_NEAR(lMajor.back(), lCase.lastMajor, 1e-3);
    }
    // A NaN or negative spread puts the start angle past the limit: no marks at all.
    EXPECT_TRUE(AnglesOf(KestMajorMarks(KestDialScaleOf(std::nan(""), 10, 0.0, 100.0))).empty());
    EXPECT_TRUE(AnglesOf(KestMajorMarks(KestDialScaleOf(-0.02, 10, 0.0, 100.0))).empty());
}

TEST(DialGeometry, NeedleAngleIsTheClampedFractionOfTheScale)
{
    struct Case {
        double minimum;
        double maximum;
        double value;
        double angle; // radians
    };
    for (const Case& lCase :
         {Case{0, 100, 0, kPi / 4}, Case{0, 100, 100, 7 * kPi / 4}, Case{0, 100, 50, kPi}, Case{0, 100, -10, kPi / 4},
          Case{0, 100, 150, 7 * kPi / 4}, Case{100, 0, 100, kPi / 4}, Case{100, 0, 0, 7 * kPi / 4},
          Case{100, 0, 25, kPi / 4 + 0.75 * 1.5 * kPi}, Case{50, 50, 60, 7 * kPi / 4}, Case{50, 50, 40, kPi / 4},
          // All three equal: the needle rests on the start angle.
          Case{50, 50, 50, kPi / 4}}) {
        const KestDialScale lScale = KestDialScaleOf(0.75, 10, lCase.minimum, lCase.maximum);
        EXPECT_NEAR(KestNeedleAngle(lScale, lCase.value, lCase.minimum, lCase.maximum), lCase.angle, kAngleTolerance)
            << "Minimum " << lCase.minimum << ", Maximum " << lCase.maximum << ", Value " << lCase.value;
    }
}

TEST(DialGeometry, TruncatedIntIsDefinedForEveryDouble)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        int truncated;
    };
    for (const Case& lCase : {Case{100.9, 100}, Case{-2.7, -2}, Case{std::nan(""), 0}, Case{kInf, INT_MAX},
                              Case{-kInf, INT_MIN}, Case{1e300, INT_MAX}, Case{-1e300, INT_MIN}})
        EXPECT_EQ(KestTruncatedInt(lCase.value), lCase.truncated) << lCase.value;
}
