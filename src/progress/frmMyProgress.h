#pragma once

#include "ProgressMenu.h"
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
// over time (a line per kind of test), what the memory model says (items due
// today, the share remembered, a bar chart of the reviews due over the next
// 30 days), the latest tests in a table, the items missed most often,
// "Practice" and "Clear History". A module's page is read from the progress
// file when it is first shown, so opening the window reads one module only.
class frmMyProgress : public QDialog {
    Q_OBJECT
public:
    // `modules` are the modules' names in tab order; `path` is the progress file.
    frmMyProgress(const QStringList &modules, const QString &path, QWidget *parent = nullptr,
                  MyProgressOptions options = {});
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
        QLabel *memory = nullptr;
        QChartView *chart = nullptr;
        QChartView *forecast = nullptr;
        QTableWidget *tests = nullptr;
        QTableWidget *missed = nullptr;
        QPushButton *clear = nullptr;
        QPushButton *practise = nullptr;
        bool loaded = false;
    };
    Page buildPage(const QString &module, int index);
    void loadPage(Page &page);
    void showSummary(Page &page, const Progress::ModuleSummary &summary);
    void showScores(Page &page, const Progress::ModuleSummary &summary);
    void showForecast(Page &page, const Progress::MemoryOutlook &outlook);

    Progress::ProgressStore store_;
    MyProgressOptions options_;
    QTabWidget *tabs_ = nullptr;
    std::vector<Page> pages_;
};
