// The plate server's interface: solve a slab model with its settings, then hand back the model with
// its result picture elements and the result rows; the crack width of a row with other bars.
// The server's library (platform/plateserver) makes the objects; a client knows only this header.
#pragma once

#include <cstdint>

#include "com/Variant.h"

extern const CLSID CLSID_PlateSolver;
extern const IID IID_IPlateSolver;

// The flag of a result row. Every row of a solved slab is designed. After a refusal the rows tell
// why: when the slab was analysed, all its rows, each with its own flag, the limit that stops a row
// that could not be reinforced within the settings; otherwise one row, of row id -1, whose flag is
// the reason the slab was not analysed.
enum PlateResultFlag : std::int32_t {
    kRowDesigned = 1,
    kRowSectionTooSmall = 2,  // the moment needs a compression zone beyond ξb·h0 (or h0 = h - as <= 0)
    kRowNoBars = 3,           // no bars within the least diameter and the greatest spacing give the area
    kRowCrackTooWide = 4,     // every bars that give the area crack wider than the allowed width
    kSlabNoOutline = 11,      // no outline
    kSlabBadSettings = 12,    // a grade the tables do not hold, or a setting that is not a number
    kSlabBadInput = 13,       // a load off the slab or over a hole, or a shape that cannot be meshed
    kSlabMechanism = 14,      // the supports do not hold the slab
    kSlabTooLarge = 15,       // the mesh would have too many nodes for the slab's size
};

class IPlateSolver : public IDispatch {
public:
    // The result rows of the last solution: an array of ResultRecord, with the flags above.
    virtual HRESULT GetResults(VARIANT* results) = 0;
    // flag 1: solved; 0: refused, the rows say why (PlateResultFlag). A malformed record fails with
    // DISP_E_TYPEMISMATCH and leaves no solution.
    virtual HRESULT Solve(VARIANT model, VARIANT settings, std::int32_t* flag) = 0;
    // The model of the last solution as sent, with fresh result points, lines and texts; after a
    // refusal with the mesh alone, when the slab was meshed. E_UNEXPECTED without a solution.
    virtual HRESULT GetModel(VARIANT* model) = 0;
    // The crack width (mm) of row rowId of the last solution in this process with the bars given;
    // E_INVALIDARG when there is no such row.
    virtual HRESULT CalCrackWidth(std::int32_t rowId, double diameter, std::int32_t direction, double spacing,
                                  VARIANT settings, double area, double* width) = 0;

protected:
    ~IPlateSolver() = default;
};
