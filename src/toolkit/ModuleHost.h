#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include "DataLocations.h"

// What modules may ask of the window they live in. The main window implements
// it and hands itself to every module it opens; module windows keep it and
// pass it on to the windows they open.
class ModuleHost {
public:
    virtual ~ModuleHost() = default;

    enum class Placement {
        Centred,         // Left = (screen width - window width) / 2, Top = 0, with a frame
        TopLeftBorderless // at the document area's top left, no frame (a display beside a panel)
    };
    // Shows a module window inside the main window, without modality.
    virtual void ShowModuleWindow(QWidget *window, Placement placement = Placement::Centred) = 0;
    // Makes the start panel visible again, at its full height.
    virtual void ShowStartPanel() = 0;
    virtual void HideStartPanel() = 0;
    // Remembers a module window or a dialog a module opened, so that the next
    // module selection closes it. Module windows call it themselves.
    virtual void TrackModuleWindow(QWidget *window) = 0;
    // The main window, the parent of what a module puts into it; nullptr
    // where windows stand on their own.
    virtual QMainWindow *MainWindow() = 0;
    // Where the program's and the user's files are.
    virtual const DataLocations &Locations() const = 0;
    // The program's command line (the first argument is its path).
    virtual QStringList Arguments() const = 0;

    // Room in the main window for a module that shows part of itself there:
    // beside the document area (Left) or above it (Top). The panel is empty
    // and hidden until the module puts its own widgets into its layout and
    // shows it; selecting another module hides it again, selecting the owner
    // leaves it as it was.
    enum class Panel { Left, Top };
    virtual QWidget *ModulePanel(Panel side, const QString &owner) = 0;
    // Selects the module of that name as its button does.
    virtual void SelectModule(const QString &name) = 0;
};

// Base of every module window: a main window (own menu bar) that lives in the
// host's document area. It tells the host about itself when it is made, so
// module selection closes it; closing it by any means shows the start panel again.
class ModuleWindow : public QMainWindow {
    Q_OBJECT
public:
    ModuleWindow(const QString &className, ModuleHost &host, QWidget *parent = nullptr);

    ModuleHost &Host() const { return host_; }
    const DataLocations &Locations() const { return host_.Locations(); }

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
    // Runs once when the window closes, before the start panel is shown again.
    virtual void OnClosing() {}

private:
    ModuleHost &host_;
    bool closing_ = false;
};
