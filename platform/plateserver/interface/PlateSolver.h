// The plate server's interface: solve a slab model with its settings, then hand back the model with
// its result picture elements and the result rows; the crack width of a row with other bars.
// The server's library (platform/plateserver) makes the objects; a client knows only this header.
#pragma once

#include <cstdint>

#include "com/Variant.h"

extern const CLSID CLSID_PlateSolver;
extern const IID IID_IPlateSolver;

class IPlateSolver : public IDispatch {
public:
    // The result rows of the last solution: an array of ResultRecord, empty after a refusal.
    virtual HRESULT GetResults(VARIANT* results) = 0;
    // flag 1: solved; 0: the slab cannot be analysed (no outline, a grade not in the tables, a
    // mechanism, a mesh over the node limit, a section too small for its moment). A malformed
    // record fails with DISP_E_TYPEMISMATCH and leaves no solution.
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
