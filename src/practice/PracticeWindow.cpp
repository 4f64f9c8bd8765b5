#include "PracticeWindow.h"

#include "frmPractice.h"

PracticeOpener MakePracticeOpener(std::vector<Quiz::PracticeSubject> subjects,
                                  std::shared_ptr<Progress::Recorder> recorder, Progress::Clock clock)
{
    return [subjects, recorder, clock](QWidget *mainWindow, const QString &module) -> QDialog * {
        frmPractice *open = nullptr;
        // A window closed a moment ago is hidden until it is deleted; it does not count.
        for (frmPractice *window : mainWindow->findChildren<frmPractice *>(Qt::FindDirectChildrenOnly))
            if (window->isVisible())
                open = window;
        if (!open) {
            open = new frmPractice(subjects, recorder, clock, mainWindow);
            open->setAttribute(Qt::WA_DeleteOnClose);
            // An open progress window shows the practice at once.
            QObject::connect(open, &frmPractice::Recorded, mainWindow, [mainWindow] {
                if (QDialog *progress = OpenMyProgressWindow(mainWindow))
                    QMetaObject::invokeMethod(progress, "Refresh");
            });
        }
        open->ShowModule(module);
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    };
}
