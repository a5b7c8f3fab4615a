#include "pellixlib/com/Pellixlib_TLB.h"

namespace pellix::tlb {

using namespace com;

namespace {

constexpr const char* kAcadType = "TxAcadType";
constexpr const char* kDxfVersion = "TxDxfVersion";
constexpr const char* kShowState = "TxShowState";
constexpr const char* kAttOutType = "TxAttOutType";
constexpr const char* kCmdSearch = "TxCmdSearch";
constexpr const char* kHelpType = "TxHelpType";

ParamDescription S(std::string name) { return {std::move(name), VT_BSTR}; }
ParamDescription B(std::string name) { return {std::move(name), VT_BOOL}; }
ParamDescription L(std::string name) { return {std::move(name), VT_I4}; }
ParamDescription U(std::string name) { return {std::move(name), VT_UI4}; }
ParamDescription State() { return {"State", VT_I4, ParamDirection::In, kShowState}; }
ParamDescription Var(std::string name, VARTYPE type) { return {std::move(name), type, ParamDirection::InOut}; }
std::vector<ParamDescription> Rect() { return {L("ALeft"), L("ATop"), L("AWidth"), L("AHeight")}; }
std::vector<ParamDescription> RectVar() {
    return {Var("ALeft", VT_I4), Var("ATop", VT_I4), Var("AWidth", VT_I4), Var("AHeight", VT_I4)};
}
std::vector<ParamDescription> Join(std::vector<ParamDescription> a, const std::vector<ParamDescription>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The operations of the control, dispatch ids 1 to 0x6E in this order.
std::vector<MemberDescription> Operations() {
    const std::vector<ParamDescription> none;
    const std::vector<ParamDescription> pathName{S("Path"), S("Name")};
    struct Op {
        const char* name;
        std::vector<ParamDescription> params;
        VARTYPE result;
        const char* resultEnum = "";
    };
    const std::vector<Op> ops{
        {"GetExeFile", none, VT_BSTR},
        {"GetExePath", none, VT_BSTR},
        {"IsInstall", none, VT_BOOL},
        {"IsCanExec", none, VT_BOOL},
        {"IsExecuting", none, VT_BOOL},
        {"GetExeVersion", none, VT_BSTR},
        {"GetAutoCADName", none, VT_BSTR},
        {"GetACADNameType", {S("AcadName")}, VT_I4, kAcadType},
        {"GetFirstAcadType", none, VT_I4, kAcadType},
        {"GetLastAcadType", none, VT_I4, kAcadType},
        {"GetNewAcltType", none, VT_I4, kAcadType},
        {"GetNewAcadType", none, VT_I4, kAcadType},
        {"IsRegular", none, VT_BOOL},
        {"IsRegistry", none, VT_BOOL},
        {"IsMDIWindowModel", none, VT_BOOL},
        {"GetDxfVersion", none, VT_I4, kDxfVersion},
        {"GetProductVersion", none, VT_BSTR},
        {"GetExecutMax", none, VT_I4},
        {"GetLastFocus", none, VT_I4},
        {"GetLastFocusType", none, VT_I4, kAcadType},
        {"GetLastFocusCaption", none, VT_BSTR},
        {"GetRegLocalMachine", none, VT_BSTR},
        {"GetRegClassesRoot", none, VT_BSTR},
        {"GetCurVer", none, VT_BSTR},
        {"GetCurrentProfile", none, VT_BSTR},
        {"GetEnumProfiles", none, VT_BSTR},
        {"SetCurrentProfiles", {S("Profile")}, VT_BOOL},
        {"CopyProfile", {S("SrcProfile"), S("DesProfile")}, VT_BOOL},
        {"GetCurVerRegStr", pathName, VT_BSTR},
        {"GetCurVerRegInt", pathName, VT_UI4},
        {"SetCurVerRegStr", Join(pathName, {S("param3"), B("Refresh")}), VT_BOOL},
        {"SetCurVerRegInt", Join(pathName, {U("param3"), B("Refresh")}), VT_BOOL},
        {"GetCurProfileStr", pathName, VT_BSTR},
        {"GetCurProfileInt", pathName, VT_UI4},
        {"SetCurProfileStr", Join(pathName, {S("param3"), B("Refresh")}), VT_BOOL},
        {"SetCurProfileInt", Join(pathName, {U("param3"), B("Refresh")}), VT_BOOL},
        {"IsSDIMode", none, VT_BOOL},
        {"SetSDIMode", {B("SDIMode")}, VT_BOOL},
        {"DefaultSDIMode", none, VT_BOOL},
        {"Shell", none, VT_BOOL},
        {"Close", {S("SaveFile")}, VT_BOOL},
        {"AcadLoad", {L("AcadhWnd")}, VT_BOOL},
        {"Clear", none, VT_EMPTY},
        {"FirstFindTextWnd", none, VT_I4},
        {"NextFindTextWnd", none, VT_I4},
        {"IsExecut", none, VT_BOOL},
        {"IsActive", none, VT_BOOL},
        {"IsCmdEnabled", none, VT_BOOL},
        {"Version", none, VT_I4, kAcadType},
        {"GetSize", RectVar(), VT_BOOL},
        {"GetDialogSize", RectVar(), VT_BOOL},
        {"GetState", none, VT_I4, kShowState},
        {"Handle", none, VT_I4},
        {"GraphHandle", none, VT_I4},
        {"TextHandle", none, VT_I4},
        {"CmdLineHandle", none, VT_I4},
        {"DialogHandle", none, VT_I4},
        {"MDIClient", none, VT_I4},
        {"HideTextWindow", {B("HideMode")}, VT_BOOL},
        {"GetCaption", none, VT_BSTR},
        {"GetDwgCaption", none, VT_BSTR},
        {"GetDialogCaption", none, VT_BSTR},
        {"GetLogHist", none, VT_BSTR},
        {"GetCmdLine", none, VT_BSTR},
        {"GetCmdParam", none, VT_BSTR},
        {"IsCmdWait", none, VT_BOOL},
        {"IsAsyncBuffer", none, VT_BOOL},
        {"Command", {S("CmdStr")}, VT_BOOL},
        {"AsyncCommand", {S("CmdStr"), L("SendNo")}, VT_BOOL},
        {"AsyncCancel", none, VT_EMPTY},
        {"SendCtrlKey", {S("CharKey")}, VT_BOOL},
        {"ClickMenu", {S("MenuItem")}, VT_BOOL},
        {"MouseClick", {S("Caption"), S("ClassName"), B("TopMove"), B("DoubleClick"), B("RightClick")}, VT_BOOL},
        {"Active", none, VT_BOOL},
        {"WaitIdle", none, VT_EMPTY},
        {"WaitCommand", none, VT_BOOL},
        {"AcReSize", Rect(), VT_BOOL},
        {"SetState", {State()}, VT_BOOL},
        {"MoveDialog", {L("ALeft"), L("ATop")}, VT_BOOL},
        {"GetChildCount", none, VT_I4},
        {"FirstChildWindow", none, VT_I4},
        {"NextChildWindow", none, VT_I4},
        {"SetTopChild", {L("ChildWindow")}, VT_BOOL},
        {"GetClientSize", RectVar(), VT_BOOL},
        {"GetChildWindowSize", RectVar(), VT_BOOL},
        {"ReSizeChildWindow", Rect(), VT_BOOL},
        {"GetChildWindowState", none, VT_I4, kShowState},
        {"ReStateChildWindow", {State()}, VT_BOOL},
        {"GetVar", {S("VarName"), Var("param2", VT_BSTR)}, VT_BOOL},
        {"GetVarNew", {S("VarName"), S("NewValue"), Var("param3", VT_BSTR)}, VT_BOOL},
        {"GetPoint", {B("Correct"), Var("X", VT_R8), Var("Y", VT_R8), Var("Z", VT_R8)}, VT_BOOL},
        {"SelectDxf", {B("SingleSelect")}, VT_BOOL},
        {"SelectAtt", {B("SingleSelect")}, VT_BOOL},
        {"RunScript", {S("Script"), B("Int")}, VT_BOOL},
        {"UserWait", {L("CallID"), S("WaitCommand")}, VT_BOOL},
        {"InterCancel", none, VT_EMPTY},
        {"GetWindowSize", Join({L("WinHdl")}, RectVar()), VT_BOOL},
        {"GetWindowCaption", {L("WinHdl")}, VT_BSTR},
        {"GetWindowState", {L("WinHdl")}, VT_I4, kShowState},
        {"SetReSizeWindow", Join({L("WinHdl")}, Rect()), VT_BOOL},
        {"SetMoveWindow", {L("WinHdl"), L("ALeft"), L("ATop")}, VT_BOOL},
        {"SetWindowState", {L("WinHdl"), State()}, VT_BOOL},
        {"CloseWindow", {L("WinHdl")}, VT_BOOL},
        {"ActiveWindow", {L("WinHdl")}, VT_BOOL},
        {"ControlWnd", none, VT_I4},
        {"ResetOwnerWnd", none, VT_EMPTY},
        {"NextOwnerWnd", {Var("OwnerCaption", VT_BSTR), Var("OwnerClass", VT_BSTR)}, VT_I4},
        {"GetOwnerWnd", none, VT_I4},
        {"ActiveOwnerWnd", none, VT_I4},
        {"AcadCtrVer", none, VT_I4},
    };
    std::vector<MemberDescription> members;
    DISPID id = 1;
    for (const Op& op : ops) members.push_back(Method(op.name, id++, op.params, op.result, op.resultEnum));
    return members;
}

void Property(std::vector<MemberDescription>& members, const char* name, DISPID id, VARTYPE type,
              const char* enumName = "", bool hidden = false) {
    members.push_back(PropertyGet(name, id, type, enumName));
    members.push_back(PropertyPut(name, id, type, enumName));
    members[members.size() - 2].hidden = members.back().hidden = hidden;
}

void Hidden(std::vector<MemberDescription>& members, MemberDescription m) {
    m.hidden = true;
    members.push_back(std::move(m));
}

InterfaceDescription MakeIPellix() {
    std::vector<MemberDescription> m = Operations();
    Property(m, "AttOutType", 0x6F, VT_I4, kAttOutType);
    Property(m, "AttTempFile", 0x70, VT_BSTR);
    Property(m, "AttOutFile", 0x71, VT_BSTR);
    Property(m, "DxfBinary", 0x72, VT_BOOL);
    Property(m, "DxfVersion", 0x73, VT_I4, kDxfVersion);
    Property(m, "DxfFile", 0x74, VT_BSTR);
    Property(m, "Enabled", DISPID_ENABLED, VT_BOOL);
    Property(m, "Interval", 0x75, VT_I4);
    Property(m, "InterMode", 0x76, VT_BOOL);
    Property(m, "AcadLocked", 0x77, VT_BOOL);
    Property(m, "AcadType", 0x78, VT_I4, kAcadType);
    Property(m, "LoadAcadType", 0x79, VT_BOOL);
    Property(m, "CmdSearch", 0x7A, VT_I4, kCmdSearch);
    Property(m, "CmdIdle", 0x7B, VT_BOOL);
    Property(m, "ShellState", 0x7C, VT_I4, kShowState);
    Property(m, "ShellCmdLine", 0x7D, VT_BSTR);
    Property(m, "ScriptFile", 0x7E, VT_BSTR);
    Property(m, "WaitMessage", 0x7F, VT_BSTR);
    Property(m, "SelAddCmd", 0x80, VT_BSTR);
    Property(m, "MDILock", 0x81, VT_BOOL);
    Property(m, "ProIndex", 0x82, VT_I4);
    Property(m, "AutoEnter", 0x83, VT_BOOL);
    Property(m, "Visible", 0x84, VT_BOOL);
    Property(m, "DoubleBuffered", 0x85, VT_BOOL, "", true);
    Hidden(m, PropertyGet("AlignDisabled", 0x86, VT_BOOL));
    Hidden(m, PropertyGet("VisibleDockClientCount", 0x87, VT_I4));
    Hidden(m, Method("DrawTextBiDiModeFlagsReadingOnly", 0x89, {}, VT_I4));
    Hidden(m, Method("InitiateAction", 0x8A));
    Hidden(m, Method("IsRightToLeft", 0x8B, {}, VT_BOOL));
    Hidden(m, Method("UseRightToLeftReading", 0x8E, {}, VT_BOOL));
    Hidden(m, Method("UseRightToLeftScrollBar", 0x8F, {}, VT_BOOL));
    Property(m, "Cursor", 0x90, VT_I2, "", true);
    Property(m, "HelpType", 0x91, VT_I4, kHelpType, true);
    Property(m, "HelpKeyword", 0x92, VT_BSTR, "", true);
    Hidden(m, Method("SetSubComponent", 0x94, {B("IsSubComponent")}));
    m.push_back(Method("AboutBox", DISPID_ABOUTBOX));
    return {.name = "IPellix",
            .iid = IID_IPellix,
            .kind = InterfaceKind::Dual,
            .help = "Dispatch interface for Pellix Control 1.8",
            .members = std::move(m)};
}

InterfaceDescription MakeIPellixEvents() {
    auto event = [](const char* name, EventId id, std::vector<ParamDescription> params = {}) {
        return Method(name, id, std::move(params));
    };
    return {.name = "IPellixEvents",
            .iid = DIID_IPellixEvents,
            .kind = InterfaceKind::DispatchOnly,
            .help = "Events interface for Pellix Control 1.8",
            .members = {
                event("OnActiveChange", OnActiveChange, {L("LosthWnd"), L("ActivehWnd"), Var("ReLoad", VT_BOOL)}),
                event("OnAcadClose", OnAcadClose),
                event("OnAcadCmdActive", OnAcadCmdActive, {B("CmdEnabled")}),
                event("OnAcadCmdChange", OnAcadCmdChange, {S("CmdParam"), B("CmdWait")}),
                event("OnAcadCmdWait", OnAcadCmdWait),
                event("OnAcadEnterNext", OnAcadEnterNext, {S("CmdMessage"), Var("NextEnter", VT_BOOL)}),
                event("OnAsyncSending", OnAsyncSending, {L("SendNo"), L("Target")}),
                event("OnAsyncSended", OnAsyncSended, {L("SendNo"), L("Target"), B("Resulted")}),
                event("OnAcadDialog", OnAcadDialog,
                      {L("DialoghWnd"), S("DialogCaption"), S("ControlText"), Var("DialogClose", VT_BOOL)}),
                event("OnAcadLoaded", OnAcadLoaded),
                event("OnChildChange", OnChildChange, {L("NewWindow")}),
                event("OnUserWaitFirst", OnUserWaitFirst, {L("CallID"), Var("NextExecute", VT_BOOL)}),
                event("OnUserWaitNext", OnUserWaitNext, {L("CallID"), S("CmdStr"), Var("ResultMode", VT_BOOL)}),
                event("OnWaitMessage", OnWaitMessage, {S("CmdParam"), B("CmdWait")}),
                event("OnProcessLoop", OnProcessLoop, {Var("ProIndex", VT_I4)}),
                event("OnTimer", OnTimer),
            }};
}

EnumDescription Enum(const char* name, const char* guid, std::vector<EnumValue> values) {
    return {name, MakeGuid(guid), std::move(values)};
}

} // namespace

const TypeLibraryDescription& Library() {
    static const TypeLibraryDescription library{
        .name = "Pellixlib",
        .libid = LIBID_Pellixlib,
        .majorVersion = kMajorVersion,
        .minorVersion = kMinorVersion,
        .lcid = 0x0409,
        .help = "Pellixlib Library 1.8",
        .control = true,
        .interfaces = {MakeIPellix(), MakeIPellixEvents()},
        .coclasses = {{.name = "Pellix",
                       .clsid = CLASS_Pellix,
                       .help = "Pellix Control 1.8",
                       .creatable = true,
                       .control = true,
                       .interfaces = {{IID_IPellix, true, false}, {DIID_IPellixEvents, true, true}}}},
        .enums = {
            // clang-format off
            Enum(kAcadType, "{8C4F7A27-5E31-4B9D-A6F0-2D71C38E9B45}",
                 {{"atNOACAD", 0}, {"atACLT95", 1}, {"atACLT97", 2}, {"atACLT98", 3}, {"atACLT2000", 4},
                  {"atACLT2000i", 5}, {"atACLT2002", 6}, {"atResv2", 7}, {"atResv3", 8}, {"atResv4", 9},
                  {"atACAD13", 10}, {"atACAD14", 11}, {"atACAD2000", 12}, {"atACAD2000i", 13}, {"atACAD2002", 14}}),
            // clang-format on
            Enum(kDxfVersion, "{8C4F7A28-5E31-4B9D-A6F0-2D71C38E9B45}",
                 {{"dvDXFNA", 0}, {"dvDXFR12", 1}, {"dvDXFR13", 2}, {"dvDXFR14", 3}, {"dvDXF2000", 4}}),
            Enum(kShowState, "{8C4F7A29-5E31-4B9D-A6F0-2D71C38E9B45}",
                 {{"ssNORMAL", 0}, {"ssMINIMIZE", 1}, {"ssMAXIMIZE", 2}}),
            Enum(kAttOutType, "{8C4F7A2A-5E31-4B9D-A6F0-2D71C38E9B45}",
                 {{"atCDFOUT", 0}, {"atSDFOUT", 1}, {"atDXXOUT", 2}}),
            Enum(kCmdSearch, "{8C4F7A2B-5E31-4B9D-A6F0-2D71C38E9B45}",
                 {{"csALLCHECK", 0}, {"csCMDLINE", 1}, {"csNOCHECK", 2}}),
            Enum(kHelpType, "{8C4F7A2C-5E31-4B9D-A6F0-2D71C38E9B45}", {{"htKeyword", 0}, {"htContext", 1}}),
        }};
    return library;
}

const InterfaceDescription& IPellix() { return *Library().FindInterface(IID_IPellix); }
const InterfaceDescription& IPellixEvents() { return *Library().FindInterface(DIID_IPellixEvents); }

} // namespace pellix::tlb
