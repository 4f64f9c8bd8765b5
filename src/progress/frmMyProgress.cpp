#include "frmMyProgress.h"

#include "toolkit/MsgBox.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

QTableWidget *makeTable(const QString &name, const QStringList &headers, int stretchColumn,
                        QWidget *parent) {
    auto *table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setSectionResizeMode(stretchColumn, QHeaderView::Stretch);
    table->setWordWrap(false);
    // Column widths come from the first rows only: measuring every row of a
    // long history would cost more than the rest of the window.
    table->horizontalHeader()->setResizeContentsPrecision(25);
    return table;
}

void setCell(QTableWidget *table, int row, int column, const QString &text, bool number = false) {
    auto *item = new QTableWidgetItem(text);
    item->setToolTip(text); // the whole text where the column is too narrow
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, item);
}

QString percentText(double percent) {
    return QString::number(percent, 'f', 0) + u'%';
}

QString summaryText(const QString &module, const Progress::ModuleSummary &summary) {
    if (summary.testCount == 0)
        return QStringLiteral("No finished test of ") + module +
               QStringLiteral(" is recorded yet. Finish a test and it appears here.");
    QString text = QString::number(summary.testCount) +
                   (summary.testCount == 1 ? QStringLiteral(" test") : QStringLiteral(" tests")) +
                   QStringLiteral(" recorded.");
    if (summary.testCount > summary.chart.size())
        text += QStringLiteral(" The chart shows the latest ") +
                QString::number(summary.chart.size()) + QStringLiteral(", the table the latest ") +
                QString::number(summary.recent.size()) + u'.';
    return text;
}

QString memoryText(const Progress::MemoryOutlook &outlook) {
    if (outlook.items == 0)
        return QStringLiteral("No item has been asked yet, so none is due for practice.");
    return QStringLiteral("Due for practice today: ") + QString::number(outlook.dueToday) +
           (outlook.dueToday == 1 ? QStringLiteral(" item. ") : QStringLiteral(" items. ")) +
           QStringLiteral("Remembered: ") + QString::number(outlook.RememberedPercent()) +
           QStringLiteral("% of ") + QString::number(outlook.items) +
           (outlook.items == 1 ? QStringLiteral(" item") : QStringLiteral(" items")) +
           QStringLiteral(" asked (a chance of recall of 90% or more now).");
}

QChart *plainChart() {
    auto *chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

void clearChart(QChart *chart) {
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);
}

} // namespace

frmMyProgress::frmMyProgress(const QStringList &modules, const QString &path, QWidget *parent,
                             MyProgressOptions options)
    : QDialog(parent), store_(path), options_(std::move(options)) {
    setObjectName(QStringLiteral("frmMyProgress"));
    setWindowTitle(QStringLiteral("My Progress"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    auto *layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabModules"));
    for (int i = 0; i < modules.size(); ++i) {
        pages_.push_back(buildPage(modules[i], i));
        tabs_->addTab(pages_.back().widget, modules[i]);
    }
    layout->addWidget(tabs_, 1);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Enter closes the window; nothing that clears the history is pressed by accident.
    close->setDefault(true);
    close->setFocus();
    setFocusProxy(close);
    // Pages are read when first shown.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && size_t(index) < pages_.size() && !pages_[size_t(index)].loaded)
            loadPage(pages_[size_t(index)]);
    });
    if (!pages_.empty())
        loadPage(pages_.front());
    setMinimumSize(720, 540);
    resize(960, 680);
}

frmMyProgress::~frmMyProgress() = default;

QString frmMyProgress::CurrentModule() const {
    const int index = tabs_->currentIndex();
    return index >= 0 && size_t(index) < pages_.size() ? pages_[size_t(index)].module : QString();
}

