#pragma once

#include <QMainWindow>
#include <QString>

// What modules may ask of the main window. The main window implements it;
// without a main window (some tests) module windows open on their own.
class ModuleHost {
public:
    virtual ~ModuleHost() = default;

    // The host of the running program, or nullptr.
    static ModuleHost *Current();

    enum class Placement {
        Centred,         // Left = (screen width - window width) / 2, Top = 0, with a frame
        TopLeftBorderless // at the document area's top left, no frame (Learn Yoga's display)
    };
    // Shows a module window inside the main window, without modality.
    virtual void ShowModuleWindow(QWidget *window, Placement placement = Placement::Centred) = 0;
    // Makes the start panel visible again; resetHeight also sets its height back to 10000 twips.
    virtual void ShowStartPanel(bool resetHeight) = 0;
    virtual void HideStartPanel() = 0;
    // Remembers a module window or a dialog a module opened, so that the next
    // module selection closes it. Module windows call it themselves.
    virtual void TrackModuleWindow(QWidget *window) = 0;
    // The main window, the parent of what a module puts into it.
    virtual QMainWindow *MainWindow() = 0;

    // Room in the main window for a module that shows part of itself there:
    // beside the document area (Left) or above it (Top). The panel is empty
    // and hidden until the module puts its own widgets into its layout and
    // shows it; selecting another module hides it again, selecting the owner
    // leaves it as it was.
    enum class Panel { Left, Top };
    virtual QWidget *ModulePanel(Panel side, const QString &owner) = 0;
    // Selects the module of that name as its button does.
    virtual void SelectModule(const QString &name) = 0;

protected:
    static void SetCurrent(ModuleHost *host);
};

// Base of every module window: a main window (own menu bar) that lives in the
// host's document area. It tells the host about itself when it is made, so
// module selection closes it; closing it by any means shows the start panel again.
class ModuleWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ModuleWindow(const QString &className, QWidget *parent = nullptr);

    // Closes the window, and the frame around it inside the main window.
    void CloseModule();
    // Shows or hides the window together with its frame inside the main window.
    void SetModuleVisible(bool visible);
    // Puts the window's contents into a scroll area that keeps them at their
    // minimum size, so the window itself can be made smaller than that (on a
    // small screen) and the user scrolls to what does not fit. Runs once.
    void ScrollContents();

protected:
    void closeEvent(QCloseEvent *event) override;
    // The Zodiac Yoga windows also reset the start panel's height.
    virtual bool ResetsStartPanelHeight() const { return false; }
    // Runs once when the window closes, before the start panel is shown again.
    virtual void OnClosing() {}

private:
    bool closing_ = false;
};
