#pragma once

#include <QList>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

class QLabel;

// A push button whose text stays the full caption (for access keys, screen
// readers and tests) while it may show a shorter form of it; when it does,
// the full caption is its tooltip.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    CaptionButton(const QString &caption, QWidget *parent = nullptr);
    // The caption as drawn; an empty string shows the full caption.
    void SetShownCaption(const QString &shown);
    QString ShownCaption() const;
    // The key that presses the button, named in its tooltip ("Ctrl+1").
    void SetShortcutText(const QString &shortcut);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateToolTip();
    QString shown_;
    QString shortcut_;
};

// The row of module buttons, each with its picture beside it (the main
// window's picButtonContainer). It fits itself to a width in steps that keep
// every caption readable: first smaller pictures, then captions on two lines,
// then no pictures, and last captions shortened with an ellipsis.
class ModuleButtonRow : public QWidget {
    Q_OBJECT
public:
    enum class Step { FullPictures, SmallPictures, WrappedCaptions, NoPictures, ShortenedCaptions };
    static constexpr int FullPictureSize = 40;
    static constexpr int SmallPictureSize = 24;

    explicit ModuleButtonRow(QWidget *parent = nullptr);
    // Adds a module's picture (PictureN, N = 8 + index) and button
    // (cmdSelectOption(index)) at the end of the row.
    QPushButton *AddModule(int index, const QString &caption, const QString &picturePath);
    // Applies the first step at which the row is no wider than `width`,
    // resizes the row to its new size and returns the step.
    Step FitToWidth(int width);
    Step CurrentStep() const { return step_; }

private:
    struct Entry {
        QLabel *picture = nullptr;
        CaptionButton *button = nullptr;
        QString picturePath;
        QPixmap full, small; // drawn once, on first use
    };
    void apply(Step step);
    void shortenCaptions(int width);
    int rowWidth() const;

    QList<Entry> entries_;
    Step step_ = Step::FullPictures;
    int fittedWidth_ = -1; // the width the row was last fitted to
};
