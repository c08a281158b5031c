#pragma once

#include "jet/Error.h"

#include <string>

namespace jet {

// Writes the rows of the file's table into a fresh Jet 4 file made by createDatabase, which the engine can
// then change, and puts that file in the original's place in one rename: at every moment the path holds
// either the whole original or the whole copy. The copy has no free space, and no indexes. The file must
// hold one table of text and memo fields (a Jet 3 or Jet 4 file); anything else is refused with the reason,
// and the file is left as it was. Other programs' writers wait meanwhile and then change the copy.
Status compactDatabase(const std::string &path);

} // namespace jet
