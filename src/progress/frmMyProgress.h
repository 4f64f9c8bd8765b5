#pragma once

#include "ProgressStore.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

// "My Progress": for each recorded module a line chart of the score share
// over time, the latest tests in a table, the items missed most often and
// "Clear History". A module's page is read from the progress file when it is
// first shown, so opening the window reads one module only.
class frmMyProgress : public QDialog {
    Q_OBJECT
public:
    // `modules` are the modules' names in tab order; `path` is the progress file.
    frmMyProgress(const QStringList &modules, const QString &path, QWidget *parent = nullptr);
    ~frmMyProgress() override;

    // Reads the current module's page again (after a test was recorded).
    Q_INVOKABLE void Refresh();
    // Asks for confirmation, then clears the current module's history.
    void ClearHistory_Click();

    QString CurrentModule() const;

private:
    struct Page {
        QString module;
        QWidget *widget = nullptr;
        QLabel *summary = nullptr;
        QChartView *chart = nullptr;
        QTableWidget *tests = nullptr;
        QTableWidget *missed = nullptr;
        QPushButton *clear = nullptr;
        bool loaded = false;
    };
    Page buildPage(const QString &module, int index);
    void loadPage(Page &page);
    void showSummary(Page &page, const Progress::ModuleSummary &summary);

    Progress::ProgressStore store_;
    QTabWidget *tabs_ = nullptr;
    std::vector<Page> pages_;
};
