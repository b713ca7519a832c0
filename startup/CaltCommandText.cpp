#include "startup/CaltCommandText.h"

#include <cstring>

#include "mfc/base/Encoding.h"

// Every description but those of the continuous beam and the irregular slab closes with what the
// engineer does; the stairs and the embedded part also draw.
#define CALT_CLOSING "用户在输入基本已知条件之后，按“计算”按钮，即可得到符合规范的正确结果"
#define CALT_CLOSING_DRAWING CALT_CLOSING "，同时生成规范化的施工图，可以直接插入AutoCAD图中"

static const CALTCOMMANDTEXT s_commandTexts[] = {
    { "C:ZHJMJS", "受弯构件正截面承载力设计",
      "根据用户需要，对矩形和T形截面受弯构件进行正截面承载力计算。计算类型包括已知弯矩求配筋和"
      "已知配筋求弯矩，可按单筋截面或双筋截面计算，并自动计算最小配筋率。" CALT_CLOSING "。" },
    { "C:XJMJS", "受弯构件斜截面承载力设计",
      "根据用户需要，对矩形和T形截面受弯构件进行斜截面承载力计算。计算类型包括已知剪力求箍筋和"
      "已知箍筋求剪力，可按均布荷载作用下的一般梁或集中荷载作用下的独立梁计算，并自动计算最小配箍率。"
      CALT_CLOSING "。" },
    { "C:ZHXSHY", "轴心受压构件正截面承载力",
      "根据用户需要，对矩形和圆形截面轴心受压构件进行正截面承载力计算。计算类型包括已知轴力求配筋和"
      "已知配筋求轴力，计算纵向受力钢筋。" CALT_CLOSING "。" },
    { "C:WJNJS", "弯剪扭承载力设计",
      "根据用户需要，对矩形和T形截面纯扭构件进行受扭承载力计算。计算类型包括已知扭矩求配筋和"
      "已知配筋求扭矩，计算箍筋和受扭纵向钢筋，并自动计算最小配筋率。" CALT_CLOSING "。" },
    { "C:SHZHJM", "深受弯构件正截面承载力设计",
      "根据用户需要，对矩形截面深受弯构件进行正截面承载力计算，适用于lo/h<5.0的简支单跨梁或连续梁。"
      "计算纵向受拉钢筋，并自动计算最小配筋率。" CALT_CLOSING "。" },
    { "C:SHXJM", "深受弯构件斜截面承载力设计",
      "根据用户需要，对深受弯构件进行斜截面承载力计算，适用于lo/h<5.0的情况。计算类型包括已知剪力和"
      "竖向分布钢筋求水平分布钢筋、已知剪力和水平分布钢筋求竖向分布钢筋、已知水平和竖向分布钢筋求剪力"
      "三种，可按均布荷载或集中荷载两种荷载情况计算，并自动计算最小配筋率。" CALT_CLOSING "。" },
    { "C:CHQJS", "冲切承载力计算",
      "根据用户需要，对板在局部荷载或集中反力作用下进行冲切承载力计算。可按不配置或配置抗冲切钢筋计算，"
      "抗冲切钢筋可采用箍筋或弯起钢筋。" CALT_CLOSING "。" },
    { "C:JBSHY", "局部受压承载力验算",
      "根据用户需要，对构件进行局部受压承载力计算。间接钢筋可采用方格网式或螺旋式，局部受压的计算底面积"
      "可按三边临空、两边临空、对边临空、一边临空、四边矩形和四边圆形六种布置情况计算。" CALT_CLOSING "。" },
    { "C:JXBJS", "矩形板计算",
      "根据用户需要，对不同类型、荷载情况和支撑方式的单块矩形板进行内力、配筋、挠度和裂缝计算。"
      "可采用查表法或等效均布荷载法，可按弹性板或塑性板计算。" CALT_CLOSING "。" },
    { "C:LXLJS", "连续梁计算",
      "根据用户需要，进行连续梁内力计算，并得到弯矩和剪力包络图。生成配筋方案。" },
    { "C:JZLJS", "井字梁计算",
      "根据用户需要，对以基本荷载组合给出的均布荷载作用下的井字梁进行计算，支座可全部为简支、全部为固定"
      "或全部为半固定，计算正负弯矩和剪力。" CALT_CLOSING "。" },
    { "C:LSHLTJS", "梁式楼梯设计",
      "根据用户需要，对四种类型的梁式楼梯进行计算，给出配筋方案并进行挠度验算。" CALT_CLOSING_DRAWING "。" },
    { "C:BSHLTJS", "板式楼梯设计",
      "根据用户需要，对五种类型的板式楼梯进行计算，并自动给出配筋方案。" CALT_CLOSING_DRAWING "。" },
    { "C:YMJJS", "预埋件计算",
      "根据用户需要，对多种荷载类型作用下的预埋件进行计算，锚固类型包括构造-钢板锚板、构造-角钢锚板、"
      "直锚筋、角钢锚筋、直锚筋+弯折锚筋、直锚筋+抗剪件、直锚筋+端板和吊环。" CALT_CLOSING_DRAWING "。" },
    { "C:YXBJS1", "异型板计算",
      "根据用户需要，对不同类型、荷载情况和支撑方式的单块异形板进行内力配筋、挠度和裂缝计算。" },
};

const CALTCOMMANDTEXT& CaltGetCommandText(LPCTSTR lpszCommand)
{
    static const CALTCOMMANDTEXT s_noText = { "", "", "" };
    if (lpszCommand == NULL) {
        qelt::ReportMisuse("CaltGetCommandText with a null command name");
        return s_noText;
    }
    for (const CALTCOMMANDTEXT& text : s_commandTexts)
        if (std::strcmp(text.lpszCommand, lpszCommand) == 0)
            return text;
    qelt::ReportMisuse("the command \"%s\" has no caption and description",
                       qelt::text::GbkToUtf8ForDisplay(lpszCommand).c_str());
    return s_noText;
}
