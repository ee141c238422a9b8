// The order in which a batch of renames reaches the disk. Each file's new name must be
// free when its turn comes, yet a proposal may rename a file to a name another listed
// file is leaving (renumbering f1 f2 f3 to f0 f1 f2), or exchange names in a cycle. The
// plan renames every chain from its free end and breaks every cycle through one
// temporary name, and it refuses, before anything is touched, the proposals that no order
// can carry out.
#pragma once

#include "rename/run_messages.h"

#include <functional>
#include <string>
#include <vector>

namespace renamer {

enum class StepKind {
    Direct,  // old name to new name
    Park,    // old name to the temporary name, first step of a cycle
    Unpark,  // temporary name to new name, last step of a cycle
};

struct RenameStep {
    int entry;  // list index of the file that moves
    StepKind kind;
    std::u16string from;
    std::u16string to;
};

struct RenamePlan {
    std::vector<RenameStep> steps;
    std::u16string temporary;  // the name cycles park a file under; empty without cycles
    int conflict = -1;         // the first entry whose new name cannot be had, or -1
    PlanConflict conflictKind = PlanConflict::None;
};

// Whether a name is taken in the list's folder by anything at all.
using NameTakenFn = std::function<bool(const std::u16string &name)>;

// Plans the renames of the entries whose `moves` flag is set. Names are compared as the folder's
// file system compares them: byte for byte, or with letter case folded when the folder
// ignores it. A new name counts as free when nothing has it, or when only a listed file
// that is itself being renamed away has it. The plan has a conflict (and no steps) when
// a name would leave the folder or is longer than the file system holds, when one file
// is listed twice or two files are proposed the same new name (the conflict is the second
// of them), or when a new name is taken by anything else.
RenamePlan planRenames(const std::vector<std::u16string> &oldNames,
                       const std::vector<std::u16string> &newNames, const std::vector<bool> &moves,
                       bool ignoreCase, const NameTakenFn &isTaken);

// A name for parking a file in the folder that nothing has and that is no listed name;
// empty when none could be found.
std::u16string freeTemporaryName(const std::function<bool(const std::u16string &name)> &isUnavailable);

} // namespace renamer
