// CStlcnMemberParam: what the parameter objects of the member checks share. A member check holds,
// stores, calculates and reports one member; this base does the parts that are the same for each:
// - ReadParam and WriteParam walk the class's stored fields (ExchangeParams) under the key prefix;
// - BuildWordC writes the full report's frame (title, header lines, member number, basis,
//   information and process lines), BuildWordS the short report's (title, member number, b and h,
//   the given quantities and the results);
// - GetListData hands the list texts to the host, OnHelpInfo opens the command's help topic.
// A class gives its fields, texts and lines through the pure virtual operations below.
#pragma once

#include <type_traits>

#include "checks/flexural/MemberUnits.h"
#include "host/VuskParam.h"
#include "mfc/base/Array.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CParamExchange;

class CStlcnMemberParam : public CVuskParam {
public:
    ~CStlcnMemberParam() override;

    BOOL ReadParam(const CString& strPrefix) override;
    BOOL WriteParam(const CString& strPrefix) override;
    int BuildWordS() override;
    int BuildWordC() override;
    void GetListData() override;
    BOOL OnHelpInfo(HELPINFO* pHelpInfo) override;

    // Empties the basis lines and adds the one code the member checks follow.
    CStringArray& GetBasisText();

    // The code's minimum ratio of tension steel, max(0.2 %, 0.45·ft/fy), as a fraction.
    static double GetCodeMinRatio(double dFt, double dFy);

    CStringArray m_arrBasisText;    // "二、设计依据" of the full report
    CStringArray m_arrInfoText;     // "三、计算信息"
    CStringArray m_arrProcessText;  // "四、计算过程"

protected:
    CStlcnMemberParam();

    // The stored fields in their key order, "/strNumber" first.
    virtual void ExchangeParams(CParamExchange& px) = 0;
    // The title of both reports for the current mode, ending in "\n".
    virtual CString GetReportTitle() = 0;
    // Fills the information and the process lines of the current mode.
    virtual void FillReportText() = 0;
    // The short report: section width and height, then the lines under "三、荷载参数" and "四、计算结果".
    virtual double GetSectionWidth() const = 0;
    virtual double GetSectionHeight() const = 0;
    virtual void GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) = 0;
    // Sets the four list texts of the base (strCmdType, strDimInfo, strLoadInfo, strResultInfo).
    virtual void FillListText() = 0;
    // The letters of the command's help topic ("ZHJMJS").
    virtual LPCTSTR GetHelpTopic() const = 0;

    // A number with that many decimals, as every report line prints it; never more than 15
    // significant digits: fewer decimals for a large number, a power of ten beyond 15 whole digits.
    static CString FormatNum(double dValue, int nDecimals);
    // The information line of as: named as 0.1h or 0.2h when it is exactly that share of h.
    static CString AsInfoLine(double dAs, double dH);

    // Appends one line made from a printf format; CString arguments are passed as their texts.
    template <typename... Args>
    static void AddLine(CStringArray& arrLines, LPCTSTR lpszFormat, const Args&... args) {
        if constexpr (sizeof...(Args) == 0) {
            arrLines.Add(CString(lpszFormat));
        } else {
            CString strLine;
            strLine.Format(lpszFormat, FormatArg(args)...);
            arrLines.Add(strLine);
        }
    }

private:
    template <typename T>
    static auto FormatArg(const T& value) {
        if constexpr (std::is_same_v<T, CString>)
            return static_cast<LPCTSTR>(value);
        else
            return value;
    }

    BOOL ExchangeAll(const CString& strPrefix, BOOL bSave);
    void WriteShortText(LPCTSTR lpszText);
};
