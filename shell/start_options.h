// Which window the program starts into: an option word first on the command line, or,
// with no words at all, an executable name that asks for the renamer alone.
#pragma once

#include <string>
#include <vector>

namespace startopt {

enum class Start {
    CheckPath,   // the first word is a file path to check
    MainOnly,    // no words, an ordinary name: the main window alone
    About,       // the about window below the main window
    Dictionary,  // the dictionary below the main window
    RenameAlone, // the rename window alone, in the main window's place (StartMode 1)
};

// The option words are compared exactly, case included; every later word is ignored. The
// executable's name counts only when there are no words, so a renamer link given a file
// still checks it.
Start chooseStart(const std::vector<std::u16string> &words, const std::u16string &programName);

// True when the name, without its folder and its extension and in lower case, holds "ren".
bool nameAsksForRenamer(const std::u16string &programName);

} // namespace startopt
