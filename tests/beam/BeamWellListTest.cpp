// What the grid beam hands to the host's list, and which beams its pages and reports list.
#include <gtest/gtest.h>

#include <string>

#include "Printers.h"
#include "beam/BeamWellParam.h"
#include "host/VuskMainInfo.h"

namespace {

TEST(BeamWellList, EntryTextsFollowTheTableAndTheGrid) {
    struct Case {
        const char* pszSupport;
        int nNox, nNoy;
        const char* pszResult;
    } cases[] = {
        {"周边固定", 2, 2,
         "M_A(+)=0.312 kN·m\nM_A(-)=-0.312 kN·m\nV_A=1.250 kN·m\nM_B(+)=0.312 kN·m\nM_B(-)=-0.312 kN·m\nV_B=1.250 kN·m\n"},
        {"周边简支", 4, 3, "M_A1(+)=%s\nM_A1(-)=%s\nV_A1(-)=%s\nM_B1(+)=%s\nM_B1(-)=%s\nV_B=%s\n"},
        {"周边简支", 4, 4, "M_A1(+)=%s\nM_A1(-)=%s\nV_A1(-)=%s\nM_B1(+)=%s\nM_B1(-)=%s\nV_B1(-)=%s\n"},
        {"周边简支", 6, 6, "M_A1(+)=%s\nV_A1=%s\nM_B1(+)=%s\nV_B1=%s\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nNox << " x " << c.nNoy);
        CBeamWellParam param;
        param.strAbutType = c.pszSupport;
        param.nNox = c.nNox;
        param.nNoy = c.nNoy;
        ASSERT_TRUE(param.Calculate());
        param.GetListData();
        const CVuskCmdEntry& entry = g_VuskMainInfo.GetCurCmdEntry();
        EXPECT_EQ(CString("井字梁计算"), entry.strType);
        EXPECT_EQ(CString("JZL-1"), entry.strNumber);
        EXPECT_EQ(1, entry.nBPrint);
        CString strDim;
        strDim.Format("支撑形式:%s\n横向跨数: %d\n纵向跨数: %d\n跨度a: 1000\n跨度b: 1000\n", c.pszSupport, c.nNox, c.nNoy);
        EXPECT_EQ(strDim, entry.strDimInfo);
        EXPECT_EQ(CString("荷载设计值:p =2.500\n"), entry.strLoadInfo);
        if (c.nNox == 2) {
            EXPECT_EQ(CString(c.pszResult), entry.strResultInfo);
        } else {
            // The lines' names, in order; the values come from the tables.
            std::string names;
            std::string text = entry.strResultInfo.Str();
            for (size_t at = 0; at < text.size();) {
                const size_t end = text.find('\n', at);
                names += text.substr(at, text.find('=', at) - at + 1) + "%s\n";
                at = end + 1;
            }
            EXPECT_EQ(c.pszResult, names);
        }
    }
}

TEST(BeamWellList, DistinctBeamsFromTheEdgeInward) {
    struct Case {
        int nNox, nNoy;
        const char* pszLabels;
    } cases[] = {
        {13, 8, "A1 A2 A3 A4 A5 A6 B1 B2 B3 B4"},
        {3, 3, "A B"},
        {5, 2, "A1 A2 B"},
        {4, 3, "A1 A2 B"},
        {2, 2, "A B"},
    };
    for (const Case& c : cases) {
        CBeamWellParam param;
        param.nNox = c.nNox;
        param.nNoy = c.nNoy;
        BEAMWELLROW rows[BW_BEAMS];
        const int nRows = param.GetListedBeams(rows);
        std::string labels;
        for (int i = 0; i < nRows; ++i)
            labels += (i ? " " : "") + std::string(param.GetBeamLabel(rows[i].bFamilyA, rows[i].nIndex).Str());
        EXPECT_EQ(c.pszLabels, labels) << c.nNox << " x " << c.nNoy;
    }
}

}  // namespace
