#include "PlasticRules.h"

#include <cmath>

namespace slabtables {

namespace {

// Half upward at the given number of decimals; the small lift keeps a computed 0.03125 a half.
double RoundHalfUp(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::floor(value * scale + 0.5 + 1e-7) / scale;
}

// The pairs α₁/α₂ of the six sequences at n = 1.00, 1.05 … 2.00.
enum Sequence { A, S, P, Q, R, T };
const double kAlphas[6][21][2] = {
    {{1, 1.2}, {0.9, 1.1}, {0.85, 1.05}, {0.75, 0.95}, {0.7, 0.9}, {0.65, 0.85}, {0.6, 0.8},
     {0.55, 0.75}, {0.5, 0.7}, {0.5, 0.7}, {0.45, 0.65}, {0.4, 0.6}, {0.4, 0.6}, {0.35, 0.55},
     {0.35, 0.55}, {0.35, 0.55}, {0.35, 0.55}, {0.3, 0.5}, {0.3, 0.5}, {0.25, 0.45}, {0.25, 0.45}},
    {{0.9, 1.1}, {0.8, 1}, {0.75, 0.95}, {0.7, 0.9}, {0.65, 0.85}, {0.6, 0.8}, {0.55, 0.75},
     {0.5, 0.7}, {0.45, 0.65}, {0.45, 0.65}, {0.4, 0.6}, {0.4, 0.6}, {0.35, 0.55}, {0.35, 0.55},
     {0.35, 0.55}, {0.3, 0.5}, {0.3, 0.5}, {0.3, 0.5}, {0.25, 0.45}, {0.25, 0.45}, {0.25, 0.45}},
    {{0.65, 0.75}, {0.6, 0.7}, {0.6, 0.7}, {0.55, 0.65}, {0.5, 0.6}, {0.5, 0.6}, {0.45, 0.55},
     {0.45, 0.55}, {0.4, 0.5}, {0.4, 0.5}, {0.4, 0.5}, {0.35, 0.45}, {0.35, 0.45}, {0.35, 0.45},
     {0.35, 0.45}, {0.3, 0.4}, {0.3, 0.4}, {0.3, 0.4}, {0.3, 0.4}, {0.25, 0.35}, {0.25, 0.35}},
    {{0.7, 0.85}, {0.65, 0.75}, {0.6, 0.75}, {0.55, 0.7}, {0.55, 0.65}, {0.5, 0.6}, {0.45, 0.6},
     {0.45, 0.55}, {0.4, 0.55}, {0.4, 0.5}, {0.4, 0.5}, {0.35, 0.45}, {0.35, 0.45}, {0.35, 0.45},
     {0.35, 0.45}, {0.3, 0.4}, {0.3, 0.4}, {0.3, 0.4}, {0.3, 0.4}, {0.25, 0.35}, {0.25, 0.35}},
    {{0.75, 0.9}, {0.7, 0.85}, {0.65, 0.8}, {0.6, 0.75}, {0.55, 0.7}, {0.5, 0.65}, {0.5, 0.65},
     {0.45, 0.6}, {0.4, 0.55}, {0.4, 0.55}, {0.4, 0.5}, {0.35, 0.5}, {0.35, 0.45}, {0.3, 0.45},
     {0.3, 0.45}, {0.3, 0.45}, {0.3, 0.45}, {0.3, 0.4}, {0.25, 0.4}, {0.25, 0.35}, {0.25, 0.35}},
    {{0.85, 1}, {0.75, 0.9}, {0.7, 0.85}, {0.6, 0.8}, {0.55, 0.75}, {0.55, 0.7}, {0.5, 0.65},
     {0.45, 0.6}, {0.4, 0.55}, {0.4, 0.55}, {0.35, 0.5}, {0.35, 0.5}, {0.3, 0.45}, {0.3, 0.45},
     {0.3, 0.45}, {0.25, 0.4}, {0.25, 0.4}, {0.25, 0.4}, {0.25, 0.35}, {0.25, 0.35}, {0.25, 0.35}},
};

struct BlockRule {
    Sequence sequence;
    double raise;
};

struct CaseRule {
    const char* code;  // long, long, short, short: 0 fixed, 1 simply supported
    BlockRule blocks[3];  // β = 2.0, 1.6, 1.2
};

const CaseRule kCases[9] = {
    {"0000", {{A, 0}, {A, 0}, {A, 0}}},        // 14
    {"0100", {{S, 0}, {S, 0}, {S, 0}}},        // 15
    {"0010", {{A, 0.1}, {A, 0.1}, {A, 0.1}}},  // 16
    {"1001", {{A, 0}, {A, 0}, {A, 0}}},        // 17
    {"0011", {{A, 0.3}, {A, 0.2}, {A, 0.1}}},  // 18
    {"1100", {{P, 0}, {Q, 0}, {R, 0}}},        // 19
    {"1011", {{A, 0.2}, {A, 0.1}, {A, 0}}},    // 20
    {"1101", {{Q, 0}, {R, 0}, {T, 0}}},        // 21
    {"1111", {{A, 0}, {A, 0}, {A, 0}}},        // 22
};

const double kBetas[3] = {2.0, 1.6, 1.2};

}  // namespace

double YieldLineZeta(double n, double alpha, const double restraint[4]) {
    const double a = 2.0 / (std::sqrt(1 + restraint[0]) + std::sqrt(1 + restraint[1]));
    const double b = 2.0 * (n / std::sqrt(alpha)) / (std::sqrt(1 + restraint[2]) + std::sqrt(1 + restraint[3]));
    const double s = std::fmin(a, b), t = std::fmax(a, b);
    const double r = s / t;
    const double root = std::sqrt(3 + r * r) - r;
    return RoundHalfUp(s * s / 24.0 * root * root, 4);
}

double CurtailmentFactor(double n, double alpha, double beta, int fixedLong, int fixedShort) {
    const double k = beta * (fixedLong * n + fixedShort * alpha);
    return RoundHalfUp((2 * n + 2 * alpha + k) / (2 * n - 0.5 + 1.5 * alpha + k), 2);
}

std::vector<PlasticRow> PlasticTable(int plasticCase) {
    const CaseRule& rule = kCases[plasticCase - 14];
    const int blocks = plasticCase == 22 ? 1 : 3;
    std::vector<PlasticRow> table;
    for (int block = 0; block < blocks; ++block) {
        const double beta = kBetas[block];
        double restraint[4];
        int fixedLong = 0, fixedShort = 0;
        for (int e = 0; e < 4; ++e) {
            const bool fixed = rule.code[e] == '0';
            restraint[e] = fixed ? beta : 0.0;
            (e < 2 ? fixedLong : fixedShort) += fixed;
        }
        for (int k = 0; k < 21; ++k) {
            const double n = 1.0 + 0.05 * k;
            PlasticRow row{};
            row[0] = n;
            for (int j = 0; j < 2; ++j) {
                const double alpha =
                    RoundHalfUp(kAlphas[rule.blocks[block].sequence][k][j] + rule.blocks[block].raise, 2);
                row[1 + 3 * j] = alpha;
                row[2 + 3 * j] = YieldLineZeta(n, alpha, restraint);
                row[3 + 3 * j] = CurtailmentFactor(n, alpha, beta, fixedLong, fixedShort);
            }
            table.push_back(row);
        }
    }
    return table;
}

}  // namespace slabtables
