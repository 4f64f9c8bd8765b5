#pragma once

#include <QMessageBox>
#include <QString>

// Shows a modal message box with the application's title as caption, the given
// icon and buttons, and returns the button pressed. Enter presses
// `defaultButton` when one is given. Tests answer it by finding the active modal widget.
QMessageBox::StandardButton ShowMessage(QWidget *parent, const QString &text,
                                        QMessageBox::Icon icon = QMessageBox::Information,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
