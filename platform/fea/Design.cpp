#include "Design.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qelt::fea {

namespace {

const double kPi = 3.14159265358979323846;
const double kDiameters[] = {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 32};

}  // namespace

BarMoments ToBarDirections(double mx, double my, double mxy, double angleDegrees) {
    const double a = angleDegrees * kPi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    return {mx * c * c + my * s * s + 2.0 * mxy * s * c, mx * s * s + my * c * c - 2.0 * mxy * s * c,
            (my - mx) * s * c + mxy * (c * c - s * s)};
}

DesignMoments WoodArmer(const BarMoments& m) {
    const double twist = std::fabs(m.m12);
    DesignMoments d;
    // Bottom: m1 + |m12|, m2 + |m12|; where one comes out negative it is set to 0 and the other
    // takes |m12²/m| of it instead of |m12|.
    double b1 = m.m1 + twist, b2 = m.m2 + twist;
    if (b1 < 0.0) b1 = 0.0, b2 = m.m2 + (m.m1 != 0.0 ? std::fabs(m.m12 * m.m12 / m.m1) : 0.0);
    if (b2 < 0.0) b2 = 0.0, b1 = m.m1 + (m.m2 != 0.0 ? std::fabs(m.m12 * m.m12 / m.m2) : 0.0);
    d.bottom1 = std::max(b1, 0.0), d.bottom2 = std::max(b2, 0.0);
    // Top, the same on the hogging side.
    double t1 = m.m1 - twist, t2 = m.m2 - twist;
    if (t1 > 0.0) t1 = 0.0, t2 = m.m2 - (m.m1 != 0.0 ? std::fabs(m.m12 * m.m12 / m.m1) : 0.0);
    if (t2 > 0.0) t2 = 0.0, t1 = m.m1 - (m.m2 != 0.0 ? std::fabs(m.m12 * m.m12 / m.m2) : 0.0);
    d.top1 = std::max(-t1, 0.0), d.top2 = std::max(-t2, 0.0);
    return d;
}

StripDesign DesignStrip(double moment, const SlabSection& section, double areaFactor) {
    StripDesign result;
    const double h0 = section.thickness - section.barCentroid;
    const double ratio = section.minimumRatio > 0.0 ? section.minimumRatio
                                                    : std::max(0.2, 45.0 * section.ft / section.fy);
    const double minimumArea = ratio / 100.0 * kStripWidth * section.thickness;
    if (!(h0 > 0.0)) {
        result.sectionTooSmall = true;
        result.area = minimumArea * areaFactor;
        return result;
    }
    const double m = std::max(moment, 0.0) * 1e6;  // N·mm per metre
    const double force = section.alpha1 * section.fc * kStripWidth;
    const double xLimit = section.xiB * h0;
    const double discriminant = h0 * h0 - 2.0 * m / force;
    double x = discriminant >= 0.0 ? h0 - std::sqrt(discriminant) : h0;
    if (x > xLimit) {
        result.sectionTooSmall = true;
        x = xLimit;
    }
    const double area = std::max(force * x / section.fy, minimumArea);
    result.area = area * areaFactor;
    return result;
}

double BarArea(double diameter, double spacing) { return kPi * diameter * diameter / 4.0 * kStripWidth / spacing; }

BarChoice ChooseBars(double requiredArea, double leastDiameter, double greatestSpacing, const CrackOfBars& crack,
                     double crackLimit) {
    std::vector<double> spacings;
    for (int s = 100; s <= 250; s += 10) spacings.push_back(s);
    spacings.push_back(300);
    BarChoice best, largest, leastCrack;
    double leastWidth = 0.0;
    for (double d : kDiameters) {
        if (d < leastDiameter) continue;
        for (double s : spacings) {
            if (s > greatestSpacing) continue;
            const double area = BarArea(d, s);
            if (area > largest.area) largest = {d, s, area, BarFit::TooLittleArea};
            if (area < requiredArea) continue;
            const double width = crack(d, area);
            if (width <= crackLimit) {
                if (best.fit != BarFit::Fits || area < best.area) best = {d, s, area, BarFit::Fits};
            } else if (leastCrack.area == 0.0 || width < leastWidth) {
                leastCrack = {d, s, area, BarFit::CrackTooWide};
                leastWidth = width;
            }
        }
    }
    if (best.fit == BarFit::Fits) return best;
    return leastCrack.area > 0.0 ? leastCrack : largest;
}

}  // namespace qelt::fea
