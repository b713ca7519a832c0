#pragma once

// The picture elements that come back with the analysis results. A line belongs to the result
// picture equal to its kind, a text to the picture of its third option.

#include "acge/Point3d.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CBoardResultPoint {
public:
    AcGePoint3d GetPoint() const { return m_Point; }
    void SetPoint(AcGePoint3d point) { m_Point = point; }
    double GetSize() const { return m_dSize; }
    void SetSize(double size) { m_dSize = size; }
    COLORREF GetColor() const { return m_Color; }
    void SetColor(COLORREF color) { m_Color = color; }

    AcGePoint3d m_Point;
    double m_dSize = 200.0;
    COLORREF m_Color = 0xFFFFFF;
};

class CBoardResultLine {
public:
    AcGePoint3d GetStartPoint() const { return m_StartPt; }
    void SetStartPoint(AcGePoint3d point) { m_StartPt = point; }
    AcGePoint3d GetEndPoint() const { return m_EndPt; }
    void SetEndPoint(AcGePoint3d point) { m_EndPt = point; }
    COLORREF GetColor() const { return m_Color; }
    void SetColor(COLORREF color) { m_Color = color; }
    int GetKind() const { return m_nKind; }
    void SetKind(int kind) { m_nKind = kind; }

    AcGePoint3d m_StartPt;
    AcGePoint3d m_EndPt;
    COLORREF m_Color = 0xFFFFFF;
    int m_nKind = -1;
};

class CBoardResultText {
public:
    CBoardResultText() = default;
    CBoardResultText(const CString& text, double height, COLORREF color, AcGePoint3d first,
                     AcGePoint3d second, int textMode, int firstOption, int picture)
        : m_strText(text), m_dHeight(height), m_Color(color), m_FirstPt(first), m_SecondPt(second),
          m_nFirstOption(firstOption), m_nTextMode(textMode), m_nPicture(picture)
    {
    }

    CString GetText() const { return m_strText; }
    void SetText(const CString& text) { m_strText = text; }
    double GetHeight() const { return m_dHeight; }
    void SetHeight(double height) { m_dHeight = height; }
    COLORREF GetColor() const { return m_Color; }
    void SetColor(COLORREF color) { m_Color = color; }
    AcGePoint3d GetFirstPoint() const { return m_FirstPt; }
    void SetFirstPoint(AcGePoint3d point) { m_FirstPt = point; }
    AcGePoint3d GetSecondPoint() const { return m_SecondPt; }
    void SetSecondPoint(AcGePoint3d point) { m_SecondPt = point; }
    int GetFirstOption() const { return m_nFirstOption; }
    void SetFirstOption(int option) { m_nFirstOption = option; }
    int GetTextMode() const { return m_nTextMode; }
    void SetTextMode(int mode) { m_nTextMode = mode; }
    int GetPicture() const { return m_nPicture; }
    void SetPicture(int picture) { m_nPicture = picture; }

    CString m_strText;
    double m_dHeight = 0.0;
    COLORREF m_Color = 0xFFFFFF;
    AcGePoint3d m_FirstPt;
    AcGePoint3d m_SecondPt;
    int m_nFirstOption = 1;
    int m_nTextMode = 1;
    int m_nPicture = 2;
};
