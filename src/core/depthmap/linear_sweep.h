#pragma once
// The sweep of straight lines that builds the linear gradient and the
// wave: one line per step across the picture, axis-parallel for the angles
// 0, 90, 180, 270 and 360, otherwise two pixels wide at the angle's slope
// through successive points of a diagonal. Every conversion of a real
// number to an integer in the sweep (and in the grey of each step) rounds
// toward minus infinity; the rounding direction is restored afterwards.

#include <cstdint>
#include <functional>

namespace lumora {

class TPixelEngine256;

struct SweepStep
{
    int32_t Index = 0; // i, from 0
    int32_t Count = 0; // the last i: the picture's width or height
    // Diagonal steps only: floor of the distance d along the diagonal, and
    // D = floor of the diagonal's length.
    bool Diagonal = false;
    int32_t FloorDistance = 0;
    int32_t DiagonalLength = 0;
};

// The grey of a step; it is called with the rounding toward minus infinity
// in force. Only its lowest byte is used.
using SweepGrey = std::function<int64_t(const SweepStep&)>;

// The direction after the object's mirrors: MirrorH takes a to 180 - a
// (a <= 180) or 540 - a, then MirrorV takes it to 360 - a.
int64_t MirroredSweepAngle(int64_t angle, bool mirrorH, bool mirrorV);

// Draws the sweep for the direction angle (degrees, counter-clockwise from
// pointing right) into picture, restricted to it. Angles outside 0..360
// draw nothing.
void DrawLinearSweep(TPixelEngine256& picture, int64_t angle, const SweepGrey& greyOf);

} // namespace lumora
