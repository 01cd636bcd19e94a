#include "report/report_words.h"

namespace {

// What no run checks: on every bay's page and in both bases.
const char kNotChecked[] =
    "本计算书未验算连接与净截面，未考虑抗震验算，未作荷载组合（W、T 按输入的设计值），"
    "详见末页“适用范围”。";

const char* const kDesignBasisItems[] = {
    "GB 50017-2017《钢结构设计标准》：强度设计值 表 4.4.1（Q355 按 GB 55006-2021，"
    "与表 4.4.1 中 Q345 相同）、表 4.4.3（无缝钢管）；截面强度 7.1.1、表 7.1.3；稳定 7.2.1，"
    "换算长细比 7.2.2，填板 7.2.6；交叉斜杆的计算长度 7.4.2；容许长细比 表 7.4.6（及 7.4.6 第 2 款）、"
    "表 7.4.7；宽厚比、径厚比 7.3.1；单边连接的单角钢 7.6.1、7.6.2、7.6.3；稳定系数 附录 D。",
    "风荷载与吊车刹车力均可沿纵向任一方向作用，故取 P = (|W| + |T|)/n，斜杆按两者同向设计。"
    "两种工况均验算；按设计方法采用一种：按拉杆设计（受压斜杆视为退出工作，7.4.7 第 6 款）、"
    "按压杆设计，或自动取两者中每米质量较轻的满足者（相同时取按压杆）。",
    "GB/T 706-2016《热轧型钢》：等边角钢的尺寸；GB/T 8162《结构用无缝钢管》：钢管"
    "（常用规格，亦可给定任意 D×t）；GB/T 702《热轧钢棒尺寸、外形、重量及允许偏差》：圆钢的直径。"
    "截面面积、回转半径由公称尺寸计算；钢管与圆钢的每米质量取 0.785·A。",
    "斜杆的截面：单角钢，或两根等边角钢组成的 T 形或十字形截面，每根角钢以一肢连接于节点板；"
    "无缝钢管；圆钢（只能受拉）。稳定系数 φ 按附录 D 的公式计算：单角钢 "
    "Q235 取 b 类截面，Q345、Q355 取 a 类截面（表 7.2.1-1，轧制等边角钢）；双角钢取 b 类，"
    "无缝钢管取 a 类。"
    "正则化长细比 λn = (λ/π)·√(fy/E)，E = 206000 N/mm²，即 λn = λ·√(fy/235)/93.014；"
    "附录 D 的 φ 表在其 251 个值中有 49 个比此式所得低，相差不超过 0.001。",
    "压杆平面外计算长度取 0.7·L（另一斜杆不受力时的情形）；一拉一压时 7.4.2 允许取 0.5·L，"
    "故偏于安全。单边连接的单角钢交叉斜杆由 7.4.2 第 2 款按 7.6.2 取等效长细比 λ0"
    "（另杆受拉 αe = 0.75，μu = 0.5，l1 = l/2），φ 取 λ2 与 λ0·εk 中较大者。"
    "宽厚比限值不用 7.3.2 的放宽。",
    "双角钢：节点板（厚 g）夹于两角钢之间，平行于肢边的轴的回转半径 i = √(ix1² + (z0 + g/2)²)；"
    "T 形截面按 7.2.2 第 2 款计算弯扭屈曲的 λyz，十字形截面当 b/t > 15εk 时按 7.2.2 第 1 款计算扭转屈曲的 λz；"
    "端部截面强度按表 7.1.3 取 η = 0.85；填板间距按 7.2.6（压杆 40i1，拉杆 80i1，压杆在节点与交叉点之间"
    "至少 2 块）。无缝钢管：强度设计值按表 4.4.3，径厚比 D/t ≤ 100εk²（7.3.1 第 6 款）。"
    "圆钢：张紧的圆钢不受表 7.4.7 的容许长细比限制（该表“除张紧的圆钢外”），长细比仅供参考。",
    "判断用未经舍入的数值，表中数字为舍入后的显示值。",
    kNotChecked,
};

const char* const kDialogBasisItems[] = {
    "GB 50017-2017《钢结构设计标准》：稳定系数 φ 按附录 D 的公式计算，取 b 类截面（表 7.2.1-1）。"
    "正则化长细比 λn = (λ/π)·√(fy/E)，未给钢号，取 fy = 235 N/mm²、E = 206000 N/mm²，即 λn = λ/93.014；"
    "附录 D 的 φ 表在其 251 个值中有 49 个比此式所得低，相差不超过 0.001。",
    "需要回转半径按容许长细比 400（拉杆）和 150（压杆）计算；截面积 A 与回转半径 i "
    "为输入的试算值。应力 f1、f2 只作计算，未与强度设计值比较，不作是否满足的判断；"
    "未验算截面的宽厚比及单边连接的折减。",
    kNotChecked,
};

const char* const kScopeItems[] = {
    "斜杆按交叉支撑计算，截面为单根等边角钢、双等边角钢（T 形或十字形）、无缝钢管或圆钢（只能受拉）。",
    "焊接钢管不在本程序范围内（强度设计值与截面类别均按无缝钢管取用）；不等边角钢不能作为截面。",
    "未验算连接（焊缝、螺栓、节点板、填板与角钢的连接）、圆钢的张紧装置及净截面（孔洞削弱）。",
    "未考虑抗震验算：位于抗震设防地区时，GB 50011 对支撑的长细比、宽厚比及连接另有规定，"
    "须另行验算。",
    "未作荷载组合：风荷载 W 与吊车刹车力 T 取输入值作为设计值，未乘分项系数或组合系数。",
};

template <int Count>
constexpr TextList List(const char* heading, const char* const (&items)[Count]) {
    return {heading, items, Count};
}

}  // namespace

