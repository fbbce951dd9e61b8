#include "numeric/arithmetic_error.h"
#include "numeric/rotate_vector.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

struct RotationCase {
    const char* axis;
    float angle;
    Vec3 expected;
};

class RotateVectorTest : public ::testing::TestWithParam<RotationCase> { };

// A quarter turn keeps the residue of the five-decimal pi: each rotated
// component is off by about 1.27e-6 times the other one.
TEST_P(RotateVectorTest, RotatesAsTheMeasurementFrameExpects)
{
    const RotationCase& c = GetParam();
    const Vec3 rotated = RotateVector({1, 2, 3}, c.axis, c.angle);
    EXPECT_FLOAT_EQ(rotated.x, c.expected.x);
    EXPECT_FLOAT_EQ(rotated.y, c.expected.y);
    EXPECT_FLOAT_EQ(rotated.z, c.expected.z);
}

INSTANTIATE_TEST_SUITE_P(QuarterTurns, RotateVectorTest,
                         ::testing::Values(RotationCase{"Y", 90, {3.0000012f, 2, -0.9999962f}},
                                           RotationCase{"X", 90, {1, -2.9999974f, 2.0000038f}},
                                           RotationCase{"Z", 90, {-1.9999987f, 1.0000025f, 3}},
                                           RotationCase{"y", 90, {-1.9999987f, 1.0000025f, 3}},
                                           RotationCase{"x", 90, {-1.9999987f, 1.0000025f, 3}},
                                           RotationCase{"", 90, {-1.9999987f, 1.0000025f, 3}},
                                           RotationCase{"Y", 0, {1, 2, 3}},
                                           RotationCase{"X", 0, {1, 2, 3}}));

TEST(RotateVector, QuarterTurnAngleIsRoundedToSingleBeforeTheSine)
{
    // theta = 1.5707950592041016, so the cosine is about 1.27e-6, not 0.
    const Vec3 rotated = RotateVector({1, 0, 0}, "Z", 90);
    EXPECT_NEAR(rotated.x, 1.2676e-6, 1e-9);
    EXPECT_EQ(rotated.y, 1.0f);
}

TEST(RotateVector, UsesOnlyTheInputComponents)
{
    // About Y by 45 degrees: both new components come from the old x and z.
    const Vec3 rotated = RotateVector({1, 0, 1}, "Y", -45);
    EXPECT_NEAR(rotated.x, 0.0, 1e-5);
    EXPECT_NEAR(rotated.z, 1.4142135, 1e-5);
}

TEST(RotateVector, OverflowingComponentIsAnError)
{
    EXPECT_THROW((void)RotateVector({3.4e38f, 0, 3.4e38f}, "Y", 45), ArithmeticError);
}

} // namespace
} // namespace orv
