// CPreComPage: the shape shared by the embedded part's eight anchor-type pages. A page is a plain
// child dialog of the main page CPreComDlg, holding a pointer to the main page's record; it reads
// every control into the record as soon as the control changes, correcting a bad or out-of-range
// value at once against the value stored for it, draws a plan and a section of its anchor type and
// writes its capacities of the main page's load case into the main page's N, M and V statics.
#pragma once

#include <initializer_list>
#include <utility>

#include "embed/EmbedInputCorrection.h"
#include "embed/EmbedPicture.h"
#include "embed/PreComParam.h"
#include "mfc/Afx.h"

// Load cases of the main page.
enum {
    PRECOM_TENSION = 0,             // 拉
    PRECOM_SHEAR = 1,               // 剪
    PRECOM_BEND_SHEAR = 2,          // 弯剪
    PRECOM_TENSION_BEND_SHEAR = 3,  // 拉弯剪
    PRECOM_PRESS_BEND_SHEAR = 4     // 压弯剪
};

class CPreComPage : public CDialog {
    DECLARE_DYNAMIC(CPreComPage)

public:
    explicit CPreComPage(UINT nIDTemplate);

    // Keeps the record; before the page's window exists.
    void SetData(CPreComParam* pParam) { m_pParam = pParam; }

    // Reads every control into the record, correcting as the page's limits say.
    virtual void ReadInputs() = 0;
    // Calculates and writes the capacities of the current load case into the main page.
    virtual void ShowResults() = 0;
    // The plan, then the section.
    void DrawPictures();
    virtual void DrawPlan() = 0;
    // A page without a section picture draws none.
    virtual void DrawSection() {}

protected:
    // What a changed input does: read the controls, then show the capacities; a changed shape or
    // layout is drawn again in between.
    void ReadAndShow();
    void ReadDrawAndShow();

    // The main page's load case; 拉 outside a main page.
    int GetLoadCase() const;
    BOOL IsShearCase() const { return GetLoadCase() == PRECOM_SHEAR; }
    // Writes the three statics of the main page.
    void ShowCapacities(const CString& strN, const CString& strM, const CString& strV);
    static CString FormatCapacity(double dValue);

    BOOL IsEnabled(UINT nID) const;
    void Enable(UINT nID, BOOL bEnable);

    // An integer edit against its stored value and limits, in order; a disabled edit is not read. A
    // refused text of the edit being typed into brings the range message (EmbedInputMessage.h).
    void ReadInt(UINT nID, int& nStored, std::initializer_list<EmbedIntLimit> limits);
    // A decimal edit in dMin..dMax against its stored value; a disabled edit is not read. A refused text
    // of the edit being typed into brings the range message.
    void ReadDouble(UINT nID, double& dStored, double dMin, double dMax);

    // Writes stored values into their edits before the first reading: integers "%d", loads "%.3f".
    void ShowStored(std::initializer_list<std::pair<UINT, int>> values);
    void ShowStoredLoads(UINT nIDN, UINT nIDM, UINT nIDV, const CPreComForces& forces);
    void ShowInt(UINT nID, int nValue);
    void ShowLoad(UINT nID, double dValue);

    // The spacing b, anchorage la, plate t and row spacing b1 of the bar pages 5 to 7, in that order,
    // by the shear limits when the main page is in shear (rows at least nShearB1Min apart), else by
    // the tension ones.
    void ReadBarsAndPlate(CPreComAnchorGroup& g, UINT nIDB, UINT nIDLa, UINT nIDT, UINT nIDB1, int nShearB1Min);
    // An edge distance: at least 20, at most 12·t, at least 2·d.
    void ReadEdge(UINT nID, int& nStored, int t, int d);

    // The loads of the main page's case, yellow, left of a plate section whose face is at xFace: N
    // away from the plate (toward it in 压弯剪), V downward, the lever arm "e" in 弯剪, the moment arc
    // "M" in the combined cases.
    void DrawSectionLoads(CEmbedPicture& pic, int xFace) const;

    // Drop-down lists: filled with the texts; the item with the exact text selected, else item 0.
    void FillCombo(UINT nID, std::initializer_list<LPCTSTR> texts);
    void FillCombo(UINT nID, const CStringArray& texts);
    void SelectText(UINT nID, const CString& strText);
    int SelectedIndex(UINT nID) const;
    CString SelectedText(UINT nID) const;

    // The shared lists of the capacity pages, each read into the record and selected from it when the
    // list has no selection.
    void FillConcrete(UINT nID, int nConLevel);
    void ReadConcrete(UINT nID, int& nConLevel);
    void FillBars(UINT nID, int nSteelD);
    void ReadBar(UINT nID, int& nSteelD);
    void SelectLayout(UINT nID, int nRows, int nColumns);
    void ReadLayout(UINT nID, int& nRows, int& nColumns);
    void FillWidths(UINT nID);
    // The detailing pages' diameters "6" .. "25".
    void FillDetailDiameters(UINT nID, int nSteelD);
    void ReadDetailDiameter(UINT nID, int& nSteelD);
    // The number of the selected reduction factor.
    double ReadFactorK(UINT nID) const;

    // The text of a bar of diameter d in the designation list: "I-8", "II-20".
    static CString BarText(int nSteelD);
    static CString LayoutText(int nRows, int nColumns);

    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    CPreComParam* m_pParam = nullptr;
};
