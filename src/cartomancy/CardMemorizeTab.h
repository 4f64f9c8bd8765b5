#pragma once

#include "modLearnCartomancyDB.h"

#include <QWidget>

#include <vector>

class ModuleWindow;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The "Memorize Cards" tab: the selected cards one at a time (picture, name,
// upright and reversed meaning, first five keywords), stepped through with
// "<< Previous" and "Next >>". It reads them over a connection of its own.
class CardMemorizeTab : public QWidget {
    Q_OBJECT
public:
    // `owner` is the window whose temporary folder the pictures pass through.
    explicit CardMemorizeTab(ModuleWindow &owner, QWidget *parent = nullptr);

    // Opens the database file read-only and the cards of the groups (0 to 7),
    // replacing the previous selection. Returns why the database cannot give
    // the cards; empty when it can.
    QString OpenSelection(const QString &databasePath, const std::vector<int> &groups);
    // Shows the selection's first card, as coming to the tab does.
    void ShowFirstCard();
    // The card shown, from 1 (0 before the first is shown).
    int Position() const { return position_; }
    // Makes "Next >>" available or not while the objectives change.
    void SetNextEnabled(bool enabled);

Q_SIGNALS:
    // "Test Me" was clicked.
    void testRequested();

private:
    void cmdNext_Click();
    void cmdPrevious_Click();
    void ShowMemorizeCard();
    void updateMemorizeButtons();

    ModuleWindow &owner_;
    CardDatabase cards_; // the selection's cards; the current one is shown
    int position_ = 0;
    int count_ = 0;

    QLabel *lblCardNameMemorize = nullptr;
    QLabel *picCardMemorize = nullptr;
    QPlainTextEdit *txtNormalMeaning = nullptr;
    QPlainTextEdit *txtReversedMeaning = nullptr;
    QPlainTextEdit *txtKeywords = nullptr;
    QPushButton *cmdPrevious = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdStartTest = nullptr;
};
