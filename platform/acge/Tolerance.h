#pragma once

// The tolerance that vector operations take: a length at or below equalVector counts as zero.
struct AcGeTol {
    double equalPoint = 1e-10;
    double equalVector = 1e-12;
};

// The library's global settings.
struct AcGeContext {
    static AcGeTol gTol;
};
