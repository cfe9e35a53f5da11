#pragma once

#include <QAbstractButton>
#include <QWidget>

#include <map>
#include <typeindex>

namespace qv {

// A window of the examination. Each window class exists at most once (see Forms); its
// handlers are named as the form's events are (Form_Load, Form_KeyPress, ...).
class Form : public QWidget {
    Q_OBJECT
  public:
    explicit Form(QWidget* parent = nullptr);

    virtual void Form_Load() {}
    // Set cancel to nonzero to keep the window loaded.
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_KeyPress(int keyAscii) { (void)keyAscii; }
    virtual void Form_MouseMove() {}
    virtual void Form_Resize() {}

    // Shows the window modally and returns once it has been unloaded or hidden.
    void showModal();

    // Outer size and position in twips (the frame included once the window manager added one).
    int Width() const;
    int Height() const;
    void setWidth(int twips);
    void setHeight(int twips);
    int Left() const;
    int Top() const;
    void moveTo(int leftTwips, int topTwips);
    void centreOnScreen();
    // The button that Enter presses, whichever control has the focus; only a focused command
    // button takes Enter for itself.
    void setDefaultButton(QAbstractButton* button);

  signals:
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QSize frameExtra() const;
    void pressDefaultButton();
    friend class Forms;
    bool unloading_ = false;
    QAbstractButton* defaultButton_ = nullptr;
};

// The registry behind "referring to a window creates it": get<F>() creates F and runs its
// Form_Load without showing it; unload destroys it and a later get<F>() creates a fresh one.
class Forms {
  public:
    template <class F>
    static F& get() {
        Form*& slot = registry()[std::type_index(typeid(F))];
        if (slot == nullptr) {
            F* form = new F();
            slot = form;
            form->Form_Load();
        }
        return *static_cast<F*>(slot);
    }
    template <class F>
    static bool isLoaded() {
        const auto it = registry().find(std::type_index(typeid(F)));
        return it != registry().end() && it->second != nullptr;
    }
    template <class F>
    static bool unload() {
        const auto it = registry().find(std::type_index(typeid(F)));
        return it == registry().end() || it->second == nullptr || unload(it->second);
    }
    // Runs Form_Unload; unless cancelled, hides and destroys the window. True when unloaded.
    static bool unload(Form* form);
    // Destroys every window at once, without unload handlers (the end of a test).
    static void destroyAll();

  private:
    static std::map<std::type_index, Form*>& registry();
};

}  // namespace qv
