// CBeamFunction: the solver's system of the last analysis, one row per node of the beam: the
// rotational stiffness K·θ = M of the supported nodes, K tridiagonal with B left of the diagonal,
// A on it and C right of it (kN·m per radian), and M the nodal moments of all load cases with
// factor 1 (kN·m, counter-clockwise positive). A node whose rotation is not an unknown (a fixed end
// or a free end) has the row B = C = M = 0, A = 1.
#pragma once

class CBeamFunction {
public:
    CBeamFunction();
    virtual ~CBeamFunction();
    CBeamFunction(const CBeamFunction&) = delete;
    CBeamFunction& operator=(const CBeamFunction& other);

    int IsEmpty() const { return m_nDim <= 0; }
    int getDimension() const { return m_nDim; }
    // The value of row i; 0.0 for a row outside 0 .. n - 1.
    double MatrixA(int i) const { return Entry(i, 1); }
    double MatrixB(int i) const { return Entry(i, 0); }
    double MatrixC(int i) const { return Entry(i, 2); }
    double MatrixM(int i) const { return Entry(i, 3); }

    // n rows of zeros (none for n <= 0).
    void SetDimension(int n);
    void SetRow(int i, double b, double a, double c, double m);

private:
    double Entry(int i, int column) const { return i >= 0 && i < m_nDim ? m_pTable[4 * i + column] : 0.0; }

    int m_nDim;
    double* m_pTable;  // n rows of B, A, C, M
};
