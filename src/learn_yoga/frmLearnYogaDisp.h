#pragma once

#include "toolkit/ModuleHost.h"

class ReportView;

// The Learn Yoga display: a borderless child window at the top left of the
// main window's document area, filled by the rich-text view RTB into which
// the lesson and asana pages are written. Its size is set by the lesson menu
// (LearnYogaStrips), which knows the strips the sizing rules read.
class frmLearnYogaDisp : public ModuleWindow {
    Q_OBJECT
public:
    explicit frmLearnYogaDisp(ModuleHost &host, QWidget *parent = nullptr);

    ReportView *View() const { return RTB_; }
    // Gives the window (and its frame in the document area) this size; the view fills it.
    void SetDisplaySize(const QSize &size);

Q_SIGNALS:
    // The window is closing (module selection closes it); its page is gone.
    void Closing();

protected:
    void OnClosing() override { Q_EMIT Closing(); }

private:
    ReportView *RTB_ = nullptr;
};
