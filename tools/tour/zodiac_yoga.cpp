// Zodiac Yoga: the entry window, the three result pages, an asana and the report.
#include "Tour.h"

#include "shell/frmMDI.h"
#include "zodiac_yoga/frmZodiacYogaDisplay.h"
#include "zodiac_yoga/frmZodiacYogaMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {
void walk(frmMDI &mdi)
{
    Tour::SelectModule(mdi, 1);
    auto *entry = Tour::Find<frmZodiacYogaMain>(&mdi, QStringLiteral("frmZodiacYogaMain"));
    if (entry) {
        Tour::Shot(&mdi, QStringLiteral("zodiac-entry"));
        QTest::keyClicks(Tour::Find<QLineEdit>(entry, QStringLiteral("txtName")), QStringLiteral("anna maria"));
        Tour::Find<QComboBox>(entry, QStringLiteral("cboDate"))->setCurrentIndex(20);
        Tour::Find<QComboBox>(entry, QStringLiteral("cboMonth"))->setCurrentIndex(2);
        Tour::Find<QComboBox>(entry, QStringLiteral("cboYear"))->setCurrentIndex(80);
        entry->cmdNext_Click();
        auto *display = Tour::Find<frmZodiacYogaDisplay>(&mdi, QStringLiteral("frmZodiacYogaDisplay"));
        auto *tabs = Tour::Find<QTabWidget>(display, QStringLiteral("SSTab1"));
        auto *inner = Tour::Find<QTabWidget>(display, QStringLiteral("ssTab"));
        Tour::Shot(&mdi, QStringLiteral("zodiac-characteristics"));
        tabs->setCurrentIndex(1);
        Tour::Shot(&mdi, QStringLiteral("zodiac-diet"));
        inner->setCurrentIndex(1);
        Tour::Shot(&mdi, QStringLiteral("zodiac-fitness"));
        tabs->setCurrentIndex(2);
        Tour::Shot(&mdi, QStringLiteral("zodiac-asanas"));
        display->ShowAsana(0, QStringLiteral("Aries"));
        Tour::Shot(&mdi, QStringLiteral("zodiac-asana-detail"));
        QTimer::singleShot(600, [&] {
            if (QWidget *report = QApplication::activeModalWidget()) {
                Tour::SaveWindow(report, QStringLiteral("report"));
                report->close();
            }
        });
        display->cmdPrint_Click();
    }

}
const Tour::Walk registered(1, walk);
} // namespace
