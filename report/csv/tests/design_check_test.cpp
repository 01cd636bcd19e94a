#include "batch/bay_table.h"
#include "report/csv/tests/checked_text.h"

#include <gtest/gtest.h>


#include <string>

namespace {

const std::string kHeader = "bay,H,B,n,T,W,section,grade,lambda_t,lambda_c,method,cranes\n";
const std::string kOutHeader =
    "bay,H,B,n,T,W,section,grade,lambda_t,lambda_c,method,cranes,N1,Nt1,Lx1,Ly1,N2,Nt2,Lx2,Ly2,"
    "section1,lambda1,limit1,stress1,ratio1,ok1,section2,lambda2,limit2,lambda_phi2,phi2,eta2,"
    "rho2,stress2,ratio2,ok2,adopted,adopted_section,mass,ok,error\n";
// The worked bay: H 6, B 8, n 2, T 20, W 30, so L = 10 m.
const std::string kWorkedForces = "31.250,18.750,5.000,10.000,15.625,9.375,5.000,7.000,";
const std::string kNoResults = std::string(28, ',');

}  // namespace

TEST(DesignCheck, VerdictsSizingAndAnswers) {
    const std::string in = kHeader +
        "sized,6,8,2,20,30,,,,,,\n"
        "given,6,8,2,20,30,L63x6,Q355,,,,\n"
        "long,12,16,2,20,30,  ,,,,,\n"
        "heavy,6,8,2,20,30000,,,,,,\n"
        "either way,6,8,1,-150,200,L110x7,,,,tension,\n"
        "no height,0,8,2,20,30,,,,,,\n";
    // Sized: L110x7 and L150x8 (7.4.6 item 2), worked by hand in
    // design/tests; auto adopts the lighter. Given: NG is an answer. L = 20
    // m: no angle has ix for 0.7 L / 200. 30 000 kN: none carries it. W 200
    // and T -150 act together: P 350, L110x7 at 437.5 / 15.196 / 182.75 =
    // 1.575. H = 0: the calculation's own refusal.
    const std::string out = kOutHeader +
        "sized,6,8,2,20,30,,,,,,," + kWorkedForces +
        "L110x7,292.9,300,20.56,0.976,OK,L150x8,166.1,200,166.1,0.259,0.849,0.941,31.81,0.830,OK,"
        "tension,L110x7,11.900,OK,\n"
        "given,6,8,2,20,30,L63x6,Q355,,,,," + kWorkedForces +
        "L63x6,518.4,300,42.88,1.728,NG,L63x6,403.3,150,403.3,0.034,1.000,1.000,626.43,2.688,NG,"
        ",,,NG,\n"
        "long,12,16,2,20,30,  ,,,,,,31.250,18.750,10.000,20.000,15.625,9.375,10.000,14.000,"
        "L220x16,293.5,300,4.55,0.978,OK,,,,,,,,,,NG,tension,L220x16,53.900,OK,"
        "no angle passes the compression design\n"
        "heavy,6,8,2,20,30000,,,,,,,18762.500,11257.500,5.000,10.000,9381.250,5628.750,5.000,7.000,"
        ",,,,,NG,,,,,,,,,,NG,,,,NG,no angle passes the tension design; no angle passes the "
        "compression design\n"
        "either way,6,8,1,-150,200,L110x7,,,,tension,,437.500,262.500,5.000,10.000,218.750,131.250,"
        "5.000,7.000,L110x7,292.9,300,287.90,1.575,NG,L110x7,227.5,150,227.5,0.147,0.941,1.000,"
        "1040.40,4.839,NG,,,,NG,\n"
        "no height,0,8,2,20,30,,,,,," + kNoResults + ",参数不能为负数和零\n";
    const Checked checked = CheckText(in);
    EXPECT_EQ(checked.out, out);
    EXPECT_EQ(checked.problems, "");
    EXPECT_EQ(checked.exit, kCheckDone);
}

