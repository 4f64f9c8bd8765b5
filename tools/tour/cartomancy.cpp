// Learn Cartomancy: every tab, a description and a keyword test to their reports.
#include "Tour.h"

#include "cartomancy/frmLearnCartomancyPicEntry.h"
#include "cartomancy/modLearnCartomancyStartup.h"
#include "toolkit/DataLocations.h"
#include "toolkit/ModuleHost.h"
#include "shell/frmMDI.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

void walk(frmMDI &mdi)
{
    // Answers "Test Complete" and any other message box.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(50);

    Tour::SelectModule(mdi, 3);
    QWidget *window = Tour::Find<QWidget>(&mdi, QStringLiteral("frmLearnCartomancyMain"));
    if (!window)
        return;
    const auto find = [window](const QString &name) { return Tour::Find<QAbstractButton>(window, name); };
    const auto click = [&](const QString &name) {
        if (QAbstractButton *button = find(name))
            button->click();
    };
    auto *tabs = Tour::Find<QTabWidget>(window, QStringLiteral("SSTab1"));
    Tour::Shot(&mdi, QStringLiteral("cartomancy-settings"));

    tabs->setCurrentIndex(0);
    click(QStringLiteral("chkGoal1"));
    Tour::Shot(&mdi, QStringLiteral("cartomancy-goals"));
    tabs->setCurrentIndex(1);

    click(QStringLiteral("optRun"));
    click(QStringLiteral("chkSysTray"));
    click(QStringLiteral("cmdSetOption"));
    Tour::Shot(&mdi, QStringLiteral("cartomancy-memorize-first"));
    // Every card face as the memorise screen shows it, on one sheet (13 a row).
    auto *face = Tour::Find<QLabel>(window, QStringLiteral("picCardMemorize"));
    const QSize cell = face->size() / 2 + QSize(6, 6);
    QImage sheet(cell.width() * 13, cell.height() * 4, QImage::Format_RGB32);
    sheet.fill(Qt::darkGreen);
    {
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int card = 0; card < 52; ++card) {
            if (card > 0)
                click(QStringLiteral("cmdNext"));
            const QRect target(QPoint((card % 13) * cell.width() + 3, (card / 13) * cell.height() + 3),
                               face->size() / 2);
            painter.drawPixmap(target, face->grab());
        }
    }
    QLabel contact;
    contact.setPixmap(QPixmap::fromImage(sheet));
    contact.resize(sheet.size());
    Tour::SaveWindow(&contact, QStringLiteral("cartomancy-card-faces"));
    tabs->setCurrentIndex(1);
    click(QStringLiteral("cmdSetOption"));
    for (int i = 0; i < 13; ++i)
        click(QStringLiteral("cmdNext"));
    Tour::Shot(&mdi, QStringLiteral("cartomancy-memorize-card14"));

    // A description test at "Advanced": the first shown option every time.
    tabs->setCurrentIndex(1);
    click(QStringLiteral("optDontRun"));
    click(QStringLiteral("optTestType(0)"));
    click(QStringLiteral("optDifficulty(2)"));
    click(QStringLiteral("cmdStartTest2"));
    Tour::Shot(&mdi, QStringLiteral("cartomancy-description-question"));
    for (int q = 0; q < 60 && tabs->currentIndex() == 3; ++q) {
        for (int i = 0; i < 7; ++i) {
            QAbstractButton *option = find(QStringLiteral("optAnswer(%1)").arg(i));
            if (option && option->isVisible()) {
                option->click();
                break;
            }
        }
        click(QStringLiteral("cmdNextQuestion"));
    }
    Tour::Shot(&mdi, QStringLiteral("cartomancy-description-report"));
    Tour::ShotReview(window, QStringLiteral("cartomancy-description-review"));

    // A keyword test at "Intermediate", three boxes ticked each time.
    tabs->setCurrentIndex(1);
    click(QStringLiteral("optTestType(1)"));
    click(QStringLiteral("optDifficulty(1)"));
    click(QStringLiteral("cmdStartTest2"));
    for (int i = 0; i < 3; ++i)
        click(QStringLiteral("chkKeywords(%1)").arg(i));
    Tour::Shot(&mdi, QStringLiteral("cartomancy-keyword-question"));
    for (int q = 0; q < 60 && tabs->currentIndex() == 3; ++q) {
        int ticked = 0;
        for (int i = 0; i < 10 && ticked < 3; ++i) {
            auto *box = qobject_cast<QCheckBox *>(find(QStringLiteral("chkKeywords(%1)").arg(i)));
            if (box && box->isVisible()) {
                if (!box->isChecked())
                    box->click();
                ++ticked;
            }
        }
        click(QStringLiteral("cmdNextQuestion"));
    }
    Tour::Shot(&mdi, QStringLiteral("cartomancy-keyword-report"));
    Tour::ShotReview(window, QStringLiteral("cartomancy-keyword-review"));

    // The card picture window, opened the way --card-picture-entry opens it.
    if (auto *module = qobject_cast<ModuleWindow *>(window))
        module->CloseModule();
    mdi.HideStartPanel();
    mdi.ShowModuleWindow(new frmLearnCartomancyPicEntry(mdi));
    Tour::Shot(&mdi, QStringLiteral("cartomancy-picture-entry"));
    answer.stop();
}

const Tour::Walk registered(3, walk);

} // namespace
