#include "slab/rect/EdgeCodes.h"

#include <cstdio>
#include <cstring>

#include "slab/rect/SlabRecords.h"

namespace {

const ElasticCodeEntry g_ElasticEdgeCodes[] = {
    {"1111", 1, 0},
    {"1101", 2, 0}, {"0111", 2, 0}, {"1011", 2, 0}, {"1110", 2, 0},
    {"1100", 3, 0}, {"0011", 3, 0},
    {"0000", 4, 0},
    {"1001", 5, 0}, {"0101", 5, 0}, {"0110", 5, 0}, {"1010", 5, 0},
    {"1000", 6, 0}, {"0100", 6, 0}, {"0010", 6, 0}, {"0001", 6, 0},
    {"2111", 7, 0}, {"1211", 7, 0}, {"1121", 7, 0}, {"1112", 7, 0},
    {"2011", 8, 0}, {"0211", 8, 0}, {"1120", 8, 0}, {"1102", 8, 0},
    {"2100", 9, 0}, {"1200", 9, 0}, {"0021", 9, 0}, {"0012", 9, 0},
    {"2000", 10, 0}, {"0200", 10, 0}, {"0020", 10, 0}, {"0002", 10, 0},
    {"2222", 11, 4},
    {"2121", 12, 1}, {"1212", 12, 1}, {"1221", 12, 1}, {"2112", 12, 1},
    {"1222", 13, 2}, {"2122", 13, 2}, {"2212", 13, 2}, {"2221", 13, 2},
};

const PlasticCodeEntry g_PlasticEdgeCodes[] = {
    {"0000", 14}, {"0100", 15}, {"1000", 15}, {"0010", 16}, {"0001", 16}, {"1001", 17},
    {"1010", 17}, {"0101", 17}, {"0110", 17}, {"0011", 18}, {"1100", 19}, {"1011", 20},
    {"0111", 20}, {"1101", 21}, {"1110", 21}, {"1111", 22},
};

// The posts standing where both adjacent edges are free.
int CountPostsBetweenFreeEdges(const int* pEdges) {
    const int nCorners[4][3] = {{POST_TOPLEFT, EDGE_TOP, EDGE_LEFT},
                                {POST_TOPRIGHT, EDGE_TOP, EDGE_RIGHT},
                                {POST_BOTTOMLEFT, EDGE_BOTTOM, EDGE_LEFT},
                                {POST_BOTTOMRIGHT, EDGE_BOTTOM, EDGE_RIGHT}};
    int nCount = 0;
    for (const auto& corner : nCorners)
        if (pEdges[corner[0]] && pEdges[corner[1]] == SLAB_FREE && pEdges[corner[2]] == SLAB_FREE) ++nCount;
    return nCount;
}

}  // namespace

const ElasticCodeEntry* GetElasticCodeTable() { return g_ElasticEdgeCodes; }
int GetElasticCodeCount() { return sizeof g_ElasticEdgeCodes / sizeof g_ElasticEdgeCodes[0]; }
const PlasticCodeEntry* GetPlasticCodeTable() { return g_PlasticEdgeCodes; }
int GetPlasticCodeCount() { return sizeof g_PlasticEdgeCodes / sizeof g_PlasticEdgeCodes[0]; }

void MakeElasticKey(char* pszKey, const int* pEdges) {
    std::snprintf(pszKey, 12, "%d%d%d%d", pEdges[EDGE_TOP], pEdges[EDGE_BOTTOM], pEdges[EDGE_LEFT], pEdges[EDGE_RIGHT]);
}

void MakeEdgeCode(char* pszKey, const int* pEdges, int nLx, int nLy) {
    if (!pszKey) return;
    if (nLx < nLy)
        std::snprintf(pszKey, 12, "%d%d%d%d", pEdges[EDGE_LEFT], pEdges[EDGE_RIGHT], pEdges[EDGE_TOP], pEdges[EDGE_BOTTOM]);
    else
        MakeElasticKey(pszKey, pEdges);
}

int FindElasticCase(const int* pEdges) {
    char szKey[16];
    MakeElasticKey(szKey, pEdges);
    int nPosts = 0;
    for (int i = POST_TOPLEFT; i <= POST_BOTTOMRIGHT; ++i)
        if (pEdges[i]) ++nPosts;
    if (CountPostsBetweenFreeEdges(pEdges) != nPosts) return -1;
    for (int i = 0; i < GetElasticCodeCount(); ++i) {
        const ElasticCodeEntry& entry = g_ElasticEdgeCodes[i];
        if (std::strncmp(entry.szCode, szKey, std::strlen(szKey)) == 0 && entry.nPosts == nPosts) return entry.nCase;
    }
    return -1;
}

int FindPlasticCase(const int* pEdges, int nLx, int nLy) {
    char szKey[16];
    MakeEdgeCode(szKey, pEdges, nLx, nLy);
    for (int i = 0; i < GetPlasticCodeCount(); ++i)
        if (std::strcmp(g_PlasticEdgeCodes[i].szCode, szKey) == 0) return g_PlasticEdgeCodes[i].nCase;
    return -1;
}
