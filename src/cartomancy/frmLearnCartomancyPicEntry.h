#pragma once

#include "modLearnCartomancyDB.h"
#include "toolkit/ModuleHost.h"

class QLabel;
class QPushButton;

// The card picture maintenance window: steps through all cards of learn.dll,
// shows each card's name and picture, stores a picture file in the current
// card and can seed the keyword table with numbered placeholder rows. It is
// the only window that opens the database for writing; the suite opens it
// when started with --card-picture-entry.
// What "Command4" tells once it has seeded the keyword table.
QString SeededKeywordsMessage(int added, int refused);

class frmLearnCartomancyPicEntry : public ModuleWindow {
    Q_OBJECT
public:
    explicit frmLearnCartomancyPicEntry(ModuleHost &host, QWidget *parent = nullptr);

    // What "SelectPicture" does once a file is chosen: shows it and stores
    // its bytes in the current card. False when nothing was stored.
    bool StorePictureFile(const QString &path);

private:
    void Command2_Click();
    void Command3_Click();
    void cmdSetPicture_Click();
    void Command4_Click();
    void showCard();

    CardDatabase database_; // all cards, on the window's own writable connection
    QLabel *Label1 = nullptr;
    QLabel *Picture1 = nullptr;
};
