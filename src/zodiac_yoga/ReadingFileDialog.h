#pragma once

#include <QString>

class QWidget;

// The file dialog for saved readings (".zoy"), for opening or saving; returns
// the chosen path, or an empty text when the user cancels.
QString ChooseReadingFile(QWidget *parent, const QString &title, bool forSaving);
