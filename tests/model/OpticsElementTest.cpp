// The optics elements of setup files: "ITEM" and "OPTION" of the nosepiece,
// condenser and filter sections, the packed objective code and the turret
// order. Writing them is held to the reference file (SetupFileTest).

#include "OpticsFixture.h"

#include <functional>

using namespace ZOSCOPELib;

namespace {

class OpticsElements : public zotest::OpticsZo {
protected:
    // An element a component refuses with the line of its message and item.
    struct Rejected {
        clsComponent& component;
        const char* xml;
        int message;
        const char* item;
    };
    static void ExpectRejected(const Rejected& r) { EXPECT_EQ(ReadElement(r.component, r.xml), Line(r.message, r.item)) << r.xml; }
};

TEST_F(OpticsElements, AnItemChangesItsPositionOnlyWhenItIsValid)
{
    EXPECT_EQ(ReadElement(objective(), "<ITEM POSITION='2' CODE='310' ESC='True'/>"), Line(85, "2"));
    EXPECT_EQ(objective().code(1), 3);
    EXPECT_FALSE(objective().Esc(1));

    EXPECT_EQ(ReadElement(objective(), "<item position=' 2 ' code='4' Code='309' esc='-1' other='x'/>"), "");
    EXPECT_EQ(objective().code(1), 309) << "the last of a name wins";
    EXPECT_TRUE(objective().Esc(1));
    EXPECT_EQ(ReadElement(objective(), "<ITEM POSITION='2' CODE='5'/>"), "");
    EXPECT_FALSE(objective().Esc(1)) << "a missing ESC reads False";

    for (const Rejected& r : {Rejected{objective(), "<ITEM POSITION='7' CODE='5'/>", 85, "7"},
                              Rejected{objective(), "<ITEM POSITION='3' CODE='5' ESC='maybe'/>", 85, "3"},
                              Rejected{condenser(), "<ITEM POSITION='6' CODE='1'/>", 87, "6"},
                              Rejected{condenser(), "<ITEM POSITION='1' CODE='one'/>", 87, "1"},
                              Rejected{condenser(), "<ITEM POSITION='1'/>", 87, "1"}}) // a missing CODE
        ExpectRejected(r);
    EXPECT_EQ(condenser().code(0), 1);

    // User filters reach 319, but a position names codes up to 309.
    EXPECT_EQ(ReadElement(baFilter(), "<ITEM POSITION='8' CODE='315'/>"), Line(95, "8"));
    EXPECT_EQ(ReadElement(baFilter(), "<ITEM POSITION='8' CODE='309'/>"), "");
    EXPECT_EQ(baFilter().code(7), 309);
    EXPECT_EQ(ReadElement(exFilter(), "<ITEM POSITION='9' CODE='1'/>"), Line(93, "9"));
    EXPECT_EQ(ReadElement(filter2(), "<ITEM POSITION='0' CODE='1'/>"), Line(91, "0"));
}

TEST_F(OpticsElements, AMissingPositionIsShownAsMinusOneOrAsMinusThreeHundred)
{
    for (const Rejected& r : {Rejected{objective(), "<ITEM CODE='1'/>", 85, "-1"},
                              Rejected{filter1(), "<ITEM CODE='1'/>", 89, "-1"},
                              Rejected{dbFilter(), "<OPTION NAME='A' BA='1' EX='1' DM='1'/>", 90, "-1"},
                              Rejected{dbCondenser(), "<OPTION NAME='A'/>", 88, "-300"},
                              Rejected{dbEXFilter(), "<OPTION NAME='A'/>", 94, "-300"},
                              Rejected{dbBAFilter(), "<OPTION NAME='A'/>", 96, "-300"},
                              Rejected{dbObjective(), "<OPTION CODE='1141110FA02D000' NAME='A'/>", 86, "-300"},
                              Rejected{dbCondenser(), "<OPTION POSITION=' x1 ' NAME='A'/>", 88, "x1"}}) // as it stood
        ExpectRejected(r);
}

TEST_F(OpticsElements, DatabaseOptionsCheckTheirCodeAndNameLength)
{
    EXPECT_EQ(ReadElement(dbCondenser(), "<OPTION POSITION='3' NAME='ABCDEF'/>"), Line(88, "3"));
    EXPECT_EQ(dbCondenser().Name(302), "");
    EXPECT_EQ(ReadElement(dbCondenser(), "<OPTION POSITION='3' NAME='  ABCDE  '/>"), "");
    EXPECT_EQ(dbCondenser().Name(302), "ABCDE");
    EXPECT_EQ(ReadElement(dbCondenser(), "<OPTION POSITION='11' NAME='A'/>"), Line(88, "11"));

    EXPECT_EQ(ReadElement(dbEXFilter(), "<OPTION POSITION='20' NAME='EX 600/20'/>"), "");
    EXPECT_EQ(dbEXFilter().Name(319), "EX 600/20");
    EXPECT_EQ(ReadElement(dbBAFilter(), "<OPTION POSITION='21' NAME='B'/>"), Line(96, "21"));

    // Filter blocks: POSITION is the code itself, and the composition comes along.
    EXPECT_EQ(ReadElement(dbFilter(), "<OPTION POSITION='305' NAME='Mine' BA='12' EX='311' DM='3'/>"), "");
    const auto block = [&] {
        return std::tuple(dbFilter().Name(305), dbFilter().CustomBA(305), dbFilter().CustomEX(305),
                          dbFilter().CustomDM(305));
    };
    EXPECT_EQ(block(), std::tuple("Mine", 12, 311, 3));
    for (const Rejected& r :
         {Rejected{dbFilter(), "<OPTION POSITION='305' NAME='Other' BA='12' EX='311' DM='320'/>", 90, "305"},
          Rejected{dbFilter(), "<OPTION POSITION='305' NAME='Other' EX='311' DM='3'/>", 90, "305"},
          Rejected{dbFilter(), "<OPTION POSITION='5' NAME='Other' BA='1' EX='1' DM='3'/>", 90, "5"}})
        ExpectRejected(r);
    EXPECT_EQ(block(), std::tuple("Mine", 12, 311, 3));
}

TEST_F(OpticsElements, NameLimitsCountCharactersNotBytes)
{
    // Each reader takes a German or Japanese name of its most characters
    // (two or three bytes each) and refuses one character more.
    struct Reader {
        clsComponent& component;
        std::string before, after; // the element around the name
        std::size_t most;
        int message;
        std::function<std::string()> name;
    };
    const Reader readers[] = {
        {dbCondenser(), "<OPTION POSITION='3' NAME='", "'/>", 5, 88, [&] { return dbCondenser().Name(302); }},
        {dbEXFilter(), "<OPTION POSITION='3' NAME='", "'/>", 9, 94, [&] { return dbEXFilter().Name(302); }},
        {dbBAFilter(), "<OPTION POSITION='3' NAME='", "'/>", 9, 96, [&] { return dbBAFilter().Name(302); }},
        {dbObjective(), "<OPTION POSITION='3' CODE='1141110FA02D000' NAME='", "'/>", 8, 86,
         [&] { return dbObjective().Name(302); }},
        {dbFilter(), "<OPTION POSITION='303' BA='1' EX='1' DM='1' NAME='", "'/>", 5, 90,
         [&] { return dbFilter().Name(303); }},
        {*zo->ObservationMode, "<USER ID='3' NAME='", "'/>", 4, 105, [&] { return zo->ObservationMode->Name(2); }},
    };
    for (const Reader& r : readers) {
        for (const std::string character : {"ä", "蛍"}) {
            std::string name;
            for (std::size_t i = 0; i < r.most; ++i)
                name += character;
            EXPECT_EQ(ReadElement(r.component, (r.before + name + r.after).c_str()), "") << name;
            EXPECT_EQ(r.name(), name);
            const std::string longer = r.before + name + character + r.after;
            EXPECT_EQ(ReadElement(r.component, longer.c_str()), Line(r.message, r.message == 90 ? "303" : "3")) << longer;
        }
    }
}

TEST_F(OpticsElements, TheObjectiveCodePacksNineFields)
{
    // Model 1, type 1, magnification 4, method 1, WD series 1, FKS 1; WD
    // 2.50 (0FA), NA 0.45 (02D), minimum NA 0.
    EXPECT_EQ(ReadElement(dbObjective(), "<OPTION POSITION='2' CODE='1141110FA02D000' NAME='ZX 25x'/>"), "");
    clsDBObjective::Record record;
    dbObjective().sub_GetDbNosepiece(301, record);
    EXPECT_EQ(record, (clsDBObjective::Record{"ZX 25x", 1, 1, 4, 1, 1, 2.5, 0.45, 0, 1}));

    EXPECT_EQ(ReadElement(dbObjective(), "<OPTION POSITION='2' CODE='1141110FA02D00' NAME='Short'/>"), Line(86, "2"));
    EXPECT_EQ(dbObjective().Name(301), "ZX 25x");
    EXPECT_EQ(ReadElement(dbObjective(), "<OPTION POSITION='3' CODE='7231310fa0ZZ3e7' NAME='Loose'/>"), "")
        << "an NA group that is not hexadecimal leaves NA at 0; lower-case digits are hexadecimal";
    dbObjective().sub_GetDbNosepiece(302, record);
    EXPECT_EQ(record, (clsDBObjective::Record{"Loose", 7, 2, 3, 3, 1, 2.5, 0, 9.99, 1}));

    for (const char* code : {"1141110ZZ02D000",  // WD not hexadecimal: -1, out of range
                             "114111FAB02D000",  // WD 40.11
                             "1141110FA3E8000",  // NA 10
                             " 141110FA02D000",  // a blank digit reads -1
                             "8141110FA02D000",  // no model 8 in the list
                             "1141130FA02D000",  // FKS 3
                             "11411:0FA02D000"}) // not a base-62 digit
        EXPECT_EQ(ReadElement(dbObjective(), (std::string("<OPTION POSITION='4' NAME='X' CODE='") + code + "'/>").c_str()),
                  Line(86, "4"))
            << code;
    EXPECT_EQ(dbObjective().Name(303), "");
}

TEST_F(OpticsElements, TheTurretOrderIsTrueOrFalse)
{
    for (const auto& [xml, report, exchanged] : {std::tuple("<VALUE STATUS=' false '/>", std::string(), false),
                                                 std::tuple("<value status='TRUE'/>", std::string(), true),
                                                 std::tuple("<VALUE STATUS='1'/>", Line(99, "1"), true)}) {
        EXPECT_EQ(ReadElement(connectFilter(), xml), report) << xml;
        EXPECT_EQ(connectFilter().FilterPosition(), exchanged) << xml;
    }
}

} // namespace
