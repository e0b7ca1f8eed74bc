// Where markers and lane squares stand for a score.
#include "Lanes.h"

#include <gtest/gtest.h>

namespace plovari {
namespace {

constexpr float DesignedWidth = 687;

TEST(Lanes, ScoreZeroStandsAtTheStartOfItsLane) {
    const LanePlacement first = PlaceInLane(0, 0, 200, DesignedWidth);
    EXPECT_EQ(first.SquareLeft, 0);
    EXPECT_EQ(first.MarkerLeft, 1);
    EXPECT_EQ(first.SquareTop, 8);
    EXPECT_EQ(first.MarkerTop, 9);
    const LanePlacement last = PlaceInLane(5, 0, 200, DesignedWidth);
    EXPECT_EQ(last.SquareTop, 183);
    EXPECT_EQ(last.MarkerTop, 184);
}

TEST(Lanes, HalfwayIsHandedOnUnrounded) {
    const LanePlacement placement = PlaceInLane(2, 100, 200, DesignedWidth);
    EXPECT_EQ(placement.SquareLeft, 318.5f);
    EXPECT_EQ(placement.MarkerLeft, 319.5f);
    EXPECT_EQ(placement.SquareTop, 78);
}

TEST(Lanes, TheFinishLineIsFiftyPixelsShortOfTheRightEdge) {
    EXPECT_EQ(PlaceInLane(1, 500, 500, DesignedWidth).SquareLeft, 637);
    EXPECT_EQ(PlaceInLane(1, 500, 500, DesignedWidth).MarkerLeft, 638);
    EXPECT_EQ(PlaceInLane(1, 1000, 1000, 400).SquareLeft, 350) << "the travel follows the width";
}

TEST(Lanes, NoClampingPastTheLine) {
    EXPECT_FLOAT_EQ(PlaceInLane(0, 220, 200, DesignedWidth).SquareLeft, 700.7f);
}

TEST(Lanes, ProgrammingErrorsThrow) {
    EXPECT_THROW(PlaceInLane(6, 0, 200, DesignedWidth), std::out_of_range);
    EXPECT_THROW(PlaceInLane(-1, 0, 200, DesignedWidth), std::out_of_range);
    EXPECT_THROW(PlaceInLane(0, 10, 0, DesignedWidth), std::logic_error);
}

} // namespace
} // namespace plovari
