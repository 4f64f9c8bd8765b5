// Learn Yoga: the introduction, each kind of lesson page, the three ways of
// browsing the asanas, and the menu kept as it was after another module.
#include "Tour.h"

#include "shell/frmMDI.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <QTest>

namespace {
void walk(frmMDI &mdi)
{
    const auto click = [&](const QString &name) {
        if (auto *button = Tour::Find<QAbstractButton>(&mdi, name))
            button->click();
    };
    Tour::SelectModule(mdi, 0);
    Tour::Shot(&mdi, QStringLiteral("learn-yoga-introduction"));

    click(QStringLiteral("Command1")); // Information on Yoga, first lesson
    Tour::Shot(&mdi, QStringLiteral("learn-yoga-information"));
    click(QStringLiteral("Command14"));
    Tour::Shot(&mdi, QStringLiteral("learn-yoga-benefits"));

    click(QStringLiteral("Command6")); // Pranayam
    click(QStringLiteral("Command62"));
    Tour::Shot(&mdi, QStringLiteral("learn-yoga-pranayam-benefits"));
    click(QStringLiteral("Command63"));
    Tour::Shot(&mdi, QStringLiteral("learn-yoga-nadi-shodan"));

    click(QStringLiteral("Command5")); // Meditation
    click(QStringLiteral("Command54"));
    Tour::Shot(&mdi, QStringLiteral("learn-yoga-meditation"));
    click(QStringLiteral("Command5")); // closes it again: first lesson shown
    Tour::Shot(&mdi, QStringLiteral("learn-yoga-meditation-closed"));

    click(QStringLiteral("Command7"));
    click(QStringLiteral("Command72"));
    Tour::Shot(&mdi, QStringLiteral("learn-yoga-surya-namaskar"));

    click(QStringLiteral("Command2")); // by name
    Tour::Shot(&mdi, QStringLiteral("learn-yoga-by-name"));
    if (auto *names = Tour::Find<QComboBox>(&mdi, QStringLiteral("cboAsanasByName"))) {
        names->setFocus();
        QTest::keyClicks(names, QStringLiteral("Dhanurasana"));
        Tour::Shot(&mdi, QStringLiteral("learn-yoga-dhanurasana"));
    }

    click(QStringLiteral("Command3")); // by body part
    if (auto *parts = Tour::Find<QComboBox>(&mdi, QStringLiteral("cboAsanasByBodyPart"))) {
        parts->setFocus();
        QTest::keyClicks(parts, QStringLiteral("Live"));
    }
    Tour::Shot(&mdi, QStringLiteral("learn-yoga-body-part-live"));

    click(QStringLiteral("Command4")); // by application
    if (auto *list = Tour::Find<QListWidget>(&mdi, QStringLiteral("lstAsanasByTherapeuticApplications"))) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);
    }
    Tour::Shot(&mdi, QStringLiteral("learn-yoga-application"));

    // Another module and back: the menu is as it was, the page the introduction.
    click(QStringLiteral("Command6"));
    Tour::SelectModule(mdi, 2);
    Tour::Settle();
    Tour::SelectModule(mdi, 0);
    Tour::Shot(&mdi, QStringLiteral("learn-yoga-back-again"));
}
const Tour::Walk registered(0, walk);
} // namespace
