#include "CartomancyModule.h"

#include "frmLearnCartomancyMain.h"
#include "frmLearnCartomancyPicEntry.h"
#include "modCardTest.h"
#include "modLearnCartomancyDB.h"
#include "modLearnCartomancyStartup.h"
#include "toolkit/ModuleHost.h"

#include <QPointer>
#include <QTimer>

ModuleEntry CartomancyModule(std::shared_ptr<Progress::Recorder> recorder)
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Learn Cartomancy");
    entry.buttonIndex = 3;
    entry.labelIndex = 11;
    entry.picture = QStringLiteral(":/cartomancy/module.svg");
    entry.windows = {QStringLiteral("frmLearnCartomancyMain"), QStringLiteral("frmLearnCartomancyPicEntry")};
    entry.dataFiles = {QStringLiteral("learn.dll")};
    entry.open = [recorder](ModuleHost &host) {
        host.ShowModuleWindow(new frmLearnCartomancyMain(host, recorder));
    };
    entry.options = {QCommandLineOption(
        PictureEntrySwitch().mid(2),
        QStringLiteral("Opens the card picture window, which stores a chosen picture in each card."))};
    entry.switches = {{StartupSwitch(), QStringLiteral("Opens Learn Cartomancy at once (the run-at-login entry "
                                                       "starts the suite this way).")}};
    // A run started by the login entry (/STARTUP) opens Learn Cartomancy at
    // once, so that its system-tray setting takes effect; --card-picture-entry
    // opens the picture maintenance window instead. Both wait until the main
    // window is up, and select the module the way the user would.
    entry.attach = [](ModuleHost &host) {
        const QStringList arguments = host.Arguments();
        QPointer<QMainWindow> main = host.MainWindow();
        if (!main)
            return;
        ModuleHost *at = &host; // lives as long as its main window
        if (CommandLineHasPictureEntrySwitch(arguments)) {
            QTimer::singleShot(0, main, [main, at] {
                if (auto *open = main->findChild<frmLearnCartomancyPicEntry *>())
                    open->close();
                at->HideStartPanel();
                at->ShowModuleWindow(new frmLearnCartomancyPicEntry(*at));
            });
        } else if (CommandLineHasStartupSwitch(arguments)) {
            QTimer::singleShot(0, main, [at] { at->SelectModule(QStringLiteral("Learn Cartomancy")); });
        }
    };
    return entry;
}

Quiz::PracticeSubject CartomancyPractice(const DataLocations &locations)
{
    Quiz::PracticeSubject subject{QStringLiteral("Learn Cartomancy"), {}};
    // The deck is looked for when a practice first needs it, as when the module opens.
    for (CardTestType type : {CardTestType::Description, CardTestType::Keywords})
        subject.kinds.push_back({CardTestTypeCaption(type), [locations, type] {
                                     CardDatabase deck;
                                     OpenCardDatabase(deck, CardDatabasePath(locations));
                                     deck.CardSet = OpenCardRecordset(deck, BuildCardQuery({0, 1, 2, 3, 4, 5, 6, 7}));
                                     return std::make_shared<CardQuizSource>(deck.CardConnection,
                                                                             ReadCardFaces(deck.CardSet), type,
                                                                             CardTestLevel::Intermediate);
                                 }});
    return subject;
}
