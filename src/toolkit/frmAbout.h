#pragma once

#include <QDialog>

// The About window: logo, title, description and the publisher's links.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Shows the window modally over `owner` and returns when it is closed.
    static void ShowModal(QWidget *owner);
};
