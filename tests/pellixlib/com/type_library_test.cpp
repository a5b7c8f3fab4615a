// The type library as data: the interface's function table, its dispatch ids, the events and
// the enumerations, as callers rely on them.
#include "pellixlib/com/Pellixlib_TLB.h"

#include <gtest/gtest.h>

#include <set>

using namespace com;
using namespace pellix::tlb;

TEST(PellixTypeLibrary, TheInterfaceHasEveryMemberInTableOrder) {
    const InterfaceDescription& i = IPellix();
    EXPECT_EQ(i.kind, InterfaceKind::Dual);
    ASSERT_EQ(i.members.size(), 173u);
    std::set<DISPID> ids;
    for (const auto& m : i.members) ids.insert(m.id);
    EXPECT_EQ(ids.size(), 146u);
    for (DISPID unused : {0x88, 0x8C, 0x8D, 0x93}) EXPECT_FALSE(ids.count(unused)) << unused;
    // Methods 1..0x6E first, then the properties, a read before its write, the about box last.
    for (DISPID id = 1; id <= 0x6E; ++id) EXPECT_EQ(i.members[id - 1].id, id);
    EXPECT_EQ(i.members[0].name, "GetExeFile");
    EXPECT_EQ(i.members[0x6D].name, "AcadCtrVer");
    EXPECT_EQ(i.members[110].name, "AttOutType");
    EXPECT_EQ(i.members[110].kind, MemberKind::PropertyGet);
    EXPECT_EQ(i.members[111].kind, MemberKind::PropertyPut);
    EXPECT_EQ(i.members.back().name, "AboutBox");
    EXPECT_EQ(i.members.back().id, DISPID_ABOUTBOX);
    EXPECT_EQ(i.Find(DISPID_ENABLED, MemberKind::PropertyPut)->name, "Enabled");
    EXPECT_TRUE(i.FindByName("Cursor")->hidden);
    EXPECT_FALSE(i.FindByName("Visible")->hidden);
}

TEST(PellixTypeLibrary, TheMembersTheProgramCallsHaveTheirIdsAndParameters) {
    const InterfaceDescription& i = IPellix();
    struct Case {
        const char* name;
        DISPID id;
        std::size_t params;
        VARTYPE result;
    };
    for (const Case& c : {Case{"IsInstall", 0x03, 0, VT_BOOL},
                          {"GetAutoCADName", 0x07, 0, VT_BSTR},
                          {"GetACADNameType", 0x08, 1, VT_I4},
                          {"GetExecutMax", 0x12, 0, VT_I4},
                          {"IsSDIMode", 0x25, 0, VT_BOOL},
                          {"SetSDIMode", 0x26, 1, VT_BOOL},
                          {"Shell", 0x28, 0, VT_BOOL},
                          {"Close", 0x29, 1, VT_BOOL},
                          {"IsExecut", 0x2E, 0, VT_BOOL},
                          {"IsCmdWait", 0x42, 0, VT_BOOL},
                          {"Command", 0x44, 1, VT_BOOL},
                          {"AcReSize", 0x4D, 4, VT_BOOL},
                          {"GetPoint", 0x5B, 4, VT_BOOL}}) {
        const MemberDescription* m = i.Find(c.id, MemberKind::Method);
        ASSERT_TRUE(m) << c.name;
        EXPECT_EQ(m->name, c.name);
        EXPECT_EQ(m->params.size(), c.params) << c.name;
        EXPECT_EQ(m->result, c.result) << c.name;
    }
    const MemberDescription* point = i.Find(0x5B, MemberKind::Method);
    for (std::size_t p = 1; p < 4; ++p) EXPECT_EQ(point->params[p].direction, ParamDirection::InOut);
    EXPECT_EQ(i.Find(0x78, MemberKind::PropertyGet)->resultEnum, "TxAcadType");
}

TEST(PellixTypeLibrary, EventsClassAndEnumerations) {
    const InterfaceDescription& e = IPellixEvents();
    EXPECT_EQ(e.kind, InterfaceKind::DispatchOnly);
    ASSERT_EQ(e.members.size(), 16u);
    EXPECT_EQ(e.members[OnAcadDialog - 1].name, "OnAcadDialog");
    EXPECT_EQ(e.members[OnAcadDialog - 1].params[3].direction, ParamDirection::InOut);
    EXPECT_EQ(e.members[OnTimer - 1].name, "OnTimer");
    const TypeLibraryDescription& lib = Library();
    EXPECT_EQ(lib.majorVersion, 1);
    EXPECT_EQ(lib.minorVersion, 8);
    const CoClassDescription* c = lib.FindCoClass(CLASS_Pellix);
    ASSERT_TRUE(c);
    EXPECT_TRUE(c->control);
    ASSERT_EQ(lib.enums.size(), 6u);
    EXPECT_EQ(lib.FindEnum("TxAcadType")->values.size(), 15u);
    EXPECT_EQ(lib.FindEnum("TxAcadType")->values.back().name, "atACAD2002");
    EXPECT_EQ(lib.FindEnum("TxHelpType")->values[0].name, "htKeyword");
}
