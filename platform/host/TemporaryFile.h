// Files written whole under a temporary name beside their place before they are renamed onto it:
// ".<name>.qelt-XXXXXX" in the place's folder, held (flock) by whoever writes it. A run killed
// before its rename leaves one behind; the next run writing into the folder removes those that no
// run holds.
#pragma once

#include <string>

namespace qelt::host {

// Makes an empty temporary file beside path, held until its descriptor is closed, with the
// permission bits of an ordinary document; its descriptor (name in *temporary), or -1 with errno
// set.
int MakeTemporaryBeside(const std::string& path, std::string* temporary);

// Removes the temporary files in the folder that no run holds.
void RemoveUnheldTemporaries(const std::string& folder);

}  // namespace qelt::host
