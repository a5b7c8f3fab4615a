#pragma once
// A running product: a process of the desktop with its drawing, its command line and the
// window tree by which the control library finds it:
//
//   main frame "AutoCAD LT 2002 - [Drawing1.dwg]" (menu bar)
//     AfxControlBar42 > AfxWnd42 > "Marin" > "Headlands", "MountTam"   (docked command line)
//     MDIClient > drawing window "Drawing1.dwg" > graphics view
//   text window (hidden) > AfxFrameOrView42 > "Marin" > "Headlands", "MountTam"
//   start-up dialog "ｽﾀｰﾄｱｯﾌﾟ" (#32770), while open the main frame is disabled
//
// The products before the control bar have the command line as a window of its own, owned by
// the main frame (Afx frame > AfxWnd > "Marin" > ...), and their text view is AfxFrameOrView.
//
// "Headlands" answers WM_GETTEXT with the prompt and what is typed, "MountTam" with the
// history (window_texts.h). Text sent to the main frame with WM_COPYDATA and characters
// posted as WM_CHAR to any of its windows are typed at the command line, as are DDE execute
// strings of the LT products ("AutoCAD LT.DDE" / "System"). While it runs, the product holds
// its lock file <exe>.xmx open without sharing.
#include "cad/app/command_inputs.h"
#include "cad/app/product.h"
#include "cad/command/command_host.h"
#include "cad/command/command_line.h"
#include "platform/dde/dde_server.h"
#include "platform/desktop/process.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <string>
#include <vector>

namespace cad::app {

class Instance;

// The product's drawing on the user's screen; the program supplies one (cad/view's window),
// tests run without. The user's typing and picks in it go to the instance (TypeFromUser,
// Pick, PickObject), closing it closes the product (Close).
// Where the main frame stands on the desktop (screen pixels, its outer rectangle) and how
// it is shown.
struct FramePlace {
    desk::RECT rect{};
    bool visible = false, minimized = false, maximized = false;
};

class ProductView {
public:
    virtual ~ProductView() = default;
    // The main frame's caption changed (UTF-8).
    virtual void SetCaption(const std::string& caption) = 0;
    // The main frame was moved, sized, shown or hidden on the desktop (by the control's
    // AcReSize, SetState and the like): the window on screen follows.
    virtual void Follow(const FramePlace& place) = 0;
    // The product waits for a pick: its window comes to the front of the screen.
    virtual void BringToFront() = 0;
    // A click in the graphics view at that fraction of its width and height, as a click of
    // the user's mouse at the same place of the drawing on screen.
    virtual void ClickAt(double fx, double fy, bool rightButton) = 0;
    // Asks the user whether to save the changes of the drawing (UTF-8 name) before it goes:
    // 保存 / 保存しない / キャンセル. Returns once the user has answered.
    virtual command::SaveChoice AskSaveChanges(const std::string& drawingName) = 0;
    // Asks the user for the file to save the drawing under, as a path of the desktop (UTF-8);
    // empty when the user gave up.
    virtual std::string ChooseDrawingFile(const std::string& drawingName) = 0;
};
using ViewFactory = std::function<std::unique_ptr<ProductView>(Instance& instance)>;
void SetViewFactory(ViewFactory factory);

// Makes the executable start the product (the desktop calls the product when it is started).
void RegisterProductImage(const Product& product, const std::string& exePath);

struct ProductWindows {
    desk::HWND mainFrame = nullptr, mdiClient = nullptr, drawingWindow = nullptr, graphicsView = nullptr;
    desk::HWND controlBar = nullptr, commandFrame = nullptr, commandHost = nullptr;
    desk::HWND commandMarin = nullptr, commandHeadlands = nullptr, commandMountTam = nullptr;
    desk::HWND textFrame = nullptr, textView = nullptr, textMarin = nullptr, textHeadlands = nullptr,
               textMountTam = nullptr;
    desk::HWND startupDialog = nullptr;
};

class Instance final : public command::CommandHost {
public:
    Instance(const Product& product, const desk::ProcessStart& start);
    ~Instance() override;
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    const Product& product() const { return product_; }
    desk::DWORD ProcessId() const { return processId_; }
    desk::DWORD ThreadId() const { return threadId_; }
    const ProductWindows& Windows() const { return windows_; }
    Drawing& drawing() { return drawing_; }
    command::CommandLine& commandLine() { return main_; }
    bool HoldsLock() const { return lock_ != desk::INVALID_HANDLE_VALUE; }
    bool OffersDde() const { return static_cast<bool>(dde_); }

