// CStlcnCheckParam: the parameter objects of the torsion, punching, local and axial compression
// checks. They store, calculate and list themselves as the member-check frame does; their reports
// are laid out differently from the flexural ones:
// - the full report: title, the two underscore lines, "一、构件编号: " and the number, "二、依据规范:"
//   with the code line, the information lines under "三、计算参数" (torsion: "三、计算信息") and the
//   process lines under "四、计算过程";
// - the short report: title, number, "二、尺寸参数:" with the command's dimension lines, the given
//   quantities under "三、荷载参数" (or "三、配筋信息" when the given quantity is reinforcement) and
//   the results under "四、计算结果".
// Every text row is "宋体" 10.5 with the style numbers 0; lines are indented with spaces.
#pragma once

#include "checks/flexural/MemberCheckParam.h"

class CStlcnCheckParam : public CStlcnMemberParam {
public:
    ~CStlcnCheckParam() override;

    int BuildWordS() override;
    int BuildWordC() override;

protected:
    CStlcnCheckParam();

    // The section title of the information lines.
    virtual LPCTSTR GetInfoSectionTitle() const { return "三、计算参数"; }
    // The short report's dimension lines, each a text row of its own.
    virtual void GetShortDimensionText(CStringArray& arrDims) = 0;
    // The section title of the given quantities in the short report.
    virtual LPCTSTR GetShortLoadTitle() const { return "三、荷载参数"; }

    // The short report names its dimensions itself (GetShortDimensionText).
    double GetSectionWidth() const final { return 0; }
    double GetSectionHeight() const final { return 0; }

    // A number rounded to the nearest whole, halves up, as "%d" lines print areas.
    static int RoundHalfUp(double dValue) { return static_cast<int>(dValue + 0.5); }

private:
    void WriteTextRow(CWordObject& word, LPCTSTR lpszText);
};
