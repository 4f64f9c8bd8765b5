#pragma once

#include <QMainWindow>
#include <QString>

// What module windows may ask of the main window. The main window implements
// it; without a main window (some tests) module windows open on their own.
class ModuleHost {
public:
    virtual ~ModuleHost() = default;

    // The host of the running program, or nullptr.
    static ModuleHost *Current();

    // Shows a module window inside the main window, without modality, placed
    // with Left = (screen width - window width) / 2 and Top = 0.
    virtual void ShowModuleWindow(QWidget *window) = 0;
    // Makes the start panel visible again; resetHeight also sets its height back to 10000 twips.
    virtual void ShowStartPanel(bool resetHeight) = 0;
    virtual void HideStartPanel() = 0;
    // Remembers a window that is not shown through ShowModuleWindow (a modal
    // dialog) so that switching modules closes it too.
    virtual void TrackModuleWindow(QWidget *window) = 0;

protected:
    static void SetCurrent(ModuleHost *host);
};

// Base of every module window: a main window (own menu bar) that lives in the
// host's document area. Closing it by any means shows the start panel again.
class ModuleWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ModuleWindow(const QString &className, QWidget *parent = nullptr);

    // Closes the window, and the frame around it inside the main window.
    void CloseModule();
    // Shows or hides the window together with its frame inside the main window.
    void SetModuleVisible(bool visible);

protected:
    void closeEvent(QCloseEvent *event) override;
    // The Zodiac Yoga windows also reset the start panel's height.
    virtual bool ResetsStartPanelHeight() const { return false; }
    // Runs once when the window closes, before the start panel is shown again.
    virtual void OnClosing() {}

private:
    bool closing_ = false;
};
