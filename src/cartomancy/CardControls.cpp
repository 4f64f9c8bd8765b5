#include "CardControls.h"

#include "toolkit/WrappingWidgets.h"
#include "toolkit/Controls.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace CardControls {

namespace {
constexpr QSize kCardPictureSize(250, 350); // the card faces' own size
} // namespace

QLabel *Label(const QString &text, QWidget *parent, const QString &name)
{
    auto *label = new WrappingLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

QPushButton *Button(const QString &name, const QString &caption, QWidget *parent)
{
    return Controls::Button(name, caption, parent, 110);
}

QPlainTextEdit *TextBox(const QString &name, bool readOnly, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(readOnly);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    return box;
}

QLabel *PictureBox(const QString &name, QWidget *parent)
{
    auto *box = new QLabel(parent);
    box->setObjectName(name);
    box->setFixedSize(kCardPictureSize);
    box->setAlignment(Qt::AlignCenter);
    box->setFocusPolicy(Qt::StrongFocus); // the question picture takes the focus after each question
    return box;
}

QString PlainCaption(const QString &text)
{
    QString caption = text;
    caption.replace(u'&', QStringLiteral("&&"));
    return caption;
}

void SetBold(QWidget *widget, double factor)
{
    QFont font = widget->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * factor);
    widget->setFont(font);
}

} // namespace CardControls