const char* const kSheetTitle = "柱间支撑计算书";
const TextList kDesignBasis = List("设计依据", kDesignBasisItems);
const TextList kDialogBasis = List("设计依据", kDialogBasisItems);
const char* const kScopeLine = kNotChecked;
const TextList kScopeInFull = List("适用范围", kScopeItems);

const char* const kCriteriaColumns[kCriteriaColumnCount] = {"验算项目", "计算值", "限值",
                                                            "比值",     "结论",   "依据"};
namespace {

// The radii each family's member is designed with; a pair's at the gusset gap.
const char* const kAngleColumns[] = {
    "设计", "截面", "b (mm)", "t (mm)", "A (cm²)", "ix (cm)", "iy0 (cm)", "质量 (kg/m)", "来源"};
const char* const kTeeColumns[] = {
    "设计", "截面", "b (mm)", "t (mm)", "A (cm²)", "ix (cm)", "iy (cm)", "质量 (kg/m)", "来源"};
const char* const kCrossColumns[] = {
    "设计", "截面", "b (mm)", "t (mm)", "A (cm²)", "ix0 (cm)", "i (cm)", "质量 (kg/m)", "来源"};
const char* const kTubeColumns[] = {"设计", "截面", "D (mm)", "t (mm)", "A (cm²)", "i (cm)", "质量 (kg/m)", "来源"};
const char* const kBarColumns[] = {"设计", "截面", "d (mm)", "A (cm²)", "i (cm)", "质量 (kg/m)", "来源"};

template <int Count>
constexpr FamilyWords Words(SectionFamilyId family, const char* noun, const char* nonePasses,
                            const char* heading, const char* const (&columns)[Count]) {
    return {family, noun, nonePasses, heading, columns, Count};
}

const FamilyWords kFamilyWords[] = {
    Words(SectionFamilyId::EqualAngle, "角钢", "没有满足要求的角钢", "截面特性（GB/T 706-2016）", kAngleColumns),
    Words(SectionFamilyId::DoubleAngleT, "截面", "没有满足要求的截面",
          "截面特性：双角钢 T 形组合（GB/T 706-2016）", kTeeColumns),
    Words(SectionFamilyId::DoubleAngleCross, "截面", "没有满足要求的截面",
          "截面特性：双角钢十字形组合（GB/T 706-2016）", kCrossColumns),
    Words(SectionFamilyId::Tube, "截面", "没有满足要求的截面",
          "截面特性：无缝钢管（GB/T 8162，按公称尺寸计算）", kTubeColumns),
    Words(SectionFamilyId::RoundBar, "截面", "没有满足要求的截面", "截面特性：圆钢（GB/T 702，按公称尺寸计算）",
          kBarColumns),
};

}  // namespace

const FamilyWords& WordsOf(SectionFamilyId family) {
    for (const FamilyWords& words : kFamilyWords) {
        if (words.family == family) return words;
    }
    return kFamilyWords[0];
}

const char* const kNoCompressionCase = "圆钢只能受拉，不进行压杆设计";
