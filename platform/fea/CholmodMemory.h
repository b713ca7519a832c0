// CHOLMOD's memory. The factor of a fine mesh takes a few hundred megabytes that are written once
// each; mapped 4 KB at a time, first writes cost more than the arithmetic where page faults are
// dear (a virtual machine). Blocks of 4 MB and more are therefore asked for as transparent huge
// pages, mapped 2 MB at a time where the system has them to give.
#pragma once

namespace qelt::fea {

// Installs the allocator in SuiteSparse's configuration, once, before CHOLMOD's first use;
// every caller of CHOLMOD in this library calls it first.
void UseLargePagesForCholmod();

}  // namespace qelt::fea