    // The main frame's caption, UTF-8.
    std::string Caption() const;
    // The main frame's place on the desktop as it stands.
    FramePlace FramePlacement() const;
    // The prompt and what is typed, as the command line shows them (UTF-8).
    std::string CommandLineShown() const { return inputs_.Line(); }

    // The user's picks with the mouse (points already snapped): a point at a point prompt,
    // an object (or none: a window begins there) at "Select objects: ". False when not asked.
    bool Pick(Point p);
    bool PickObject(std::optional<std::size_t> entity, Point at);
    // Keys the user types in the drawing window (code page 932).
    void TypeFromUser(std::string_view keys);
    // Closes the product as its close box does: at once when the drawing has no unsaved
    // changes, else QUIT asks whether to save them. Returns at once.
    void Close();
    // The program the product runs in is ending: the product ends with it, asking first about
    // unsaved changes (QUIT). False when the product stays: the user chose to go on working,
    // a save failed, or the question stands at the command line for want of a screen.
    bool EndWithProgram();
    // Whether the product asks the user a question that the channel must not answer; its
    // DDE service refuses executes meanwhile.
    bool AsksUser() const { return asking_ || main_.AsksUser(); }

    // command::CommandHost
    command::SystemVariables& Variables() override { return variables_; }
    void VariableSet(std::string_view name) override;
    bool AsksFileFormat() const override { return IsRegistryProduct(product_); }
    std::string DrawingPath() const override { return drawingPath_; }
    std::string DrawingName() const override;
    bool HasUnsavedChanges() const override { return drawing_.Revision() != savedRevision_; }
    bool FileExists(const std::string& path) override;
    void WriteDrawing(const Drawing& drawing, const std::string& path, bool becomesDrawingFile) override;
    void WriteTextFile(const std::string& path, const std::string& text) override;
    std::string ReadTextFile(const std::string& path) override;
    std::vector<std::string> OpenDrawing(const std::string& path, Drawing& drawing) override;
    void StartNewDrawing() override;
    std::optional<command::SaveChoice> AskSaveChanges() override;
    std::optional<std::string> ChooseDrawingFile() override;
    void TypeLater(std::string text) override;
    void Quit() override;
    void PointWanted() override;

private:
    void BuildWindows(int showWindow);
    void ShowStartupDialog();
    void CloseStartupDialog();
    void TakeSharedResources(); // the lock file and the DDE service, when free
    void UpdateCaptions();
    std::string ProfileKey() const;
    desk::LRESULT HandleFrame(desk::HWND, desk::UINT, desk::WPARAM, desk::LPARAM);
    desk::LRESULT HandleCommon(desk::HWND, desk::UINT, desk::WPARAM, desk::LPARAM);
    desk::LRESULT HandleGraphicsView(desk::HWND, desk::UINT, desk::WPARAM, desk::LPARAM);
    void TakeDrawingFile(const std::string& path); // the drawing is now that file, unchanged
    // The view's answer to a question in a dialog; none without a view.
    template <class Ask>
    auto AskInDialog(Ask ask) -> std::optional<decltype(ask(std::declval<ProductView&>()))>;

    const Product& product_;
    desk::DWORD processId_;
    desk::DWORD threadId_;
    std::string exePath_;
    Drawing drawing_;
    command::CommandLine main_;
    command::CommandLine transparent_;
    command::HostAttachment mainHost_;
    command::HostAttachment transparentHost_;
    CommandInputs inputs_;
    command::SystemVariables variables_;
    std::string drawingPath_;
    unsigned long savedRevision_ = 0; // the drawing's revision when last started, opened or saved
    ProductWindows windows_;
    std::deque<std::string> typeLater_;
    bool asking_ = false;   // a dialog of the product waits for the user
    bool quitting_ = false; // the product ends once the current input has been taken
    desk::HANDLE lock_ = desk::INVALID_HANDLE_VALUE;
    std::unique_ptr<dde::ServerRegistration> dde_;
    std::unique_ptr<ProductView> view_;
};

// The running instances in the order they started.
std::vector<Instance*> RunningInstances();
// The instance of a process; null when that process runs none.
Instance* FindInstance(desk::DWORD processId);
// The program is ending: every running product ends with it (Instance::EndWithProgram); false
// as soon as one stays, and the program should stay too.
bool EndRunningProducts();

} // namespace cad::app
