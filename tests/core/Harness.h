// A Program on a recording surface, plain switches and a scripted random source.
#pragma once

#include "core/platform/Random.h"
#include "core/platform/surface/RecordingSurface.h"
#include "core/program/Program.h"

namespace tolvane::testing {

struct Harness {
    RecordingSurface surface;
    PlainSwitch timer{false};
    PlainSwitch command2{false};
    ScriptedRandom random;
    Program program{Platform{surface, timer, command2, random}};
    MazeState& s = program.state();

    // Builds a maze whose draws all come from `seed`.
    void BuildWithSeed(std::uint64_t seed)
    {
        random.SetFallbackSeed(seed);
        program.Command1_Click();
    }
};

}  // namespace tolvane::testing
