#pragma once

#include "toolkit/ModuleHost.h"
#include "toolkit/ModuleTable.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QAbstractButton>
#include <QAction>

class QBoxLayout;
class QLabel;
class QMdiArea;
class ModuleButtonRow;
class QPushButton;

// The main window: banner, module buttons, start panel, the panels a module
// may fill beside and above the document area, the document area that holds
// the module windows and the bottom strip. It is built from a Suite: the
// modules, their menus, where files are and the command line.
class frmMDI : public QMainWindow, public ModuleHost {
    Q_OBJECT
public:
    explicit frmMDI(Suite suite, QWidget *parent = nullptr);
    ~frmMDI() override;

    // Selects the module of the module table (closes every module window,
    // hides the start panel, opens the module fresh).
    void SelectModule(const ModuleEntry &module);
    // Selects the module that opens each file (named on the command line), the
    // way its button does, and hands it the file; of several files for one
    // module only the last.
    void OpenFiles(const QStringList &files);

    QMdiArea *DocumentArea() const { return mdiArea_; }
    // F6: from the module buttons into the module window and back.
    void SwitchPane();

    // ModuleHost
    void ShowModuleWindow(QWidget *window, Placement placement = Placement::Centred) override;
    void ShowStartPanel() override;
    void HideStartPanel() override;
    void TrackModuleWindow(QWidget *window) override;
    QMainWindow *MainWindow() override { return this; }
    const DataLocations &Locations() const override { return suite_.locations; }
    QStringList Arguments() const override { return suite_.arguments; }
    // The modules the window was built with, in button order.
    const ModuleTable &Modules() const { return suite_.modules; }
    QWidget *ModulePanel(Panel side, const QString &owner) override;
    void SelectModule(const QString &name) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    Suite suite_;
    void setUpKeyboard();
    void suspendOwnAccessKeys(bool suspend);
    QWidget *buildBannerStrip();
    QWidget *buildButtonStrip();
    QWidget *buildStartPanel();
    QWidget *buildDocumentArea();
    QWidget *buildBottomStrip();
    // The load step: horizontal positions computed from a width (the screen
    // width at load, the strip's width after a resize).
    void layOutStrips(int width);
    void placeStartPanel(int width);
    void fitButtonRow(int width);
    void closeAllModuleWindows();
    void setLinkUnderline(QLabel *label, bool on);

    QWidget *picTopMain_ = nullptr;
    QWidget *picTop_ = nullptr;
    ModuleButtonRow *picButtonContainer_ = nullptr;
    QWidget *picMain_ = nullptr;
    QWidget *leftPanel_ = nullptr;
    QWidget *topPanel_ = nullptr;
    QString leftPanelOwner_;
    QString topPanelOwner_;
    QWidget *documentRow_ = nullptr;
    QWidget *picCoBrand_ = nullptr;
    QLabel *lblQuilloryBanner_ = nullptr;
    QPushButton *cmdMdiExit_ = nullptr;
    QLabel *label7_ = nullptr;
    QList<QLabel *> captions_;       // the start panel's labels, top to bottom
    QList<QLabel *> moduleCaptions_; // those that open a module
    QMdiArea *mdiArea_ = nullptr;
    QList<QPushButton *> moduleButtons_; // in button order
    struct SuspendedKey {
        QPointer<QAction> action;
        QPointer<QAbstractButton> button;
        QString with;    // the text with its access key
        QString without; // the text shown while it is laid by
    };
    QList<SuspendedKey> suspendedKeys_;
    bool accessKeysSuspended_ = false;
    QMetaObject::Connection focusWatch_;
    QBoxLayout *centralLayout_ = nullptr;
    int spacerIndex_ = 0;
    QList<QPointer<QWidget>> moduleWindows_; // in the order they were opened
};
