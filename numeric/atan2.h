// The quadrant-aware arctangent that turns principal directions into angles.
#pragma once

namespace orv {

// Angle of the point (adj, opp) from the positive adj axis, in single-precision
// radians within -3.14159 .. +3.14159. An |adj| below 0.0001 counts as a
// vertical direction (1.570795 = 3.14159 / 2); negative zeros count as not
// negative. Throws ArithmeticError when a step fails (a NaN argument, say).
[[nodiscard]] float Atan2(float opp, float adj);

} // namespace orv
