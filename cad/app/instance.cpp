#include "cad/app/instance.h"

#include "cad/app/install.h"
#include "cad/app/product_menu.h"
#include "cad/app/registry_access.h"
#include "cad/app/window_texts.h"
#include "cad/dxf/block_library.h"
#include "cad/dxf/dxf_reader.h"
#include "cad/dxf/dxf_writer.h"
#include "platform/desktop/files.h"
#include "platform/desktop/input.h"
#include "platform/desktop/message.h"
#include "platform/desktop/window.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

namespace cad::app {

namespace {

constexpr desk::UINT kTypeLaterMessage = desk::WM_USER + 1;
constexpr desk::UINT kQuitMessage = desk::WM_USER + 2;
constexpr desk::UINT kTakeSharedMessage = desk::WM_USER + 3;
constexpr desk::WPARAM kIdOk = 1;
constexpr desk::WPARAM kIdCancel = 2;
constexpr std::string_view kStartupCaption = "ｽﾀｰﾄｱｯﾌﾟ";
constexpr char kAsksUser[] = "ＣＡＤは図面を保存するかどうか問い合わせ中です";

ViewFactory& Views() {
    static ViewFactory factory;
    return factory;
}

std::vector<Instance*>& Instances() {
    static std::vector<Instance*> instances;
    return instances;
}

desk::LRESULT AnswerText(const std::string& text, desk::WPARAM max, desk::LPARAM buffer) {
    if (max == 0 || buffer == 0) return 0;
    const std::size_t n = std::min<std::size_t>(text.size(), max - 1);
    char* out = reinterpret_cast<char*>(buffer);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<desk::LRESULT>(n);
}

std::string WithoutExtension(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('\\');
    return dot == std::string::npos || (slash != std::string::npos && dot < slash) ? path : path.substr(0, dot);
}

// The Japanese releases before several drawings could be open word some prompts otherwise.
command::Wording WordingOf(const Product& p) {
    if (p.language == Language::English) return command::Wording::English;
    return p.mdi ? command::Wording::Japanese : command::Wording::JapaneseSingleDrawing;
}

void RegisterClasses(const Product& p) {
    for (std::string_view name :
         {kFrameClass, kGraphicsViewClass, kControlBarClass, TextViewClass(p), CommandHostClass(p)}) {
        desk::WNDCLASS wc;
        wc.lpfnWndProc = desk::DefWindowProc;
        wc.lpszClassName = std::string(name);
        desk::RegisterClass(wc); // a class this process registered already stays as it is
    }
}

// The file behind a path of the desktop (code page 932); raises naming the path (UTF-8) when
// no drive holds it.
std::string NativeFile(const std::string& cpPath, const std::string& path, const char* what) {
    std::string native;
    try {
        native = desk::ToNativePath(cpPath).string();
    } catch (const std::exception&) {}
    if (native.empty()) throw rt::Error(rt::errApplication, std::string("Cannot ") + what + " " + path);
    return native;
}

// The full path of a file named at the command line (UTF-8), in code page 932.
std::string FullPath(const std::string& path, const char* what) {
    char full[desk::MAX_PATH] = {};
    if (desk::GetFullPathName(rt::Utf8ToCp932(path).c_str(), desk::MAX_PATH, full, nullptr) == 0)
        throw rt::Error(rt::errApplication, std::string("Cannot ") + what + " " + path);
    return full;
}

} // namespace

void SetViewFactory(ViewFactory factory) { Views() = std::move(factory); }

void RegisterProductImage(const Product& product, const std::string& exePath) {
    desk::RegisterProgramImage(exePath, [&product](const desk::ProcessStart& start) {
        auto* instance = new Instance(product, start);
        desk::AtProcessExit([instance] { delete instance; });
    });
}

std::vector<Instance*> RunningInstances() { return Instances(); }

Instance* FindInstance(desk::DWORD processId) {
    for (Instance* i : Instances())
        if (i->ProcessId() == processId) return i;
    return nullptr;
}

Instance::Instance(const Product& product, const desk::ProcessStart& start)
        : product_(product), processId_(start.processId), threadId_(start.threadId), exePath_(start.imagePath),
          main_(drawing_, WordingOf(product)), transparent_(drawing_, WordingOf(product)), mainHost_(main_, *this),
          transparentHost_(transparent_, *this), inputs_(main_, transparent_) {
    Instances().push_back(this);
    // A block not defined in the drawing is looked for as a drawing file of its name on the
    // search path, which holds the section blocks shipped with the program.
    main_.SetBlockSource(dxf::BlockFolder(dxf::ExampleBlockFolder()));
    if (product_.mdi) {
        const auto sdi = ReadRegDword(desk::HKEY_CURRENT_USER, ProfileKey() + "\\Drawing Window", "SDIMode");
        variables_.sdimode = sdi && *sdi == 1 ? 1 : 0;
    } else {
        variables_.sdimode = 1;
    }
    RegisterClasses(product_);
    BuildWindows(start.showWindow);
    TakeSharedResources();
    if (variables_.sdimode == 1) ShowStartupDialog();
    savedRevision_ = drawing_.Revision();
    if (Views()) view_ = Views()(*this);
}

Instance::~Instance() {
    view_.reset();
    dde_.reset();
    if (lock_ != desk::INVALID_HANDLE_VALUE) desk::CloseHandle(lock_);
    std::erase(Instances(), this);
    // Another instance of the same product takes the lock file and the DDE service once this
    // process has let them go.
    for (Instance* other : Instances())
        if (desk::IsWindow(other->windows_.mainFrame))
            desk::PostMessage(other->windows_.mainFrame, kTakeSharedMessage, 0, 0);
}

std::string Instance::ProfileKey() const {
    const std::string settings = SettingsKey(product_);
    if (settings.empty()) return {};
    const auto profile = ReadRegString(desk::HKEY_CURRENT_USER, settings + "\\Profiles", "");
    return settings + "\\Profiles\\" + profile.value_or(std::string(kProfileName));
}

void Instance::BuildWindows(int showWindow) {
    ProductWindows& w = windows_;
    using namespace desk;
    auto frameProc = [this](HWND h, UINT m, WPARAM wp, LPARAM lp) { return HandleFrame(h, m, wp, lp); };
    auto common = [this](HWND h, UINT m, WPARAM wp, LPARAM lp) { return HandleCommon(h, m, wp, lp); };
    auto lineText = [this](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        const std::string text = CommandLineText(inputs_.Line());
        if (m == WM_GETTEXT) return AnswerText(text, wp, lp);
        if (m == WM_GETTEXTLENGTH) return static_cast<LRESULT>(text.size());
        return HandleCommon(h, m, wp, lp);
    };
    auto historyText = [this](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m != WM_GETTEXT && m != WM_GETTEXTLENGTH) return HandleCommon(h, m, wp, lp);
        const std::string text = HistoryText(main_.History(), product_);
        return m == WM_GETTEXT ? AnswerText(text, wp, lp) : static_cast<LRESULT>(text.size());
    };
    const std::string frame(kFrameClass);
    const DWORD child = WS_CHILD | WS_VISIBLE;

