#pragma once

#include "frmLearnYogaDisp.h"
#include "modLearnYogasana.h"
#include "modLessonMenu.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

class ModuleHost;
class QComboBox;
class QLabel;
class QListWidget;
class QMainWindow;
class QPushButton;
class QWidget;

// Learn Yoga inside the main window: the lesson menu in picLeft, the asana
// browsing panels and the picture picYoga in the browsing strip picTop1, and
// the display window frmLearnYogaDisp they write into. Built once when the
// main window is built and owned by it, so the menu's state (open section,
// panels, positions) lasts as long as the main window, the whole program run.
class LearnYogaStrips : public QObject {
    Q_OBJECT
public:
    // Builds the menu and the browsing panels into the host's main window and
    // fills the three asana lists.
    explicit LearnYogaStrips(ModuleHost &host);

    // The strips of the host's main window, or nullptr when none were built.
    static LearnYogaStrips *Of(QMainWindow *mainWindow);

    // Selecting the module: shows the lesson menu and opens the display
    // window with the introduction.
    void Open();

    // A click on a section button (1 to 7), and on a lesson button given by
    // its place in button order (0 for Command11 to 20 for Command74).
    void SectionClick(int section);
    void LessonClick(int lesson);

    // Shows an asana's picture and detail page; a name that is in no record
    // leaves both as they were.
    void ShowYogasana(const QString &name);
    void ListAsanasByBodyPart(const QString &bodyPart);
    void ListAsanasByApplication(const QString &application);

    const LearnYoga::LessonMenu &Menu() const { return menu_; }
    frmLearnYogaDisp *Display() const { return display_; }
    // The picture number (1 to 32) shown in picYoga, 0 before the first asana.
    int ShownPicture() const { return shownPicture_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void buildBrowsingPanels();
    void fillLists();
    void setTabOrder();
    void applyMenu();
    frmLearnYogaDisp *openDisplay();
    frmLearnYogaDisp *display();
    void sizeDisplay();
    void firstAction(int section);

    void cboAsanasByName_Click();
    void cboAsanasByBodyPart_Click();
    void lstAsanasByBodyPart_Click();
    void cboAsanasByTherapeuticApplications_Click();
    void lstAsanasByTherapeuticApplications_Click();

    ModuleHost &host_;
    QMainWindow *main_ = nullptr;
    QWidget *leftPanel_ = nullptr; // the main window's panels that hold the strips
    QWidget *topPanel_ = nullptr;
    QWidget *picTop1_ = nullptr;
    QWidget *picContainer_ = nullptr;
    QWidget *picLeft_ = nullptr;

    std::array<QPushButton *, LearnYoga::SectionCount> sectionButtons_{};
    std::array<QWidget *, LearnYoga::SectionCount> panels_{}; // Picture1 to Picture7
    std::array<QPushButton *, 21> lessonButtons_{};
    QLabel *picYoga_ = nullptr;
    QComboBox *cboAsanasByName_ = nullptr;
    QComboBox *cboAsanasByBodyPart_ = nullptr;
    QListWidget *lstAsanasByBodyPart_ = nullptr;
    QComboBox *cboAsanasByTherapeuticApplications_ = nullptr;
    QListWidget *lstAsanasByTherapeuticApplications_ = nullptr;

    LearnYoga::LessonMenu menu_;
    LearnYoga::YogasanaCatalogue records_;
    QPointer<frmLearnYogaDisp> display_;
    QPointer<QWidget> watchedArea_; // the document area's viewport, refitted on resize
    bool sizingBusy_ = false; // laying out the area resizes it: no sizing inside a sizing
    QString shownAsana_; // the asana whose page the display shows, empty for a lesson
    int shownPicture_ = 0;
};
