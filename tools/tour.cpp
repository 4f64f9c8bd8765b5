// Walks through the suite's windows the way a user would and saves a picture
// of the main window at each step, for looking at the layout:
//   suite-tour OUTPUT_FOLDER
// Run it on a real display (for example under Xvfb at 1366x768). Each
// module's walk is in tools/tour/.
#include "Tour.h"

#include "app/SuiteModules.h"
#include "shell/DataLocations.h"
#include "shell/frmMDI.h"
#include "shell/modSettings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>

namespace {
QString outDir;
int shotNumber = 0;

std::multimap<int, void (*)(frmMDI &)> &walks()
{
    static std::multimap<int, void (*)(frmMDI &)> all;
    return all;
}
} // namespace

namespace Tour {

void Settle() { QTest::qWait(250); }

void Shot(QWidget *window, const QString &name)
{
    Settle();
    const QString path = QStringLiteral("%1/%2-%3.png")
                             .arg(outDir)
                             .arg(++shotNumber, 2, 10, QLatin1Char('0'))
                             .arg(name);
    window->grab().save(path);
    qInfo("%s", qPrintable(path));
}

void SaveWindow(QWidget *window, const QString &name)
{
    window->grab().save(outDir + u'/' + name + QStringLiteral(".png"));
}

void ShotReview(QWidget *moduleWindow, const QString &name)
{
    auto *button = Find<QAbstractButton>(moduleWindow, QStringLiteral("cmdReviewMissed"));
    if (!button)
        return;
    // A test without a wrong answer has nothing to review; its message is answered.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(50);
    button->click();
    Settle();
    QWidget *review = QApplication::activeModalWidget();
    if (!review || review->objectName() != QLatin1String("frmReviewMissed"))
        return;
    Shot(review, name);
    if (auto *next = Find<QAbstractButton>(review, QStringLiteral("cmdReviewNext"));
        next && next->isEnabled()) {
        next->click();
        Shot(review, name + QStringLiteral("-next"));
    }
    review->close();
    Settle();
}

void SelectModule(frmMDI &mdi, int button)
{
    if (auto *b = Find<QAbstractButton>(&mdi, QStringLiteral("cmdSelectOption(%1)").arg(button)))
        b->click();
}

Walk::Walk(int order, void (*run)(frmMDI &)) { walks().emplace(order, run); }

} // namespace Tour

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QDir().mkpath(outDir);
    // Settings and the user's files go to a folder of the tour's own.
    QTemporaryDir sandbox;
    Settings::SetSettingsFileForTesting(sandbox.filePath(QStringLiteral("settings.ini")));
    DataLocations::SetUserDataFolderForTesting(sandbox.path());

    RegisterSuiteModules();
    frmMDI mdi;
    mdi.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi.showMaximized();
    if (!QTest::qWaitForWindowExposed(&mdi))
        return 1;
    Tour::Shot(&mdi, QStringLiteral("start"));

    for (const auto &walk : walks())
        walk.second(mdi);

    // The About window, then the exit window shown while the main window closes.
    QTimer::singleShot(600, [&] {
        if (QWidget *about = QApplication::activeModalWidget()) {
            Tour::SaveWindow(about, QStringLiteral("about"));
            about->close();
        }
    });
    mdi.findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    mdi.close();
    Tour::Settle();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmNagScreen2") && w->isVisible())
            Tour::SaveWindow(w, QStringLiteral("exit-window"));
    return 0;
}