    w.mainFrame =
        CreateWindowEx(0, frame, "", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, BuildMenuBar(product_), frameProc);
    if (product_.controlBar) {
        w.controlBar =
            CreateWindowEx(0, std::string(kControlBarClass), "", child, 0, 500, 800, 100, w.mainFrame, nullptr, common);
        w.commandHost = CreateWindowEx(0, std::string(CommandHostClass(product_)), "", child, 0, 0, 800, 100,
                                       w.controlBar, nullptr, common);
    } else {
        w.commandFrame =
            CreateWindowEx(0, frame, "", WS_POPUP | WS_VISIBLE, 0, 600, 800, 100, w.mainFrame, nullptr, common);
        w.commandHost = CreateWindowEx(0, std::string(CommandHostClass(product_)), "", child, 0, 0, 800, 100,
                                       w.commandFrame, nullptr, common);
    }
    w.commandMarin = CreateWindowEx(0, "Static", "Marin", child, 0, 0, 800, 100, w.commandHost, nullptr, common);
    w.commandHeadlands =
        CreateWindowEx(0, "Edit", "Headlands", child, 0, 80, 800, 20, w.commandMarin, nullptr, lineText);
    w.commandMountTam =
        CreateWindowEx(0, "Edit", "MountTam", child, 0, 0, 800, 80, w.commandMarin, nullptr, historyText);
    w.mdiClient = CreateWindowEx(0, "MDIClient", "", child, 0, 0, 800, product_.controlBar ? 500 : 600, w.mainFrame,
                                 nullptr, common);
    w.drawingWindow = CreateWindowEx(0, frame, "", child | WS_MAXIMIZE, 0, 0, 800, 500, w.mdiClient, nullptr, common);
    w.graphicsView =
        CreateWindowEx(0, std::string(kGraphicsViewClass), "", child, 0, 0, 800, 500, w.drawingWindow, nullptr,
                       [this](HWND h, UINT m, WPARAM wp, LPARAM lp) { return HandleGraphicsView(h, m, wp, lp); });