frmMyProgress::Page frmMyProgress::buildPage(const QString &module, int index) {
    Page page;
    page.module = module;
    page.widget = new QWidget(tabs_);
    page.widget->setObjectName(QStringLiteral("fraModule(%1)").arg(index));
    auto *layout = new QVBoxLayout(page.widget);

    page.summary = new QLabel(page.widget);
    page.summary->setObjectName(QStringLiteral("lblSummary"));
    page.summary->setWordWrap(true);
    layout->addWidget(page.summary);
    page.memory = new QLabel(page.widget);
    page.memory->setObjectName(QStringLiteral("lblMemory"));
    page.memory->setWordWrap(true);
    layout->addWidget(page.memory);

    page.chart = new QChartView(plainChart(), page.widget);
    page.chart->setObjectName(QStringLiteral("chartScoreShare"));
    page.chart->setRenderHint(QPainter::Antialiasing);
    page.chart->setMinimumHeight(200);
    page.chart->chart()->legend()->setAlignment(Qt::AlignBottom);
    page.forecast = new QChartView(plainChart(), page.widget);
    page.forecast->setObjectName(QStringLiteral("chartForecast"));
    page.forecast->chart()->legend()->hide();
    page.forecast->chart()->setTitle(QStringLiteral("Reviews due over the next 30 days"));
    page.forecast->setMinimumHeight(200);
    auto *charts = new QSplitter(Qt::Horizontal, page.widget);
    charts->addWidget(page.chart);
    charts->addWidget(page.forecast);
    charts->setStretchFactor(0, 3);
    charts->setStretchFactor(1, 2);
    charts->setSizes({560, 380});
    charts->setChildrenCollapsible(false);

    auto *testsBox = new QGroupBox(QStringLiteral("Past Tests"), page.widget);
    auto *testsLayout = new QVBoxLayout(testsBox);
    page.tests =
        makeTable(QStringLiteral("tblTests"),
                  {QStringLiteral("Date and Time"), QStringLiteral("Test"), QStringLiteral("Level"),
                   QStringLiteral("Questions"), QStringLiteral("Score"), QStringLiteral("Share")},
                  1, testsBox);
    testsLayout->addWidget(page.tests);

    auto *missedBox = new QGroupBox(QStringLiteral("Missed Most Often"), page.widget);
    auto *missedLayout = new QVBoxLayout(missedBox);
    page.missed = makeTable(
        QStringLiteral("tblMissed"),
        {QStringLiteral("Item"), QStringLiteral("Missed"), QStringLiteral("Asked")}, 0, missedBox);
    missedLayout->addWidget(page.missed);

    auto *lower = new QSplitter(Qt::Horizontal, page.widget);
    lower->addWidget(testsBox);
    lower->addWidget(missedBox);
    lower->setStretchFactor(0, 3);
    lower->setStretchFactor(1, 2);
    lower->setSizes({640, 360});
    auto *split = new QSplitter(Qt::Vertical, page.widget);
    split->addWidget(charts);
    split->addWidget(lower);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setSizes({300, 300});
    split->setChildrenCollapsible(false);
    layout->addWidget(split, 1);

    auto *row = new QHBoxLayout;
    page.clear = new QPushButton(QStringLiteral("Clear &history"), page.widget);
    page.clear->setObjectName(QStringLiteral("cmdClearHistory"));
    connect(page.clear, &QPushButton::clicked, this, &frmMyProgress::ClearHistory_Click);
    row->addWidget(page.clear);
    if (options_.practise) {
        page.practise = new QPushButton(QStringLiteral("&Practice"), page.widget);
        page.practise->setObjectName(QStringLiteral("cmdPractice"));
        page.practise->setToolTip(QStringLiteral("Practise the items of ") + module +
                                  QStringLiteral(" that are due, and new ones"));
        connect(page.practise, &QPushButton::clicked, this, [this, module] { options_.practise(module); });
        row->addWidget(page.practise);
    }
    row->addStretch(1);
    layout->addLayout(row);
    return page;
}

void frmMyProgress::loadPage(Page &page) {
    page.loaded = true;
    Progress::ModuleSummary summary;
    if (!store_.Summarise(page.module, summary, options_.clock())) {
        showSummary(page, Progress::ModuleSummary());
        page.summary->setText(QStringLiteral("Your progress record could not be read.\n") +
                              store_.Path() + u'\n' + store_.LastError());
        page.clear->setEnabled(false);
        return;
    }
    showSummary(page, summary);
}

void frmMyProgress::showSummary(Page &page, const Progress::ModuleSummary &summary) {
    page.summary->setText(summaryText(page.module, summary));
    page.clear->setEnabled(summary.testCount > 0);

    page.memory->setText(memoryText(summary.memory));
    showScores(page, summary);
    showForecast(page, summary.memory);

    const QLocale locale;
    page.tests->setRowCount(int(summary.recent.size()));
    for (int row = 0; row < summary.recent.size(); ++row) {
        const Progress::PastTest &test = summary.recent[row];
        setCell(page.tests, row, 0, locale.toString(test.takenAt, QLocale::ShortFormat));
        setCell(page.tests, row, 1, test.kind);
        setCell(page.tests, row, 2, test.level);
        setCell(page.tests, row, 3, QString::number(test.questionCount), true);
        // A keyword question of the card test scores several points.
        setCell(page.tests, row, 4,
                QString::number(test.score) + QStringLiteral(" of ") +
                    QString::number(test.maxScore),
                true);
        setCell(page.tests, row, 5, percentText(test.percent), true);
    }
    page.tests->resizeColumnsToContents();

    page.missed->setRowCount(int(summary.mostMissed.size()));
    for (int row = 0; row < summary.mostMissed.size(); ++row) {
        const Progress::MissedItem &item = summary.mostMissed[row];
        setCell(page.missed, row, 0, item.item);
        setCell(page.missed, row, 1, QString::number(item.missed), true);
        setCell(page.missed, row, 2, QString::number(item.asked), true);
    }
    page.missed->resizeColumnsToContents();
}

