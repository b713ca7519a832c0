// Crack width and long-term stiffness of a one-metre slab strip after GB 50010-2002 (8.1.2,
// 8.2.2, 8.2.3), for a characteristic moment Mk and a quasi-permanent moment Mq in kN·m/m.
#pragma once

#include "Design.h"

namespace qelt::fea {

// wmax = αcr·ψ·σsk/Es·(1.9·c + 0.08·deq/ρte), mm, with αcr = 2.1, σsk = Mk/(0.87·h0·As),
// ρte = As/(0.5·b·h) ≥ 0.01, ψ = 1.1 − 0.65·ftk/(ρte·σsk) within 0.2 … 1.0, c within 20 … 65 mm
// and deq = d/ν (ν 1.0 for ribbed, 0.7 for plain bars). 0 for Mk ≤ 0.
double CrackWidth(double mk, double diameter, double area, const SlabSection& section);

// Bs = Es·As·h0²/(1.15·ψ + 0.2 + 6·αE·ρ), N·mm² per metre, with αE = Es/Ec and ρ = As/(b·h0).
double ShortTermStiffness(double mk, double area, const SlabSection& section);

// B = Mk/(Mq·(θ − 1) + Mk)·Bs; Bs itself when Mk ≤ 0.
double LongTermStiffness(double mk, double mq, double shortTerm, double theta);

}  // namespace qelt::fea
