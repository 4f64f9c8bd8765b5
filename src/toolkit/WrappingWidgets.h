#pragma once

#include <QHash>
#include <QLabel>
#include <QRadioButton>
#include <QStaticText>

// Word-wrapping controls that remember the height a width needs: the window's
// layout asks every wrapped text for it many times whenever a caption
// changes, and laying out the same text again each time is what made
// stepping through cards slow.

// A word-wrapped, plain-text label.
class WrappingLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrappingLabel(const QString &text, QWidget *parent = nullptr);
    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    mutable QHash<int, int> heights_;
    mutable QString measured_;
};

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

    void changeEvent(QEvent *event) override;

private:
    int indicatorWidth() const;
    QRect textRect(int width) const;
    mutable QHash<int, int> heights_;
    mutable QString measured_;
    QStaticText caption_; // the caption laid out for painting, kept while its text and width stay
};
