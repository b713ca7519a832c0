#pragma once

#include "acge/Point3d.h"

#include <cstddef>
#include <vector>

// The growable array of points in which the geometry hands out point lists.
class PointArray {
public:
    int length() const { return static_cast<int>(m_points.size()); }
    bool isEmpty() const { return m_points.empty(); }
    PointArray& append(const AcGePoint3d& p)
    {
        m_points.push_back(p);
        return *this;
    }
    // Inserts p before index i (i = length() appends); removes the point at index i.
    PointArray& insertAt(int i, const AcGePoint3d& p)
    {
        m_points.insert(m_points.begin() + i, p);
        return *this;
    }
    PointArray& removeAt(int i)
    {
        m_points.erase(m_points.begin() + i);
        return *this;
    }
    void removeAll() { m_points.clear(); }
    const AcGePoint3d& at(int i) const { return m_points.at(static_cast<std::size_t>(i)); }
    AcGePoint3d& operator[](int i) { return m_points.at(static_cast<std::size_t>(i)); }
    const AcGePoint3d& operator[](int i) const { return at(i); }
    AcGePoint3d& last() { return m_points.back(); }

private:
    std::vector<AcGePoint3d> m_points;
};
