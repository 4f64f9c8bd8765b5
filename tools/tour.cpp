// Walks through the suite's windows the way a user would and saves a picture
// of the main window at each step, for looking at the layout:
//   suite-tour OUTPUT_FOLDER
// Run it on a real display (for example under Xvfb at 1366x768).
#include "app/SuiteModules.h"
#include "shell/frmMDI.h"
#include "shell/ModuleTable.h"
#include "shell/modSettings.h"
#include "zodiac_yoga/frmZodiacYogaDisplay.h"
#include "zodiac_yoga/frmZodiacYogaMain.h"
#include "zodiac_yoga/frmZodiacYogaSave.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
QString outDir;
int shotNumber = 0;

void settle() { QTest::qWait(250); }

void shot(QWidget *window, const QString &name)
{
    settle();
    const QString path = QStringLiteral("%1/%2-%3.png")
                             .arg(outDir)
                             .arg(++shotNumber, 2, 10, QLatin1Char('0'))
                             .arg(name);
    window->grab().save(path);
    qInfo("%s", qPrintable(path));
}

template <class T> T *find(QWidget *root, const QString &name)
{
    return root->findChild<T *>(name);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QDir().mkpath(outDir);
    QTemporaryDir settings;
    Settings::SetSettingsFileForTesting(settings.filePath(QStringLiteral("settings.ini")));

    RegisterSuiteModules();
    frmMDI mdi;
    mdi.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi.showMaximized();
    if (!QTest::qWaitForWindowExposed(&mdi))
        return 1;
    shot(&mdi, QStringLiteral("start"));

    // Zodiac Yoga
    find<QAbstractButton>(&mdi, QStringLiteral("cmdSelectOption(1)"))->click();
    auto *entry = find<frmZodiacYogaMain>(&mdi, QStringLiteral("frmZodiacYogaMain"));
    if (entry) {
        shot(&mdi, QStringLiteral("zodiac-entry"));
        QTest::keyClicks(find<QLineEdit>(entry, QStringLiteral("txtName")), QStringLiteral("anna maria"));
        find<QComboBox>(entry, QStringLiteral("cboDate"))->setCurrentIndex(20);
        find<QComboBox>(entry, QStringLiteral("cboMonth"))->setCurrentIndex(2);
        find<QComboBox>(entry, QStringLiteral("cboYear"))->setCurrentIndex(80);
        entry->cmdNext_Click();
        auto *display = find<frmZodiacYogaDisplay>(&mdi, QStringLiteral("frmZodiacYogaDisplay"));
        auto *tabs = find<QTabWidget>(display, QStringLiteral("SSTab1"));
        auto *inner = find<QTabWidget>(display, QStringLiteral("ssTab"));
        shot(&mdi, QStringLiteral("zodiac-characteristics"));
        tabs->setCurrentIndex(1);
        shot(&mdi, QStringLiteral("zodiac-diet"));
        inner->setCurrentIndex(1);
        shot(&mdi, QStringLiteral("zodiac-fitness"));
        tabs->setCurrentIndex(2);
        shot(&mdi, QStringLiteral("zodiac-asanas"));
        display->ShowAsana(0, QStringLiteral("Aries"));
        shot(&mdi, QStringLiteral("zodiac-asana-detail"));
        QTimer::singleShot(600, [&] {
            if (QWidget *report = QApplication::activeModalWidget()) {
                report->grab().save(outDir + QStringLiteral("/report.png"));
                report->close();
            }
        });
        display->cmdPrint_Click();
    }

    // Learn Aromatherapy
    find<QAbstractButton>(&mdi, QStringLiteral("cmdSelectOption(2)"))->click();
    shot(&mdi, QStringLiteral("aromatherapy-options"));
    if (QWidget *aroma = find<QWidget>(&mdi, QStringLiteral("frmLearnAromatherapyMain"))) {
        const auto click = [&](const QString &name) {
            if (auto *button = find<QAbstractButton>(aroma, name))
                button->click();
        };
        click(QStringLiteral("cmdNext"));
        for (int i = 0; i < 50; ++i)
            click(QStringLiteral("cmdNextDesc")); // to Wintergreen
        shot(&mdi, QStringLiteral("aromatherapy-learn"));
        click(QStringLiteral("cmdBackToMain(0)"));
        click(QStringLiteral("optChoice2"));
        find<QComboBox>(aroma, QStringLiteral("cboTest"))->setCurrentIndex(5);
        click(QStringLiteral("cmdNext"));
        shot(&mdi, QStringLiteral("aromatherapy-question"));
        for (int i = 0; i < 15; ++i)
            click(QStringLiteral("cmdNextQuestion"));
        shot(&mdi, QStringLiteral("aromatherapy-result"));
    }

    // The About window, then the exit window shown while the main window closes.
    QTimer::singleShot(600, [&] {
        if (QWidget *about = QApplication::activeModalWidget()) {
            about->grab().save(outDir + QStringLiteral("/about.png"));
            about->close();
        }
    });
    mdi.findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    mdi.close();
    settle();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmNagScreen2") && w->isVisible())
            w->grab().save(outDir + QStringLiteral("/exit-window.png"));
    return 0;
}
