// How far long work has come, told to whatever shows it: a line on a terminal, a dialog.
#pragma once

namespace tolvane {

class Progress {
public:
    virtual ~Progress() = default;
    // `done` of `total` parts are done; false stops the work, which then writes nothing.
    virtual bool Reached(long long done, long long total) = 0;
};

}  // namespace tolvane
