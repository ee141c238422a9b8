// Which rows of a proposal cannot be renamed, found when the proposal is built, so that the
// list says so before the run rather than the run refusing it afterwards.
#pragma once

#include "rename/rename_plan.h"

#include <string>
#include <string_view>
#include <vector>

namespace renamer {

// Why a row keeps its name although its method proposed another.
enum class RowBlock {
    None,
    NameHeld,       // a file that is not being renamed away has the new name
    NameShared,     // another row proposes the same new name
    ListedTwice,    // the file is in the list more than once
    NameEmpty,      // nothing is left of the name
    OnlyExtension,  // the base name is gone: only a period and what follows it are left
    NameTooLong,    // longer than the file system holds
    CharacterRefused,  // a character no file name may hold here, or a name that is the folder itself
    NameReserved,   // Windows takes the name for a device
};

struct RowProposal {
    const std::vector<std::u16string> &oldNames;
    const std::vector<std::u16string> &newNames;
    // The rows that would be renamed if nothing stood in their way.
    const std::vector<bool> &moves;
};

// Marks every row that cannot be renamed, and again every row whose new name a marked row
// keeps, until no new row is marked. Names compare as the folder's file system compares
// them (`ignoreCase`); a new name is free when nothing has it or when a listed file that is
// itself renamed away has it.
std::vector<RowBlock> blockedRows(const RowProposal &proposal, bool ignoreCase, const NameTakenFn &isTaken);

// What is wrong with a new name by itself, whatever else the folder holds.
RowBlock nameFault(std::u16string_view oldName, std::u16string_view newName);

// The reason a row's marker gives, in Japanese, with the new name in its readable form.
std::u16string blockReason(RowBlock block, const std::u16string &newName);

} // namespace renamer
