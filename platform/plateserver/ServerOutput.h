// What the server hands back: the result rows and the picture elements of a solved slab.
//   picture 0: the mesh edges; 1: contour lines of the characteristic deflection; 2: design moments;
//   3: the bars; 4: the required areas; 5: the largest long-term deflection; 6: crack widths.
// Lines carry their picture as kind, texts as their third option; the points mark where each row
// governs. Without a design (a slab refused after meshing) only the mesh is drawn.
#pragma once

#include "fea/SlabDesign.h"
#include "plateserver/ServerInput.h"

// A row per design row, flagged with its status (PlateSolver.h).
HRESULT BuildResultRows(const qelt::fea::SlabDesign& design, VARIANT& rows);
// The one row of a slab refused before it was designed: row id -1, the reason as its flag.
HRESULT BuildRefusalRow(std::int32_t reason, VARIANT& rows);
HRESULT BuildResultPictures(const ServerInput& input, const qelt::fea::PlateAnalysis& analysis,
                            const qelt::fea::SlabDesign* design, VARIANT& points, VARIANT& lines, VARIANT& texts);