    w.textFrame = CreateWindowEx(0, frame, "", WS_OVERLAPPEDWINDOW, 100, 100, 500, 300, nullptr, nullptr, common);
    w.textView = CreateWindowEx(0, std::string(TextViewClass(product_)), "", child, 0, 0, 500, 300, w.textFrame,
                                nullptr, common);
    w.textMarin = CreateWindowEx(0, "Static", "Marin", child, 0, 0, 500, 300, w.textView, nullptr, common);
    w.textHeadlands = CreateWindowEx(0, "Edit", "Headlands", child, 0, 280, 500, 20, w.textMarin, nullptr, lineText);
    w.textMountTam = CreateWindowEx(0, "Edit", "MountTam", child, 0, 0, 500, 280, w.textMarin, nullptr, historyText);
    UpdateCaptions();
    ShowWindow(w.mainFrame, showWindow == SW_SHOWDEFAULT ? SW_SHOWNORMAL : showWindow);
}

FramePlace Instance::FramePlacement() const {
    const desk::HWND frame = windows_.mainFrame;
    FramePlace place;
    desk::GetWindowRect(frame, &place.rect);
    place.visible = desk::IsWindowVisible(frame);
    place.minimized = desk::IsIconic(frame);
    place.maximized = desk::IsZoomed(frame);
    return place;
}

void Instance::PointWanted() {
    if (view_) view_->BringToFront();
}

std::string Instance::Caption() const { return std::string(product_.caption) + " - [" + DrawingName() + "]"; }

void Instance::UpdateCaptions() {
    const std::string name = rt::Utf8ToCp932(DrawingName());
    desk::SetWindowText(windows_.mainFrame, rt::Utf8ToCp932(Caption()));
    desk::SetWindowText(windows_.drawingWindow, name);
    desk::SetWindowText(windows_.textFrame, std::string(product_.caption) + " Text Window - " + name);
    if (view_) view_->SetCaption(Caption());
}

void Instance::ShowStartupDialog() {
    using namespace desk;
    auto dialogProc = [this](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_CLOSE || (m == WM_COMMAND && (LOWORD(static_cast<DWORD>(wp)) == kIdOk ||
                                                  LOWORD(static_cast<DWORD>(wp)) == kIdCancel))) {
            CloseStartupDialog();
            return 0;
        }
        return DefWindowProc(h, m, wp, lp);
    };
    auto buttonProc = [this](desk::WPARAM id) {
        return [this, id](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            if (m == WM_LBUTTONUP) {
                PostMessage(windows_.startupDialog, WM_COMMAND, id, 0);
                return 0;
            }
            return DefWindowProc(h, m, wp, lp);
        };
    };
    HWND& d = windows_.startupDialog;
    d = CreateWindowEx(0, std::string(kDialogClass), rt::Utf8ToCp932(kStartupCaption),
                       WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 150, 420, 300, windows_.mainFrame, nullptr, dialogProc);
    CreateWindowEx(0, "Static", rt::Utf8ToCp932("図面の開始方法を選択してください。"), WS_CHILD | WS_VISIBLE, 10, 10,
                   400, 20, d);
    CreateWindowEx(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 220, 240, 80, 24, d, nullptr, buttonProc(kIdOk));
    CreateWindowEx(0, "Button", rt::Utf8ToCp932("ｷｬﾝｾﾙ"), WS_CHILD | WS_VISIBLE, 320, 240, 80, 24, d, nullptr,
                   buttonProc(kIdCancel));
    EnableWindow(windows_.mainFrame, false);
    if (IsWindowVisible(windows_.mainFrame) && !IsIconic(windows_.mainFrame)) ShowWindow(d, SW_SHOWNORMAL);
    else ShowWindow(d, SW_SHOWNOACTIVATE);
}

void Instance::CloseStartupDialog() {
    if (!windows_.startupDialog) return;
    desk::EnableWindow(windows_.mainFrame, true);
    desk::DestroyWindow(std::exchange(windows_.startupDialog, nullptr));
}

