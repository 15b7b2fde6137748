// Codes are promises on every shape: one code of each way to build, with loops and with the
// route laid first, pinned to the maze it names. A change that moves any of these mazes must
// show here as a changed pin.
#include <gtest/gtest.h>

#include "core/CodePins.h"

namespace tolvane::testing {
namespace {

// Small sizes: a rectangle 6 x 5, a circle of 3 rings, a hexagon and a triangle of 3 and 5
// cells a side, rectangles of hexagons 5 x 4 and of triangles 6 x 4. On each, the seven ways,
// then one with loops and one with the route laid first (each way once with each over the shapes).
constexpr PinnedCode kPins[] = {
    {"6x5-KAYDX-Y938Y", "0-29:76d95964b59f8"},
    {"B0R6x5-P60GK-GZWQ6", "0-29:7aeb8e1cf07f0"},
    {"H0R6x5-QQQP8-9NYTA", "0-29:77b8ad57447f0"},
    {"G0R6x5-JXZ5V-H651S", "0-29:e8adfa94eb178"},
    {"P0R6x5-DRFY4-ED4WP", "0-29:59b555aacabf8"},
    {"K0R6x5-9JP8X-295VW", "0-29:5dca7fb0471f8"},
    {"W0R6x5-4M4ZK-NESEW", "0-29:9d760ee7723b8"},
    {"B25R6x5-61F8N-REK5H", "0-29:d7aabdc5267e8"},
    {"PSR6x5-C6HZ5-XR0GF", "0-29:9f9457aa4f9d8"},
    {"R0C3-5YXM8-SN0ZR", "0-13:231cc6cf5"},
    {"B0C3-37QFP-YAY2X", "0-13:8899a1abf"},
    {"H0C3-50DT9-2W391", "0-13:e9102aded"},
    {"G0C3-GD4TD-JPP44", "0-13:0ce6497d3"},
    {"P0C3-X3MCV-FCE39", "0-13:416950f77"},
    {"K0C3-5AQW6-0ZCPF", "0-13:26a652f4e"},
    {"W0C3-JMCFF-HZND8", "0-13:935b6ac86"},
    {"H35C3-9F633-A65RV", "0-13:532158fd7"},
    {"KSC3-80QMH-G8D7E", "0-13:062c3b7ec"},
    {"R0H3-YJ09R-MH5AX", "0-18:8a25299cd18"},
    {"B0H3-T89PV-FT9HY", "0-18:b1a56c22a60"},
    {"H0H3-MFK1E-ZKFC7", "0-18:d274a8111b8"},
    {"G0H3-3ACEH-5HYB2", "0-18:7639582c848"},
    {"P0H3-6EKRZ-JN7YH", "0-18:5832dc89c30"},
    {"K0H3-6308K-PWZNZ", "0-18:5470e12cc68"},
    {"W0H3-JBTVF-MVK0B", "0-18:27984a25370"},
    {"G45H3-JA8E0-X21FE", "0-18:b2b34583338"},
    {"WSH3-GZX9D-ZGMJ1", "0-18:51382e1349c"},
    {"R0T5-84WGK-T8QSG", "0-24:f677fbbc"},
    {"B0T5-CK5N6-TBGM8", "0-24:f6fe5bfc"},
    {"H0T5-K02C1-H1PK3", "0-24:ff78dfec"},
    {"G0T5-VE7XP-HRB6A", "0-24:ff6abff4"},
    {"P0T5-84JMG-DEHXN", "0-24:fe5beff4"},
    {"K0T5-TQ22Q-Q0880", "0-24:fd6efafc"},
    {"W0T5-1QWPC-G9XQ7", "0-24:bbbdbbfc"},
    {"PNT5-4RP9W-THBTS", "0-24:ff7dfffc"},
    {"RST5-C31QZ-CFE10", "0-24:f5bf3bfc"},
    {"R0E5x4-EX85T-G6SWT", "0-19:8fd121124b6"},
    {"B0E5x4-0WM9P-63PVB", "0-19:e4a1a24361e"},
    {"H0E5x4-HY4PT-DGPED", "0-19:bc503612e46"},
    {"G0E5x4-JMH14-3WC54", "0-19:c4d3a511a16"},
    {"P0E5x4-VPDH3-HW5G6", "0-19:8a312af809e"},
    {"K0E5x4-S978M-281Z5", "0-19:550b9f0a116"},
    {"W0E5x4-3TP3R-8VB2X", "0-19:61ac47386c4"},
    {"K65E5x4-914YZ-RPC93", "0-19:678c1a6b2de"},
    {"BSE5x4-QD3AY-PDB4Q", "0-19:61718b1a4aa"},
    {"R0A6x4-3C027-0ZZ32", "0-23:ff93ff58"},
    {"B0A6x4-7XHGV-X69PP", "0-23:dbbbf6f8"},
    {"H0A6x4-4EBM5-GEEDE", "0-23:ff97edb8"},
    {"G0A6x4-YG49Y-EQAR5", "0-23:f73fd3f8"},
    {"P0A6x4-EWTS9-K4E75", "0-23:fb7fdd58"},
    {"K0A6x4-399W8-NPJAF", "0-23:7bfbee78"},
    {"W0A6x4-A0G7J-S5JHH", "0-23:ff69dfd8"},
    {"W75A6x4-KHN4Z-A74CM", "0-23:ffefdff8"},
    {"HSA6x4-7RJZ2-5YFB0", "0-23:f6dff5e8"},
};

TEST(CodePins, EveryWayOnEveryShapeKeepsItsMaze)
{
    ExpectPinnedMazes(kPins, [](const ShapeChoice& choice) { return MakeShape(choice); });
}

}  // namespace
}  // namespace tolvane::testing
