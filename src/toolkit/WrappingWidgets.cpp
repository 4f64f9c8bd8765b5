#include "WrappingWidgets.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kMargin = 2;
constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

// Forgets remembered heights when the text or the font changed.
bool stale(QHash<int, int> &heights, QString &measured, const QString &text)
{
    if (measured == text)
        return false;
    heights.clear();
    measured = text;
    return true;
}

bool changesTextSize(const QEvent *event)
{
    return event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange;
}
} // namespace

WrappingLabel::WrappingLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

int WrappingLabel::heightForWidth(int width) const
{
    stale(heights_, measured_, text());
    const auto known = heights_.constFind(width);
    if (known != heights_.constEnd())
        return *known;
    const int height = QLabel::heightForWidth(width);
    heights_.insert(width, height);
    return height;
}

void WrappingLabel::changeEvent(QEvent *event)
{
    if (changesTextSize(event))
        heights_.clear();
    QLabel::changeEvent(event);
}

void WrappingRadioButton::changeEvent(QEvent *event)
{
    if (changesTextSize(event)) {
        heights_.clear();
        caption_ = QStaticText();
    }
    QRadioButton::changeEvent(event);
}

WrappingRadioButton::WrappingRadioButton(QWidget *parent) : QRadioButton(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrappingRadioButton::indicatorWidth() const
{
    return style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
           style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
}

QRect WrappingRadioButton::textRect(int width) const
{
    return QRect(indicatorWidth(), kMargin, qMax(width - indicatorWidth() - kMargin, 10), 100000);
}

int WrappingRadioButton::heightForWidth(int width) const
{
    stale(heights_, measured_, text());
    const auto known = heights_.constFind(width);
    if (known != heights_.constEnd())
        return *known;
    const QRect needed = fontMetrics().boundingRect(textRect(width), kTextFlags, text());
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    const int height = qMax(needed.height(), indicator) + 2 * kMargin;
    heights_.insert(width, height);
    return height;
}

QSize WrappingRadioButton::sizeHint() const
{
    const int width = 480;
    return QSize(width, heightForWidth(width));
}

QSize WrappingRadioButton::minimumSizeHint() const
{
    const int width = indicatorWidth() + fontMetrics().averageCharWidth() * 20;
    return QSize(width, heightForWidth(width));
}

void WrappingRadioButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    const int indicatorHeight = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    // The indicator sits level with the first line of the caption.
    const int top = kMargin + qMax(0, (fontMetrics().height() - indicatorHeight) / 2);
    option.rect = QRect(0, top, style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this),
                        indicatorHeight);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);

    const QRect text = textRect(width());
    if (caption_.text() != this->text() || caption_.textWidth() != text.width()) {
        caption_.setTextFormat(Qt::PlainText);
        caption_.setText(this->text());
        caption_.setTextWidth(text.width());
        caption_.prepare(QTransform(), font());
    }
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawStaticText(text.topLeft(), caption_);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QRect(text.topLeft(), caption_.size().toSize()).adjusted(-1, 0, 1, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingRadioButton::hitButton(const QPoint &pos) const { return rect().contains(pos); }
