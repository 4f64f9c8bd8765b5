#pragma once

// Shared by the Learn Cartomancy tests: the database built from the content
// (CARD_DATABASE), small decks made on the spot, and a sandbox whose program
// folder holds a copy of the database.
#include "cartomancy/frmLearnCartomancyMain.h"
#include "cartomancy/modLearnCartomancyImageDB.h"
#include "cartomancy/modLearnCartomancyStartup.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QPointer>
#include <QString>
#include <QTest>

#include <functional>
#include <utility>
#include <vector>

namespace CartomancyTest {

inline QString BuiltDatabase() { return QStringLiteral(CARD_DATABASE); }

inline QByteArray FileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

struct DeckCard {
    int id;
    QString name;
    int group;
};

// A card database with the tables of learn.dll: the given cards (meaning
// "Meaning of <name>", no picture) and keyword rows numbered from 1.
inline bool MakeDeck(const QString &path, const std::vector<DeckCard> &cards,
                     const std::vector<std::pair<int, QString>> &keywords)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make-deck"));
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        ok = ok &&
             q.exec(QStringLiteral("CREATE TABLE tblCards (Id INTEGER PRIMARY KEY, Name TEXT, \"Group\" INTEGER, "
                                   "NormalMeaning TEXT, ReversedMeaning TEXT, PictureData BLOB)")) &&
             q.exec(QStringLiteral("CREATE TABLE tblKeywords (Id INTEGER PRIMARY KEY, CardID INTEGER, "
                                   "CardName TEXT, keyword TEXT)"));
        db.transaction();
        for (const DeckCard &card : cards) {
            q.prepare(QStringLiteral("INSERT INTO tblCards VALUES (?, ?, ?, ?, ?, NULL)"));
            q.addBindValue(card.id);
            q.addBindValue(card.name);
            q.addBindValue(card.group);
            q.addBindValue(QString(QStringLiteral("Meaning of ") + card.name));
            q.addBindValue(QString(QStringLiteral("Reversed meaning of ") + card.name));
            ok = q.exec() && ok;
        }
        int id = 0;
        for (const auto &[card, keyword] : keywords) {
            q.prepare(QStringLiteral("INSERT INTO tblKeywords VALUES (?, ?, '', ?)"));
            q.addBindValue(++id);
            q.addBindValue(card);
            q.addBindValue(keyword);
            ok = q.exec() && ok;
        }
        ok = db.commit() && ok;
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make-deck"));
    return ok;
}

// Settings, program folder (with a copy of learn.dll unless told otherwise),
// user folder, temporary folder and autostart folder all in one temporary
// folder; the command line is just the program.
class Sandbox : public TestSupport::Sandbox {
public:
    explicit Sandbox(bool withDatabase = true)
    {
        QDir(folder()).mkpath(QStringLiteral("autostart"));
        QDir(folder()).mkpath(QStringLiteral("temp"));
        if (withDatabase)
            QFile::copy(BuiltDatabase(), DatabasePath());
    }
    QString DatabasePath() const { return programFolder() + QStringLiteral("/learn.dll"); }
    QString AutostartFolderPath() const { return locations().AutostartFolder(); }
    QString TempFolder() const { return locations().TempFolder(); }

    // A host over these folders with some of them changed, and the command line given.
    TestSupport::Host &HostWith(const std::function<void(DataLocations::Folders &)> &change,
                                QStringList arguments = {QStringLiteral("learning-suite")})
    {
        DataLocations::Folders folders = locations().AllFolders();
        if (change)
            change(folders);
        hosts_.push_back(std::make_unique<TestSupport::Host>(DataLocations(folders), std::move(arguments)));
        return *hosts_.back();
    }

private:
    std::vector<std::unique_ptr<TestSupport::Host>> hosts_;
};

// A window opened for one test and closed (deleted) at its end; the desktop
// has no system tray unless told.
struct Window {
    explicit Window(Sandbox &sandbox, bool trayAvailable = false) : Window(sandbox, sandbox.host(), trayAvailable) {}
    Window(Sandbox &sandbox, ModuleHost &host, bool trayAvailable = false)
    {
        w = new frmLearnCartomancyMain(host, sandbox.recorder());
        w->SetSystemTrayAvailable(trayAvailable);
        w->show();
        QTest::qWait(20); // the steps queued at load
    }
    ~Window() { delete w.data(); }
    frmLearnCartomancyMain *operator->() const { return w; }
    operator frmLearnCartomancyMain *() const { return w; }
    QPointer<frmLearnCartomancyMain> w;
};

} // namespace CartomancyTest
