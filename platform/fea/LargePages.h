// The engine's large blocks. The factor of a fine mesh takes a few hundred megabytes, and the
// stiffness tens, that are written once each; mapped 4 KB at a time, first writes cost more than
// the arithmetic where page faults are dear (a virtual machine). Blocks of 4 MB and more are
// therefore asked for as transparent huge pages, mapped 2 MB at a time where the system has them
// to give.
#pragma once

#include <cstddef>

namespace qelt::fea {

// Installs the allocator in SuiteSparse's configuration, once, before CHOLMOD's first use;
// every caller of CHOLMOD in this library calls it first.
void UseLargePagesForCholmod();

// Asks for huge pages for the whole 2 MB pages inside a block that is about to be written first
// (one of the heap's, for a large matrix).
void AdviseLargePages(void* block, std::size_t bytes);

}  // namespace qelt::fea
