#include "ReadingFileDialog.h"

#include <QFileDialog>

QString ChooseReadingFile(QWidget *parent, const QString &title, bool forSaving)
{
    QFileDialog dialog(parent, title);
    dialog.setObjectName(QStringLiteral("CD"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Vessa Free Zodiac Yoga (*.zoy)"));
    dialog.setDefaultSuffix(QStringLiteral("zoy"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