void Instance::TakeSharedResources() {
    if (lock_ == desk::INVALID_HANDLE_VALUE) {
        const std::string lockFile = WithoutExtension(exePath_) + ".xmx";
        lock_ = desk::CreateFile(lockFile.c_str(), desk::GENERIC_READ | desk::GENERIC_WRITE, 0, nullptr,
                                 desk::OPEN_ALWAYS, 0, nullptr);
    }
    const std::string_view application = DdeApplication(product_);
    if (!dde_ && !application.empty() && !dde::FindServer(application, kDdeTopic)) {
        const desk::DWORD thread = threadId_;
        dde_ = std::make_unique<dde::ServerRegistration>(std::string(application), std::string(kDdeTopic),
                                                         [this, thread](const std::string& command) {
                                                             // A question for the user is not answered by a drawing sent.
                                                             if (AsksUser())
                                                                 throw rt::Error(rt::errApplication, kAsksUser);
                                                             desk::ThreadScope scope(thread);
                                                             inputs_.TypeFromChannel(command);
                                                         });
    }
}

desk::LRESULT Instance::HandleFrame(desk::HWND h, desk::UINT m, desk::WPARAM wp, desk::LPARAM lp) {
    using namespace desk;
    switch (m) {
    case WM_COPYDATA: {
        // A modal dialog keeps the command line from taking input.
        if (windows_.startupDialog || asking_ || lp == 0) return 0;
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        std::string_view text(static_cast<const char*>(data->lpData), data->lpData ? data->cbData : 0);
        text = text.substr(0, text.find('\0'));
        inputs_.TypeFromChannel(text);
        return 1;
    }
    case WM_COMMAND: {
        const std::string keys = MenuCommandKeys(LOWORD(static_cast<DWORD>(wp)));
        if (!keys.empty() && !windows_.startupDialog && !asking_) inputs_.TypeFromChannel(keys);
        return 0;
    }
    case kTypeLaterMessage:
        if (asking_) return 0; // typed once the dialog has been answered
        while (!typeLater_.empty()) {
            const std::string text = std::move(typeLater_.front());
            typeLater_.pop_front();
            inputs_.TypeFromChannel(text);
        }
        return 0;
    case WM_CLOSE:
        if (asking_) return 0;
        // Changes not saved: QUIT asks what to do with them.
        if (HasUnsavedChanges() && !windows_.startupDialog) {
            inputs_.TypeFromChannel("\x03\x03_QUIT\r");
            return 0;
        }
        ExitProcess(0);
        return 0; // nothing of the instance may be touched after this
    case kQuitMessage: ExitProcess(0); return 0;
    case kTakeSharedMessage: TakeSharedResources(); return 0;
    case WM_MOVE:
    case WM_SIZE:
    case WM_SHOWWINDOW:
        // The notice may arrive after later changes: the frame's place as it stands now.
        if (view_) view_->Follow(FramePlacement());
        return 0;
    default: return HandleCommon(h, m, wp, lp);
    }
}

desk::LRESULT Instance::HandleCommon(desk::HWND h, desk::UINT m, desk::WPARAM wp, desk::LPARAM lp) {
    if (m == desk::WM_CHAR && !windows_.startupDialog && !asking_) {
        const char key = static_cast<char>(wp & 0xFF);
        inputs_.TypeFromChannel(std::string_view(&key, 1));
        return 0;
    }
    return desk::DefWindowProc(h, m, wp, lp);
}

desk::LRESULT Instance::HandleGraphicsView(desk::HWND h, desk::UINT m, desk::WPARAM wp, desk::LPARAM lp) {
    if (m != desk::WM_LBUTTONUP && m != desk::WM_RBUTTONUP) return HandleCommon(h, m, wp, lp);
    if (windows_.startupDialog || asking_) return 0;
    const bool right = m == desk::WM_RBUTTONUP;
    desk::RECT client;
    if (view_ && desk::GetClientRect(h, &client) && client.right > 0 && client.bottom > 0) {
        view_->ClickAt(static_cast<double>(desk::GET_X_LPARAM(lp)) / client.right,
                       static_cast<double>(desk::GET_Y_LPARAM(lp)) / client.bottom, right);
    } else if (right) {
        TypeFromUser("\r"); // the right button is Enter; without a screen no point lies under a click
    }
    return 0;
}

bool Instance::Pick(Point p) {
    if (asking_) return false;
    desk::ThreadScope scope(threadId_);
    return inputs_.PickPoint(p);
}

bool Instance::PickObject(std::optional<std::size_t> entity, Point at) {
    if (asking_) return false;
    desk::ThreadScope scope(threadId_);
    return inputs_.PickObject(entity, at);
}

void Instance::Close() {
    desk::ThreadScope scope(threadId_);
    desk::PostMessage(windows_.mainFrame, desk::WM_CLOSE, 0, 0);
}

