#include "Controls.h"

#include <QLabel>
#include <QPushButton>

namespace Controls {

QString Indexed(const char *name, int index)
{
    return QString::fromLatin1(name) + u'(' + QString::number(index) + u')';
}

QLabel *Label(const QString &name, const QString &text, QWidget *parent, bool wrap)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    return label;
}

QPushButton *Button(const QString &name, const QString &caption, QWidget *parent, int minimumWidth)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumWidth(minimumWidth);
    return button;
}

} // namespace Controls
