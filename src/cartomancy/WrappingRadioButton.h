#pragma once

#include <QRadioButton>

// An option button whose caption wraps over as many lines as the width needs,
// for answers that are whole sentences. Clicking anywhere on the caption
// chooses it, as with an ordinary option button.
class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit WrappingRadioButton(QWidget *parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    int indicatorWidth() const;
    QRect textRect(int width) const;
};
