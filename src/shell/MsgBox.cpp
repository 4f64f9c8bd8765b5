#include "MsgBox.h"

#include "AppInfo.h"

QMessageBox::StandardButton ShowMessage(QWidget *parent, const QString &text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, AppInfo::ApplicationTitle(), text, buttons, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
