#include "ModuleButtonRow.h"

#include "CaptionFit.h"
#include "toolkit/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyleOptionButton>
#include <QStylePainter>

CaptionButton::CaptionButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
}

void CaptionButton::SetShownCaption(const QString &shown)
{
    const QString value = shown == text() ? QString() : shown;
    if (value == shown_)
        return;
    shown_ = value;
    updateToolTip();
    updateGeometry();
    update();
}

void CaptionButton::SetShortcutText(const QString &shortcut)
{
    shortcut_ = shortcut;
    updateToolTip();
}

// The whole caption when less of it shows, and the shortcut that presses the button.
void CaptionButton::updateToolTip()
{
    QString tip = shown_.isEmpty() ? QString() : text();
    if (!shortcut_.isEmpty())
        tip = (tip.isEmpty() ? text() : tip) + QStringLiteral(" (") + shortcut_ + u')';
    setToolTip(tip);
}

QString CaptionButton::ShownCaption() const { return shown_.isEmpty() ? text() : shown_; }

QSize CaptionButton::sizeHint() const
{
    ensurePolished();
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = ShownCaption();
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, option.text);
    option.rect.setSize(textSize);
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, textSize, this);
}

void CaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = ShownCaption();
    painter.drawControl(QStyle::CE_PushButton, option);
}

ModuleButtonRow::ModuleButtonRow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picButtonContainer"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 6, 4, 6);
    row->setSpacing(6);
}

QPushButton *ModuleButtonRow::AddModule(int index, const QString &caption,
                                        const QString &picturePath)
{
    Entry entry;
    entry.picturePath = picturePath;
    entry.picture = new QLabel(this);
    entry.picture->setObjectName(QStringLiteral("Picture%1").arg(8 + index));
    entry.picture->setAlignment(Qt::AlignCenter);
    entry.button = new CaptionButton(caption, this);
    entry.button->setObjectName(QStringLiteral("cmdSelectOption(%1)").arg(index));
    entry.button->setFont(Look::Verdana(9, true));
    entry.button->setMinimumHeight(40);
    layout()->addWidget(entry.picture);
    layout()->addWidget(entry.button);
    entries_.append(entry);
    // Laid out (and its picture drawn) when the row is first fitted to a width.
    fittedWidth_ = -1;
    return entry.button;
}

ModuleButtonRow::Step ModuleButtonRow::FitToWidth(int width)
{
    // The row is measured once per width: a resize that keeps the width (a
    // taller window) changes nothing here.
    if (width == fittedWidth_)
        return step_;
    fittedWidth_ = width;
    Step chosen = Step::ShortenedCaptions;
    for (Step step :
         {Step::FullPictures, Step::SmallPictures, Step::WrappedCaptions, Step::NoPictures}) {
        apply(step);
        if (rowWidth() <= width) {
            chosen = step;
            break;
        }
    }
    if (chosen == Step::ShortenedCaptions)
        shortenCaptions(width);
    step_ = chosen;
    adjustSize();
    return chosen;
}

void ModuleButtonRow::apply(Step step)
{
    const bool pictures = step == Step::FullPictures || step == Step::SmallPictures ||
                          step == Step::WrappedCaptions;
    const bool wrapped = step != Step::FullPictures && step != Step::SmallPictures;
    for (Entry &entry : entries_) {
        if (pictures) {
            const bool full = step == Step::FullPictures;
            QPixmap &pixmap = full ? entry.full : entry.small;
            const int size = full ? FullPictureSize : SmallPictureSize;
            if (pixmap.isNull())
                pixmap = Look::Picture(entry.picturePath, QSize(size, size));
            entry.picture->setPixmap(pixmap);
            entry.picture->setFixedSize(size + 2, size + 2);
        }
        entry.picture->setVisible(pictures);
        CaptionButton *button = entry.button;
        const QFontMetrics metrics = button->fontMetrics();
        button->SetShownCaption(wrapped ? CaptionFit::WrapCaption(button->text(), metrics)
                                        : QString());
    }
}

// Shortens the two-line captions (pictures hidden) until the row fits: the
// longest captions give way first, all to the same line width.
void ModuleButtonRow::shortenCaptions(int width)
{
    QList<int> widths;
    int textTotal = 0;
    for (const Entry &entry : std::as_const(entries_)) {
        const QFontMetrics metrics = entry.button->fontMetrics();
        const int w = CaptionFit::WidestLine(entry.button->ShownCaption(), metrics);
        widths.append(w);
        textTotal += w;
    }
    const int overhead = rowWidth() - textTotal;
    int lineWidth = CaptionFit::SharedLineWidth(widths, width - overhead);
    // Buttons have a minimum width of their own, so the first estimate may be
    // a little too wide; narrow the lines until the row fits or nothing but
    // first letters is left.
    for (;; lineWidth -= 2) {
        for (Entry &entry : entries_) {
            CaptionButton *button = entry.button;
            const QFontMetrics metrics = button->fontMetrics();
            const QString wrapped = CaptionFit::WrapCaption(button->text(), metrics);
            button->SetShownCaption(CaptionFit::ShortenCaption(wrapped, metrics, lineWidth));
        }
        if (rowWidth() <= width || lineWidth <= 0)
            break;
    }
}

int ModuleButtonRow::rowWidth() const
{
    layout()->invalidate();
    return layout()->sizeHint().width();
}