void frmMyProgress::showScores(Page &page, const Progress::ModuleSummary &summary) {
    QChart *chart = page.chart->chart();
    clearChart(chart);
    auto *time = new QDateTimeAxis;
    time->setTickCount(5);
    time->setTitleText(QStringLiteral("Date taken"));
    QDateTime first = options_.clock().addDays(-1);
    QDateTime last = options_.clock();
    if (!summary.chart.isEmpty()) {
        first = summary.chart.front().takenAt;
        last = summary.chart.back().takenAt;
    }
    // A single test (or tests within a minute) still gets a readable span;
    // the labels name the year only where the span needs it.
    if (first.secsTo(last) < 3600) {
        first = first.addSecs(-1800);
        last = last.addSecs(1800);
        time->setFormat(QStringLiteral("d MMM hh:mm"));
    } else {
        const qint64 days = first.daysTo(last);
        time->setFormat(days > 300 ? QStringLiteral("MMM yyyy")
                                   : days > 4 ? QStringLiteral("d MMM") : QStringLiteral("d MMM hh:mm"));
    }
    time->setRange(first, last);
    auto *share = new QValueAxis;
    share->setRange(0, 100);
    share->setLabelFormat(QStringLiteral("%d"));
    share->setTitleText(QStringLiteral("Score (%)"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(share, Qt::AlignLeft);
    // One line per kind of test, in the order the kinds were first taken.
    QStringList kinds;
    QList<QList<QPointF>> points;
    for (const Progress::SharePoint &point : summary.chart) {
        qsizetype at = kinds.indexOf(point.kind);
        if (at < 0) {
            at = kinds.size();
            kinds << point.kind;
            points.append(QList<QPointF>());
        }
        points[at].append(QPointF(qreal(point.takenAt.toMSecsSinceEpoch()), point.percent));
    }
    for (qsizetype k = 0; k < kinds.size(); ++k) {
        auto *series = new QLineSeries;
        series->setName(kinds[k]);
        series->setPointsVisible(true);
        series->replace(points[k]);
        chart->addSeries(series);
        series->attachAxis(time);
        series->attachAxis(share);
    }
    chart->legend()->setVisible(!kinds.isEmpty());
}

void frmMyProgress::showForecast(Page &page, const Progress::MemoryOutlook &outlook) {
    QChart *chart = page.forecast->chart();
    clearChart(chart);
    auto *due = new QBarSet(QStringLiteral("Reviews due"));
    int most = 0;
    for (int count : outlook.forecast) {
        due->append(count);
        most = std::max(most, count);
    }
    auto *series = new QBarSeries;
    series->setBarWidth(0.8);
    series->append(due);
    chart->addSeries(series);
    // Days as numbers, a label every fifth day: 30 dates would not fit.
    auto *days = new QValueAxis;
    days->setRange(-0.5, Progress::ForecastDays - 0.5);
    days->setTickType(QValueAxis::TicksDynamic);
    days->setTickAnchor(0);
    days->setTickInterval(5);
    days->setLabelFormat(QStringLiteral("%d"));
    days->setTitleText(QStringLiteral("Days from today"));
    auto *count = new QValueAxis;
    // Round steps of whole items up to the highest bar or above.
    count->setRange(0, std::max(4, most));
    count->setTickCount(5);
    count->applyNiceNumbers();
    count->setLabelFormat(QStringLiteral("%d"));
    count->setTitleText(QStringLiteral("Items"));
    chart->addAxis(days, Qt::AlignBottom);
    chart->addAxis(count, Qt::AlignLeft);
    series->attachAxis(days);
    series->attachAxis(count);
}

void frmMyProgress::Refresh() {
    for (Page &page : pages_)
        page.loaded = false;
    const int index = tabs_->currentIndex();
    if (index >= 0 && size_t(index) < pages_.size())
        loadPage(pages_[size_t(index)]);
}

void frmMyProgress::ClearHistory_Click() {
    const QString module = CurrentModule();
    if (module.isEmpty())
        return;
    const QString question = QStringLiteral("Clear the recorded history of ") + module +
                             QStringLiteral("? Its tests, its missed items and what practice knows of "
                                            "each item are removed for good.");
    if (ShowMessage(this, question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!store_.Clear(module))
        ShowMessage(this,
                    QStringLiteral("The history could not be cleared.\r\n") + store_.LastError(),
                    QMessageBox::Critical);
    Refresh();
}
