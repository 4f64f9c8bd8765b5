#include "MsgBox.h"

#include "AppInfo.h"

#include <QPointer>

QMessageBox::StandardButton ShowMessage(QWidget *parent, const QString &text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    // On the heap: a window closed while its message shows (a module switch
    // made through the accessibility bus, which modality does not stop)
    // takes the box with it, which exec() survives and reports as no answer.
    QPointer<QMessageBox> box = new QMessageBox(icon, AppInfo::ApplicationTitle(), text, buttons, parent);
    box->setObjectName(QStringLiteral("MessageBox"));
    if (defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(defaultButton);
    box->setTextFormat(Qt::PlainText);
    const int answer = box->exec();
    const auto pressed = box ? static_cast<QMessageBox::StandardButton>(answer) : QMessageBox::NoButton;
    delete box.data();
    return pressed;
}