void Instance::TypeFromUser(std::string_view keys) {
    if (asking_) return;
    desk::ThreadScope scope(threadId_);
    inputs_.TypeFromUser(keys);
}

void Instance::VariableSet(std::string_view name) {
    if (name != "SDIMODE" || !product_.mdi) return;
    const std::string profile = ProfileKey();
    if (profile.empty()) return;
    try {
        WriteRegDword(desk::HKEY_CURRENT_USER, profile + "\\Drawing Window", "SDIMode",
                      static_cast<desk::DWORD>(variables_.sdimode));
    } catch (const rt::Error& e) {
        main_.Message(e.Description());
    }
}

std::string Instance::DrawingName() const {
    if (drawingPath_.empty()) return "Drawing1.dwg";
    const std::size_t slash = drawingPath_.rfind('\\');
    return slash == std::string::npos ? drawingPath_ : drawingPath_.substr(slash + 1);
}

bool Instance::FileExists(const std::string& path) {
    const desk::DWORD attributes = desk::GetFileAttributes(rt::Utf8ToCp932(path).c_str());
    return attributes != desk::INVALID_FILE_ATTRIBUTES && !(attributes & desk::FILE_ATTRIBUTE_DIRECTORY);
}

void Instance::WriteDrawing(const Drawing& drawing, const std::string& path, bool becomesDrawingFile) {
    const std::string full = FullPath(path, "write");
    cad::dxf::WriteDxf(drawing, NativeFile(full, path, "write"));
    if (becomesDrawingFile) TakeDrawingFile(full);
}

std::vector<std::string> Instance::OpenDrawing(const std::string& path, Drawing& drawing) {
    const std::string full = FullPath(path, "read");
    std::vector<std::string> warnings = cad::dxf::OpenDxf(NativeFile(full, path, "read"), drawing);
    TakeDrawingFile(full);
    return warnings;
}

void Instance::TakeDrawingFile(const std::string& cpPath) {
    drawingPath_ = rt::Cp932ToUtf8(cpPath);
    savedRevision_ = drawing_.Revision();
    UpdateCaptions();
}

void Instance::WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(NativeFile(rt::Utf8ToCp932(path), path, "write"), std::ios::binary | std::ios::trunc);
    out << rt::Utf8ToCp932(text);
    if (!out.flush()) throw rt::Error(rt::errApplication, "Cannot write " + path);
}

std::string Instance::ReadTextFile(const std::string& path) {
    std::ifstream in(NativeFile(rt::Utf8ToCp932(path), path, "read"), std::ios::binary);
    if (!in) throw rt::Error(rt::errApplication, "Cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    try {
        return rt::Cp932ToUtf8(text.str());
    } catch (const rt::Error&) {
        throw rt::Error(rt::errApplication, path + " is not a text in code page 932");
    }
}

void Instance::TypeLater(std::string text) {
    typeLater_.push_back(rt::Utf8ToCp932(text));
    desk::PostMessage(windows_.mainFrame, kTypeLaterMessage, 0, 0);
}

void Instance::Quit() {
    quitting_ = true;
    desk::PostMessage(windows_.mainFrame, kQuitMessage, 0, 0);
}

void Instance::StartNewDrawing() {
    drawingPath_.clear();
    savedRevision_ = drawing_.Revision();
    UpdateCaptions();
}

template <class Ask>
auto Instance::AskInDialog(Ask ask) -> std::optional<decltype(ask(std::declval<ProductView&>()))> {
    if (!view_) return std::nullopt;
    // Nothing reaches the command line while the dialog waits: it is in the middle of a command.
    asking_ = true;
    auto answer = ask(*view_);
    asking_ = false;
    if (!typeLater_.empty()) desk::PostMessage(windows_.mainFrame, kTypeLaterMessage, 0, 0);
    return answer;
}

std::optional<command::SaveChoice> Instance::AskSaveChanges() {
    return AskInDialog([this](ProductView& view) { return view.AskSaveChanges(DrawingName()); });
}

std::optional<std::string> Instance::ChooseDrawingFile() {
    return AskInDialog([this](ProductView& view) { return view.ChooseDrawingFile(DrawingName()); });
}

bool Instance::EndWithProgram() {
    if (quitting_ || !HasUnsavedChanges()) return true;
    if (AsksUser()) return false;
    desk::ThreadScope scope(threadId_);
    inputs_.TypeFromChannel("\x03\x03_QUIT\r");
    return quitting_;
}

bool EndRunningProducts() {
    for (Instance* instance : RunningInstances())
        if (!instance->EndWithProgram()) return false;
    return true;
}

} // namespace cad::app
