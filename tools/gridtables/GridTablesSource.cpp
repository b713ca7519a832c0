#include "GridTablesSource.h"

#include <sstream>

#include "GridTableText.h"

namespace gridtables {

namespace {

const char* const kEdgeNames[] = {"Simple", "Fixed", "HalfFixed"};

std::string Name(bool bSixRow, GridPair pair, EdgeKind edge) {
    std::ostringstream name;
    name << "s_sz" << (bSixRow ? "Six" : "Three") << pair.nSmall << "x" << pair.nLarge;
    if (bSixRow) name << kEdgeNames[static_cast<int>(edge)];
    return name.str();
}

void WriteTable(std::ostream& out, bool bSixRow, GridPair pair, EdgeKind edge, TableRows rows) {
    std::vector<std::string> notes(rows.size());
    for (const PrintedValue& printed : PrintedValues()) {
        if (printed.bSixRow != bSixRow || printed.pair.nSmall != pair.nSmall || printed.pair.nLarge != pair.nLarge)
            continue;
        if (bSixRow && printed.edge != edge) continue;
        rows[printed.nRow][printed.nColumn] = printed.pszToken;
        notes[printed.nRow] = printed.pszNote;
    }
    out << "static const char " << Name(bSixRow, pair, edge) << "[] =\n";
    for (size_t r = 0; r < rows.size(); ++r) {
        out << "    \"";
        for (size_t c = 0; c < rows[r].size(); ++c) out << rows[r][c] << (c + 1 < rows[r].size() ? "\\t" : "");
        out << (r + 1 < rows.size() ? "  \"" : "\";");
        if (!notes[r].empty()) out << "  // " << notes[r];
        out << "\n";
    }
}

}  // namespace

std::string TablesSource() {
    std::ostringstream out;
    out << "// The grid-beam coefficient tables, written by tools/gridtables (qelt_gridtables): do not\n"
           "// edit, rerun the program. Rows by b/a; each row (moment, shear) of A1 to A6, B1 to B4.\n"
           "#include \"beam/BeamWellTables.h\"\n\n";
    const EdgeKind edges[] = {EdgeKind::Simple, EdgeKind::Fixed, EdgeKind::HalfFixed};
    for (GridPair pair : SixRowPairs())
        for (EdgeKind edge : edges) WriteTable(out, true, pair, edge, SixRowTable(pair, edge));
    for (GridPair pair : ThreeRowPairs()) WriteTable(out, false, pair, EdgeKind::Simple, ThreeRowTable(pair));

    out << "\nconst BEAMWELLSIXROWTABLE g_beamWellSixRowTables[BEAMWELL_SIXROW_COUNT] = {\n";
    for (GridPair pair : SixRowPairs()) {
        out << "    {" << pair.nSmall << ", " << pair.nLarge << ", {";
        for (EdgeKind edge : edges)
            out << Name(true, pair, edge) << (edge != EdgeKind::HalfFixed ? ", " : "");
        out << "}},\n";
    }
    out << "};\n\nconst BEAMWELLTHREEROWTABLE g_beamWellThreeRowTables[BEAMWELL_THREEROW_COUNT] = {\n";
    for (GridPair pair : ThreeRowPairs())
        out << "    {" << pair.nSmall << ", " << pair.nLarge << ", " << Name(false, pair, EdgeKind::Simple) << "},\n";
    out << "};\n";

    return out.str();
}

}  // namespace gridtables