TEST(DesignCheck, CellsThatRefuseTheRowNameTheText) {
    struct Case {
        const char* cells;  // W, section, grade, lambda_t, lambda_c, method, cranes[, family, gusset]
        const char* error;
        bool familyAndGusset = false;  // the header has those two columns too
    } const cases[] = {
        {"30,L63x9,,,,,", "section: \"L63x9\" is not a size of GB/T 706-2016"},
        {"30,D89x45,,,,,", "section: \"D89x45\" is not a tube: its wall must be thinner than half its diameter"},
        {"30,D37,,,,,", "section: \"D37\" is not a round bar of GB/T 702 (D5.5 to D60)"},
        {"30,2L63x6,,,,,,2L+,", "family: \"2L+\" is not the family of the section given", true},
        {"30,,,,,,,pipe,", "family: \"pipe\" is not a section family: L, 2L, 2L+, tube or bar (单角钢, "
                           "双角钢, 十字双角钢, 钢管, 圆钢)", true},
        {"30,,,,,,,,-1", "gusset: \"-1\" is below 0 mm", true},
        {"30,,,,,,,,8mm", "gusset: \"8mm\" is not a number", true},
        {"30,L75x50x6,,,,,", "section: \"L75x50x6\" is an unequal angle: only equal angles are checked"},
        {"30,,,,,both,", "method: \"both\" is not a design method: tension (拉杆), compression (压杆) "
                         "or auto (自动)"},
        {"30,,,,,,A9", "cranes: \"A9\" is not a crane duty: heavy (重级, A6 to A8), medium or light "
                       "(中级, 轻级, A1 to A5)"},
        {"30,HW100,Q235F,,,,", "section: \"HW100\" is not a section designation such as L63x6, 2L63x6, "
                               "2L63x6+, D89x4 or D20; "
                             "grade: \"Q235F\" is not a grade: Q235 (A to D), Q345 (A to E), "
                             "Q355 (B to D), Q355N or Q355M (B to F)"},
        {"30,,,0,,,", "lambda_t: \"0\" is not above 0"},
        {"30,,,,-150,,", "lambda_c: \"-150\" is not above 0"},
        {"30,,,,\"1,50\",,", "lambda_c: \"1,50\" is not a number"},
        {"30,,,1e999,,,", "lambda_t: \"1e999\" is out of range"},
        {"1e307,L63x6,,,,,", "a result is out of range"},  // N1 in range, N1 / A not
    };
    for (const Case& c : cases) {
        const std::string header = c.familyAndGusset ? kHeader.substr(0, kHeader.size() - 1) + ",family,gusset\n"
                                                   : kHeader;
        const Checked checked = CheckText(header + "a,6,8,2,20," + c.cells + "\n");
        const std::vector<CsvRecord> out = ReadRecords(checked.out);
        ASSERT_EQ(out.size(), 2u) << c.cells;
        EXPECT_EQ(OutputField(out, 1, "error"), c.error);
        EXPECT_EQ(OutputField(out, 1, "N1") + OutputField(out, 1, "ok1") + OutputField(out, 1, "ok2") +
                      OutputField(out, 1, "ok"),
                  "")
            << c.cells;
        EXPECT_EQ(checked.problems, "in:2: " + std::string(c.error) + "\nin: 1 row written, 1 of them refused\n");
        EXPECT_EQ(checked.exit, kCheckProblems) << c.cells;
    }
}

TEST(DesignCheck, DefaultsAndOptions) {
    // L110x7 in the worked bay: lambda1 292.9, lambda2 227.5 with sigma2 at
    // 0.35 f, so 7.4.6 item 2 raises 150 to 200 (still NG) unless strict.
    DesignDefaults q355;
    q355.grade = SteelGrade::Q355;
    DesignDefaults minimum;
    minimum.minimum = MinimumSize{63, 5};
    DesignDefaults strict;
    strict.strictSlenderness = true;
    DesignDefaults heavy;
    heavy.heavyCranes = true;
    DesignDefaults byCompression;
    byCompression.method = DesignMethod::Compression;
    struct Case {
        const char* why;
        const char* row;  // H,B,n,T,W,section,grade,lambda_t,lambda_c,method,cranes
        DesignDefaults defaults;
        const char* expected;  // section1,limit1,section2,limit2,phi2,adopted
    } const cases[] = {
        {"crane braking: 300 and 150, 200 by 7.4.6 item 2", "6,8,2,20,30,L110x7,,,,,", {},
         "L110x7,300,L110x7,200,0.147,tension"},
        {"--strict-slenderness keeps 150", "6,8,2,20,30,L110x7,,,,,", strict,
         "L110x7,300,L110x7,150,0.147,tension"},
        {"no crane: 400 and 200", "6,8,2,0,30,L110x7,,,,,", {}, "L110x7,400,L110x7,200,0.147,tension"},
        {"limits typed, without 7.4.6 item 2", "6,8,2,20,30,L110x7,,200,120,,", {},
         "L110x7,200,L110x7,120,0.147,"},
        {"limits as typed, not rounded", "6,8,2,0,30,L110x7,,227.50,1.5e2,,", {},
         "L110x7,227.5,L110x7,150,0.147,"},
        {"heavy-duty cranes: 200", "6,8,2,20,30,L110x7,,,,,Heavy", {},
         "L110x7,200,L110x7,200,0.147,"},
        {"A7, with no crane braking: 350", "6,8,2,0,30,L110x7,,,,,a7", {},
         "L110x7,350,L110x7,200,0.147,tension"},
        {"--heavy-cranes for an empty cell", "6,8,2,20,30,L110x7,,,,,", heavy,
         "L110x7,200,L110x7,200,0.147,"},
        {"a typed duty wins", "6,8,2,20,30,L110x7,,,,,中级", heavy,
         "L110x7,300,L110x7,200,0.147,tension"},
        {"method compression finds L110x7 NG", "6,8,2,20,30,L110x7,,,,压杆,", {},
         "L110x7,300,L110x7,200,0.147,"},
        {"--method for an empty cell", "6,8,2,20,30,L110x7,,,,,", byCompression,
         "L110x7,300,L110x7,200,0.147,"},
        {"a typed method wins", "6,8,2,20,30,L110x7,,,,TENSION,", byCompression,
         "L110x7,300,L110x7,200,0.147,tension"},
        {"--grade for an empty cell: class a", "6,8,2,0,30,L110x7,,,,,", q355,
         "L110x7,400,L110x7,200,0.105,tension"},
        {"a typed grade wins", "6,8,2,0,30,L110x7,Q235,,,,", q355,
         "L110x7,400,L110x7,200,0.147,tension"},
        {"the smallest sized angle is L45x4; a tie is compression", "1,1,1,0,1,,,,,,", {},
         "L45x4,400,L45x4,200,0.690,compression"},
        {"--min-leg and --min-thickness", "1,1,1,0,1,,,,,,", minimum,
         "L63x5,400,L63x5,200,0.825,compression"},
        {"a given angle under the minimum is still checked", "1,1,1,0,1,L20x3,,,,,", minimum,
         "L20x3,400,L20x3,200,0.218,compression"},
    };
    for (const Case& c : cases) {
        CheckOptions options;
        options.design = c.defaults;
        const std::vector<CsvRecord> out =
            ReadRecords(CheckText(kHeader + "a," + c.row + "\n", options).out);
        ASSERT_EQ(out.size(), 2u) << c.why;
        std::string got;
        for (const char* name : {"section1", "limit1", "section2", "limit2", "phi2", "adopted"}) {
            got += (got.empty() ? "" : ",") + OutputField(out, 1, name);
        }
        EXPECT_EQ(got, c.expected) << c.why;
    }
}

