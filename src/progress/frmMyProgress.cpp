#include "frmMyProgress.h"

#include "toolkit/MsgBox.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
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

} // namespace

frmMyProgress::frmMyProgress(const QStringList &modules, const QString &path, QWidget *parent)
    : QDialog(parent), store_(path) {
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
    setMinimumSize(640, 480);
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

    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    page.chart = new QChartView(chart, page.widget);
    page.chart->setObjectName(QStringLiteral("chartScoreShare"));
    page.chart->setRenderHint(QPainter::Antialiasing);
    page.chart->setMinimumHeight(200);

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
    split->addWidget(page.chart);
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
    row->addStretch(1);
    layout->addLayout(row);
    return page;
}

void frmMyProgress::loadPage(Page &page) {
    page.loaded = true;
    Progress::ModuleSummary summary;
    if (!store_.Summarise(page.module, summary)) {
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

    QChart *chart = page.chart->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);
    auto *series = new QLineSeries;
    series->setPointsVisible(true);
    QList<QPointF> points;
    points.reserve(summary.chart.size());
    for (const Progress::SharePoint &point : summary.chart)
        points.append(QPointF(qreal(point.takenAt.toMSecsSinceEpoch()), point.percent));
    series->replace(points);
    chart->addSeries(series);
    auto *time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("d MMM yyyy"));
    time->setTickCount(6);
    QDateTime first = QDateTime::currentDateTime().addDays(-1);
    QDateTime last = QDateTime::currentDateTime();
    if (!summary.chart.isEmpty()) {
        first = summary.chart.front().takenAt;
        last = summary.chart.back().takenAt;
    }
    // A single test (or tests within a minute) still gets a readable span.
    if (first.secsTo(last) < 3600) {
        first = first.addSecs(-1800);
        last = last.addSecs(1800);
        time->setFormat(QStringLiteral("d MMM hh:mm"));
    }
    time->setRange(first, last);
    auto *share = new QValueAxis;
    share->setRange(0, 100);
    share->setLabelFormat(QStringLiteral("%d"));
    share->setTitleText(QStringLiteral("Score share (%)"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(share, Qt::AlignLeft);
    series->attachAxis(time);
    series->attachAxis(share);

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
                             QStringLiteral("? Its tests and missed items are removed for good.");
    if (ShowMessage(this, question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!store_.Clear(module))
        ShowMessage(this,
                    QStringLiteral("The history could not be cleared.\r\n") + store_.LastError(),
                    QMessageBox::Critical);
    Refresh();
}
