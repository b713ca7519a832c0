#include "sibling/BeamFunction.h"

#include <algorithm>

#include "mfc/base/Diagnostics.h"

CBeamFunction::CBeamFunction() : m_nDim(0), m_pTable(nullptr) {}

CBeamFunction::~CBeamFunction() { delete[] m_pTable; }

CBeamFunction& CBeamFunction::operator=(const CBeamFunction& other) {
    if (&other == this) return *this;
    SetDimension(other.m_nDim);
    std::copy_n(other.m_pTable, 4 * std::max(other.m_nDim, 0), m_pTable);
    return *this;
}

void CBeamFunction::SetDimension(int n) {
    if (n != m_nDim) {
        delete[] m_pTable;
        m_pTable = n > 0 ? new double[4 * n] : nullptr;
        m_nDim = std::max(n, 0);
    }
    std::fill_n(m_pTable, 4 * m_nDim, 0.0);
}

void CBeamFunction::SetRow(int i, double b, double a, double c, double m) {
    if (i < 0 || i >= m_nDim) {
        qelt::ReportMisuse("CBeamFunction::SetRow(%d) on a table of %d rows", i, m_nDim);
        return;
    }
    double* row = m_pTable + 4 * i;
    row[0] = b;
    row[1] = a;
    row[2] = c;
    row[3] = m;
}
