#include "AccessKeys.h"

#include "toolkit/AnswerKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

namespace TestSupport {

QChar AccessKey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i; // a shown "&"
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

QStringList AccessKeyProblems(QWidget *window, const QStringList &withoutKey)
{
    QStringList problems;
    QMap<QChar, QStringList> owners;
    const auto claim = [&](const QString &caption, const QString &who) {
        const QChar key = AccessKey(caption);
        if (!key.isNull())
            owners[key] << who;
        return !key.isNull();
    };

    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(window) || AnswerKeys::IsAnswerButton(button))
            continue;
        const QString who = button->objectName() + QStringLiteral(" \"") + button->text() + u'"';
        if (!claim(button->text(), who) && !withoutKey.contains(button->objectName()))
            problems << QStringLiteral("no access key: ") + who;
    }
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy() && label->isVisibleTo(window))
            claim(label->text(), label->objectName() + QStringLiteral(" (label)"));
    for (QMenuBar *bar : window->findChildren<QMenuBar *>())
        for (QAction *action : bar->actions())
            if (action->isVisible())
                claim(action->text(), action->text() + QStringLiteral(" (menu)"));

    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        if (it.value().size() > 1)
            problems << QStringLiteral("Alt+") + it.key().toUpper() +
                            QStringLiteral(" shared by ") + it.value().join(QStringLiteral(", "));
    return problems;
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key, modifiers);
}

} // namespace TestSupport
