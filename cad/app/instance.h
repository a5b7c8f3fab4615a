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
#include <string>
#include <vector>

namespace cad::app {

// The product's drawing on the user's screen; the program supplies one (cad/view's window),
// tests run without.
class ProductView {
public:
    virtual ~ProductView() = default;
};
using ViewFactory =
    std::function<std::unique_ptr<ProductView>(Drawing& drawing, command::CommandLine& commandLine, const std::string& caption)>;
void SetViewFactory(ViewFactory factory);

// Makes the executable start the product (the desktop calls the product when it is started).
void RegisterProductImage(const Product& product, const std::string& exePath);

struct ProductWindows {
    desk::HWND mainFrame = nullptr, mdiClient = nullptr, drawingWindow = nullptr, graphicsView = nullptr;
    desk::HWND controlBar = nullptr, commandFrame = nullptr, commandHost = nullptr;
    desk::HWND commandMarin = nullptr, commandHeadlands = nullptr, commandMountTam = nullptr;
    desk::HWND textFrame = nullptr, textView = nullptr, textMarin = nullptr, textHeadlands = nullptr, textMountTam = nullptr;
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

    // A click in the drawing at a point prompt; false when no command asks for anything.
    bool Pick(Point p);
    // Keys the user types in the drawing window (code page 932).
    void TypeFromUser(std::string_view keys);

    // command::CommandHost
    command::SystemVariables& Variables() override { return variables_; }
    void VariableSet(std::string_view name) override;
    bool AsksFileFormat() const override { return IsRegistryProduct(product_); }
    std::string DrawingPath() const override { return drawingPath_; }
    std::string DrawingName() const override;
    bool FileExists(const std::string& path) override;
    void WriteDrawing(const Drawing& drawing, const std::string& path, bool becomesDrawingFile) override;
    void WriteTextFile(const std::string& path, const std::string& text) override;
    std::string ReadTextFile(const std::string& path) override;
    void TypeLater(std::string text) override;
    void Quit() override;

private:
    void BuildWindows(int showWindow);
    void ShowStartupDialog();
    void CloseStartupDialog();
    void TakeSharedResources();  // the lock file and the DDE service, when free
    void UpdateCaptions();
    std::string ProfileKey() const;
    desk::LRESULT HandleFrame(desk::HWND, desk::UINT, desk::WPARAM, desk::LPARAM);
    desk::LRESULT HandleCommon(desk::HWND, desk::UINT, desk::WPARAM, desk::LPARAM);

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
    ProductWindows windows_;
    std::deque<std::string> typeLater_;
    desk::HANDLE lock_ = desk::INVALID_HANDLE_VALUE;
    std::unique_ptr<dde::ServerRegistration> dde_;
    std::unique_ptr<ProductView> view_;
};

// The running instances in the order they started.
std::vector<Instance*> RunningInstances();
// The instance of a process; null when that process runs none.
Instance* FindInstance(desk::DWORD processId);

} // namespace cad::app
