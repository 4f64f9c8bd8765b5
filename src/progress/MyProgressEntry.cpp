// The entry the main program looks up when it loads the progress window's
// library (with the chart library it needs) on first use.
#include "frmMyProgress.h"

extern "C" Q_DECL_EXPORT QDialog *CreateMyProgressWindow(const QStringList &modules, const QString &path,
                                                         QWidget *parent, const MyProgressOptions &options)
{
    return new frmMyProgress(modules, path, parent, options);
}
