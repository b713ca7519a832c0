// The support cases of a rectangular slab by its edge codes: the elastic list (cases 1–13, with
// the corner posts each case needs) and the plastic list (cases 14–22, keyed long edges first).
#pragma once

struct ElasticCodeEntry {
    char szCode[12];  // Top, Bottom, Left, Right
    int nCase;
    int nPosts;
};

struct PlasticCodeEntry {
    char szCode[12];  // the two long edges, then the two short ones
    int nCase;
};

const ElasticCodeEntry* GetElasticCodeTable();
int GetElasticCodeCount();
const PlasticCodeEntry* GetPlasticCodeTable();
int GetPlasticCodeCount();

// Keys are written into buffers of 12 characters, as the lists hold them.
// The elastic key "%d%d%d%d" of Top, Bottom, Left, Right.
void MakeElasticKey(char* pszKey, const int* pEdges);

// The plastic key: Left, Right, Top, Bottom when Lx < Ly, else Top, Bottom, Left, Right. Nothing
// when the buffer is missing.
void MakeEdgeCode(char* pszKey, const int* pEdges, int nLx, int nLy);

// The elastic case of the slab: its key and its posts, every post standing where two free edges
// meet; −1 when no row matches.
int FindElasticCase(const int* pEdges);

// The plastic case of the slab (posts are not looked at); −1 when no row matches.
int FindPlasticCase(const int* pEdges, int nLx, int nLy);
