#include "embed/EmbedLiftingRing.h"

namespace {

struct RingRow {
    int nSteelD;
    float fLoad;
};

const RingRow kRings[] = {
    {8, 5.03f},   {9, 6.36f},   {10, 7.85f}, {11, 9.5f},  {12, 11.31f}, {13, 13.27f},
    {14, 15.39f}, {15, 17.67f}, {16, 20.11f}, {17, 22.7f}, {18, 25.45f}, {19, 28.35f},
    {20, 31.4f},  {21, 34.6f},  {22, 38.0f}, {23, 41.5f}, {24, 45.2f},  {25, 49.1f},
    {26, 53.1f},  {27, 57.3f},  {28, 61.6f}, {30, 70.7f}, {32, 80.4f},  {34, 90.8f},
};

}  // namespace

bool GetRingLoad(int nSteelD, float& fLoad) {
    for (const RingRow& row : kRings) {
        if (row.nSteelD != nSteelD) continue;
        fLoad = row.fLoad;
        return true;
    }
    return false;
}
