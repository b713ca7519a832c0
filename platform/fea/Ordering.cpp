#include "Ordering.h"

#include <cholmod.h>

#include <numeric>

#include "LargePages.h"

namespace qelt::fea {

bool OrderNodes(const NodeGraph& graph, const std::vector<std::array<bool, 3>>& held, Ordering method,
                std::vector<int>& order) {
    const int nodeCount = static_cast<int>(held.size());
    order.resize(nodeCount);
    std::iota(order.begin(), order.end(), 0);
    // The graph of the nodes with free values, renumbered in node order, as the upper triangle by
    // columns (each column's rows are its neighbours numbered before it).
    std::vector<int> compact(nodeCount, -1), nodeOf;
    for (int n = 0; n < nodeCount; ++n)
        if (!held[n][0] || !held[n][1] || !held[n][2]) {
            compact[n] = static_cast<int>(nodeOf.size());
            nodeOf.push_back(n);
        }
    const int count = static_cast<int>(nodeOf.size());
    if (count == 0) return true;
    std::vector<int> columnStart(count + 1, 0), rows;
    rows.reserve(graph.neighbours.size() / 2);
    for (int c = 0; c < count; ++c) {
        const int n = nodeOf[c];
        for (int k = graph.start[n]; k < graph.start[n + 1] && graph.neighbours[k] < n; ++k)
            if (compact[graph.neighbours[k]] >= 0) rows.push_back(compact[graph.neighbours[k]]);
        columnStart[c + 1] = static_cast<int>(rows.size());
    }

    cholmod_sparse pattern{};
    pattern.nrow = pattern.ncol = static_cast<size_t>(count);
    pattern.nzmax = rows.size();
    pattern.p = columnStart.data();
    pattern.i = rows.data();
    pattern.stype = 1;
    pattern.itype = CHOLMOD_INT;
    pattern.xtype = CHOLMOD_PATTERN;
    pattern.dtype = CHOLMOD_DOUBLE;
    pattern.sorted = 1;
    pattern.packed = 1;

    // CHOLMOD's symbolic analysis of the node graph orders it and postorders the order on its
    // elimination tree, which keeps each subtree's columns together for the supernodal factor.
    const int methods[] = {CHOLMOD_AMD, CHOLMOD_METIS, CHOLMOD_NESDIS};
    const int wanted = methods[static_cast<int>(method)];
    UseLargePagesForCholmod();
    cholmod_common common;
    cholmod_start(&common);
    common.nmethods = 1;
    common.method[0].ordering = wanted;
    common.postorder = 1;
    common.supernodal = CHOLMOD_SIMPLICIAL;
    cholmod_factor* symbolic = cholmod_analyze(&pattern, &common);
    // CHOLMOD falls back to AMD when nested dissection fails; that is no order of the method asked for.
    const bool done = symbolic && common.status == CHOLMOD_OK && symbolic->ordering == wanted;
    std::vector<int> permutation;
    if (done) permutation.assign(static_cast<int*>(symbolic->Perm), static_cast<int*>(symbolic->Perm) + count);
    if (symbolic) cholmod_free_factor(&symbolic, &common);
    cholmod_finish(&common);
    if (!done) return false;

    int next = 0;
    for (int c : permutation) order[next++] = nodeOf[c];
    for (int n = 0; n < nodeCount; ++n)
        if (compact[n] < 0) order[next++] = n;
    return true;
}

}  // namespace qelt::fea
