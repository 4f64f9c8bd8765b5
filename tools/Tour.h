#pragma once

// Shared pieces of the suite tour: each module's walk lives in tools/tour/
// and registers itself with a TourWalk object; the tour runs the walks in
// module button order and saves a picture of the main window at each step.

#include <QString>
#include <QWidget>

class QDialog;
class frmMDI;

namespace Tour {

// Lets pending events run so the window is painted.
void Settle();
// Saves a picture of a window as OUT/NN-name.png.
void Shot(QWidget *window, const QString &name);
// Saves a picture of the whole screen as OUT/NN-name.png.
void ShotScreen(const QString &name);
// Saves a picture of a window as OUT/name.png (dialogs and top-level windows).
void SaveWindow(QWidget *window, const QString &name);
// Presses "Review Missed Answers" on a module window and saves pictures of the
// review's first and second item as NN-name.png and NN-name-next.png.
void ShotReview(QWidget *moduleWindow, const QString &name);
// Chooses the main window's menu item of that name and returns the window of
// that name it opened, or nullptr.
QDialog *OpenFromMenu(frmMDI &mdi, const QString &action, const QString &window);
// Clicks the main window's module button with that index.
void SelectModule(frmMDI &mdi, int button);

template <class T = QWidget> T *Find(QWidget *root, const QString &name)
{
    return root->findChild<T *>(name);
}

// A module's walk, run in `order` (its module button index).
struct Walk {
    Walk(int order, void (*run)(frmMDI &mdi));
};

} // namespace Tour
