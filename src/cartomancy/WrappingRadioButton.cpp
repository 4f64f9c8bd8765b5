#include "WrappingRadioButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kMargin = 2;
constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
} // namespace

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
    const QRect needed = fontMetrics().boundingRect(textRect(width), kTextFlags, text());
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    return qMax(needed.height(), indicator) + 2 * kMargin;
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

    const QRect text = textRect(width()).intersected(rect());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, kTextFlags, this->text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics().boundingRect(text, kTextFlags, this->text()).adjusted(-1, 0, 1, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingRadioButton::hitButton(const QPoint &pos) const { return rect().contains(pos); }
