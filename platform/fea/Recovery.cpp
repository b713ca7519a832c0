#include "Recovery.h"

#include "DktElement.h"

namespace qelt::fea {

namespace {

const double kMomentUnit = 1e-3;  // N·mm/mm in kN·m/m
const double kForceUnit = 1e-3;   // N in kN

ElementVector ElementValues(const Eigen::VectorXd& values, const std::array<int, 3>& t) {
    ElementVector u;
    for (int a = 0; a < 3; ++a)
        for (int k = 0; k < 3; ++k) u(3 * a + k) = values(3 * t[a] + k);
    return u;
}

}  // namespace

Eigen::VectorXd ExpandSolution(const Equations& equations, const Eigen::VectorXd& freeValues) {
    Eigen::VectorXd values = Eigen::VectorXd::Zero(equations.free.size());
    for (std::size_t v = 0; v < equations.free.size(); ++v)
        if (equations.free[v] >= 0) values(v) = freeValues(equations.free[v]);
    return values;
}

NodalResults RecoverResults(const Mesh& mesh, const Eigen::VectorXd& values, double rigidity, double poisson) {
    const std::size_t count = mesh.nodes.size();
    NodalResults results;
    results.w.resize(count);
    for (std::size_t n = 0; n < count; ++n) results.w[n] = values(3 * n);
    std::vector<Eigen::Vector3d> sums(count, Eigen::Vector3d::Zero());
    std::vector<double> weights(count, 0.0);
    for (const auto& t : mesh.triangles) {
        const DktElement element(mesh.nodes[t[0]], mesh.nodes[t[1]], mesh.nodes[t[2]], rigidity, poisson);
        const Eigen::Matrix3d moments = element.CornerMoments(ElementValues(values, t));
        for (int a = 0; a < 3; ++a) {
            sums[t[a]] += element.Area() * moments.col(a);
            weights[t[a]] += element.Area();
        }
    }
    results.mx.resize(count), results.my.resize(count), results.mxy.resize(count);
    for (std::size_t n = 0; n < count; ++n) {
        const Eigen::Vector3d m = weights[n] > 0.0 ? Eigen::Vector3d(sums[n] / weights[n] * kMomentUnit)
                                                   : Eigen::Vector3d::Zero();
        results.mx[n] = m(0), results.my[n] = m(1), results.mxy[n] = m(2);
    }
    return results;
}

std::vector<double> Reactions(const Mesh& mesh, const Equations& equations, const Eigen::VectorXd& values,
                              const Eigen::VectorXd& loads, double rigidity, double poisson) {
    Eigen::VectorXd residual = loads;
    auto heldW = [&](int node) { return equations.free[3 * node] < 0; };
    for (const auto& t : mesh.triangles) {
        if (!heldW(t[0]) && !heldW(t[1]) && !heldW(t[2])) continue;  // touches no reaction
        const DktElement element(mesh.nodes[t[0]], mesh.nodes[t[1]], mesh.nodes[t[2]], rigidity, poisson);
        const ElementVector f = element.Stiffness() * ElementValues(values, t);
        for (int a = 0; a < 3; ++a)
            for (int k = 0; k < 3; ++k) residual(3 * t[a] + k) -= f(3 * a + k);
    }
    std::vector<double> reactions(mesh.nodes.size(), 0.0);
    for (std::size_t n = 0; n < mesh.nodes.size(); ++n)
        if (heldW(static_cast<int>(n))) reactions[n] = residual(3 * n) * kForceUnit;
    return reactions;
}

}  // namespace qelt::fea
