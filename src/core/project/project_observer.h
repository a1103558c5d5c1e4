#pragma once
// What a project tells the windows about itself. The desktop program
// implements it; without one (command-line use, tests) a project works with
// no observer at all.

namespace lumora {

class ProjectObserver
{
public:
    virtual ~ProjectObserver() = default;

    // The modified, out-of-date or rendered flag changed: refresh the Save
    // commands, the undo and redo commands and the afterburner entries of
    // the three windows.
    virtual void ProjectFlagsChanged() {}
};

} // namespace lumora
