// Writes the grid-beam coefficient tables as a C++ source file:
//   qelt_gridtables beam/BeamWellTables.cpp
// The file is committed; rerun the program when the model changes.
#include <fstream>
#include <iostream>

#include "GridTablesSource.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: qelt_gridtables OUTPUT.cpp\n";
        return 2;
    }
    std::ofstream file(argv[1], std::ios::binary);
    file << gridtables::TablesSource();
    if (!file.flush()) {
        std::cerr << "qelt_gridtables: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