TEST(DesignCheck, HeadersThatCannotBeUsed) {
    struct Case {
        const char* header;
        const char* problem;
    } const cases[] = {
        {"H,B,n,T,W,section,A", "columns section and A cannot go together: the section gives A and i; "
                                "remove one of them"},
        {"H,B,n,T,W,i,section", "columns section and i cannot go together: the section gives A and i; "
                                "remove one of them"},
        {"H,B,n,T,section,grade,grade", "column grade appears twice (columns 6 and 7)"},
        {"H,B,n,T,W,截面,钢号,材质", "\"钢号\" and \"材质\" both name column grade (columns 7 and 8)"},
        {"H,B,n,T,section", "no column named W (the header must name H, B, n, T, W and either A and i "
                            "or section)"},
    };
    for (const Case& c : cases) {
        const Checked checked = CheckText(std::string(c.header) + "\n6,8,2,20,30,L63x6,Q235\n");
        EXPECT_EQ(checked.out, "") << c.header;
        EXPECT_EQ(checked.problems.substr(0, checked.problems.find("; the header's fields")),
                  "in:1: " + std::string(c.problem));
        EXPECT_EQ(checked.exit, kCheckProblems) << c.header;
    }
}

TEST(DesignCheck, DesignColumnsBesideAAndISaidToBeUnused) {
    const Checked checked =
        CheckText("bay,H,B,n,T,W,A,i,grade,lambda_c\na,6,8,2,20,30,12,3,Q390,x\n");
    EXPECT_EQ(ReadRecords(checked.out).at(1).size(), 26u) << "passed through, results as always";
    EXPECT_EQ(checked.problems,
              "in: grade, lambda_c: not used with A and i (the design check needs a section column)\n");
    EXPECT_EQ(checked.exit, kCheckDone);
}

TEST(DesignCheck, AnEarlierRunsOutputFedBackIn) {
    const Checked first = CheckText(kHeader + "a,6,8,2,20,30,,,,,,\n");
    const Checked second = CheckText(first.out);
    EXPECT_EQ(second.out, first.out);
    EXPECT_EQ(second.problems,
              "in: columns N1, Nt1, Lx1, Ly1, N2, Nt2, Lx2, Ly2, section1, lambda1, limit1, stress1, "
              "ratio1, ok1, section2, lambda2, limit2, lambda_phi2, phi2, eta2, rho2, stress2, ratio2, "
              "ok2, adopted, adopted_section, mass, ok, error are an earlier run's output; dropped and "
              "written afresh\n");
    // --header zh: each column under its Chinese name, read back the same way.
    const RunWords chinese{Language::English, ColumnHeading::Chinese};
    const Checked named = CheckText(first.out, CheckOptions(), chinese);
    const std::string heading = kOutHeader.substr(0, kHeader.size() - 1) +
        ",斜杆内力N1(kN),柱底拔力Nt1(kN),平面内计算长度Lx1(m),平面外计算长度Ly1(m),斜杆内力N2(kN),柱底拔力Nt2(kN),"
        "平面内计算长度Lx2(m),平面外计算长度Ly2(m),拉杆截面,拉杆长细比,拉杆采用容许长细比,拉杆应力(N/mm2),"
        "拉杆验算比,拉杆结论,压杆截面,压杆长细比,压杆采用容许长细比,稳定计算长细比,稳定系数φ,折减系数η,"
        "有效截面系数ρ,压杆应力(N/mm2),压杆验算比,压杆结论,采用设计,采用截面,每米重量(kg/m),结论,错误\n";
    EXPECT_EQ(named.out, heading + first.out.substr(kOutHeader.size()));
    EXPECT_EQ(CheckText(named.out, CheckOptions(), chinese).out, named.out);
    EXPECT_EQ(CheckText(named.out).out, first.out);
}
