#pragma once

// A sweep subject over one workspace: prepare and run are the command's,
// the table check reads the open file afresh in a second workspace.

#include "tests/faults/FaultSweep.h"

#include <functional>
#include <memory>

namespace kiv5::test {

template <class Workspace> class WorkspaceSubject : public SweepSubject {
public:
    using Step = std::function<void(Workspace&)>;
    using Command = std::function<QString(Workspace&)>;
    using Check = std::function<QString(Workspace&)>;

    WorkspaceSubject(std::unique_ptr<Workspace> workspace, Step prepare, Command run, Check check)
        : workspace_(std::move(workspace)), prepare_(std::move(prepare)), run_(std::move(run)),
          check_(std::move(check)) {}

    void Prepare() override { prepare_(*workspace_); }
    QString Run() override { return run_(*workspace_); }
    QString TableVersusDisk() override { return check_(*workspace_); }

private:
    std::unique_ptr<Workspace> workspace_;
    Step prepare_;
    Command run_;
    Check check_;
};

} // namespace kiv5::test
