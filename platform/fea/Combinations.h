// Load combinations of the dead (G) and live (Q) case after GB 50009-2001.
#pragma once

#include "Recovery.h"

namespace qelt::fea {

struct LoadFactors {
    double importance = 1.0;      // γ0
    double dead = 1.2;            // γG
    double live = 1.4;            // γQ
    double combination = 0.7;     // ψc of the live load
    double quasiPermanent = 0.4;  // ψq of the live load
};

// g·G + q·Q, value by value.
NodalResults Combine(const NodalResults& dead, const NodalResults& live, double g, double q);

struct Combinations {
    NodalResults liveGoverned;  // γ0·(γG·G + γQ·Q)
    NodalResults deadGoverned;  // γ0·(1.35·G + 1.4·ψc·Q)
    NodalResults characteristic;  // G + Q
    NodalResults quasiPermanent;  // G + ψq·Q
};

Combinations CombineCases(const NodalResults& dead, const NodalResults& live, const LoadFactors& factors);

}  // namespace qelt::fea
