#pragma once
// Screens. Each screen is a class derived from Form, named after the screen; its controls are
// members constructed with the screen (or a frame on it) as their container, and its event
// handlers are methods named <control>_<event> that the constructor wires to the controls.
//
// One instance per screen, reached only through the accessor
//     forms::Get<警告表示画面>()
// which creates the screen on first touch and runs its Form_Load. Unload lets the instance go;
// the next Get loads it afresh. Position and size are in twips (15 twips = 1 pixel).
#include <functional>
#include <memory>
#include <string>
#include <typeindex>

class QWidget;

namespace forms {

// What controls are placed on: a screen's client area, a frame, a picture box. Children are
// positioned in the container's units: twips, or the user scale of a picture box.
class Container {
public:
    virtual ~Container() = default;
    virtual QWidget* ClientWidget() const = 0;

    struct Units {
        double left = 0, top = 0;              // units at the top-left pixel
        double perPixelX = 15, perPixelY = 15; // may be negative (y growing upwards)
    };
    virtual Units ChildUnits() const { return {}; }
};

enum class FormKind {
    Normal, // a window with controls placed on it; a document window of the frame window
            // when the program has one (MDIChild), placed in the frame's workspace
    Mdi,    // the frame window: menu bar, toolbars and the workspace of the other screens
    Apart,  // a window of its own beside the frame window: a screen the user works with
            // beside the CAD while the frame window is minimised
};

enum WindowStateValue : int { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };

class Form : public Container {
public:
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Modeless. A screen of a program with a frame window opens inside the frame's workspace,
    // at Left and Top from the workspace's top-left corner (moved down and right when another
    // screen stands exactly there).
    void Show();
    void Hide();
    void Unload(); // hides and lets go of the instance; safe inside its own handlers

    bool MDIChild() const; // shown as a document window of the frame window

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int twips);
    void SetTop(int twips);
    void SetWidth(int twips);
    void SetHeight(int twips);
    void Move(int left, int top, int width, int height);
    int ScaleWidth() const; // client area, twips
    int ScaleHeight() const;
    // The width (twips) at which the title bar shows the whole caption in the fonts of this
    // system, with the title bar's buttons.
    int CaptionWidth() const;

    int WindowState() const; // WindowStateValue
    void SetWindowState(int state);

    bool Visible() const;
    void SetVisible(bool visible);
    // 0 brings the screen in front of the others, anything else sends it behind; the active
    // screen and the focus stay where they are.
    void ZOrder(int position = 0);

    QWidget* ClientWidget() const override;
    QWidget* Window() const;

protected:
    explicit Form(FormKind kind = FormKind::Normal);

    virtual void Form_Load() {}
    // The user closes the frame window; set cancel to non-zero to keep it. Otherwise it is
    // unloaded.
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    // The user clicks the close box of any other screen: it is hidden, unless the screen
    // closes the way its own return or cancel button does.
    virtual void CloseBox_Click() { Hide(); }
    // Asked by Unload before the screen goes. A screen inside a handler that serves events (a
    // pick in the CAD, say) answers false, ends that work and unloads itself once it has; the
    // screen then stays until it does, so no handler runs on a screen that is gone.
    virtual bool ReadyToUnload() { return true; }

private:
    friend Form& TouchForm(std::type_index, const std::function<std::unique_ptr<Form>()>&);
    bool UserCloses();
    void AttachToFrame();
    void StepClearOfOthers();
    void Place();
    void ReleaseDocumentWindows();
    QWidget* Outer() const;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Internals of the accessor: the loaded instance of a screen type, created on first touch.
Form& TouchForm(std::type_index type, const std::function<std::unique_ptr<Form>()>& create);
Form* FindForm(std::type_index type);

template <class F>
F& Get() {
    return static_cast<F&>(TouchForm(typeid(F), [] { return std::unique_ptr<Form>(new F()); }));
}

template <class F>
bool IsLoaded() {
    return FindForm(typeid(F)) != nullptr;
}

template <class F>
void Unload() {
    if (Form* f = FindForm(typeid(F))) f->Unload();
}

// Unloads every screen at once (program end, test isolation).
void UnloadAll();

} // namespace forms
