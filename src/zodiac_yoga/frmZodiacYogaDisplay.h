#pragma once

#include "modSunSignYoga.h"
#include "toolkit/ModuleHost.h"

#include <QHash>
#include <QPointer>

class QLabel;
class QPlainTextEdit;
class QTabWidget;
class frmZodiacYogaMain;

// Zodiac Yoga's result window: the sign's characteristics, health and fitness
// pages, and the recommended asanas with their detail panel.
class frmZodiacYogaDisplay : public ModuleWindow {
    Q_OBJECT
public:
    // Shows `reading`; `entry` is the entry window this one returns to (not the
    // parent), whose host it shares.
    frmZodiacYogaDisplay(frmZodiacYogaMain *entry, ZodiacReading reading);

    // Copies the sign's profile into the fields and shows its asana group.
    void FillSignProfile(const QString &sign);
    // Fills the nine constitution fields from the constitution type the window shows.
    void FillConstitutionType();
    // Shows the asana group of a sign (and hides the others).
    void ShowSignGroup(const QString &sign);
    // Opens the detail panel for a record clicked in a sign's group.
    void ShowAsana(int record, const QString &sign);
    void cmdYogaBack_Click();
    // Opens the report window modally.
    void cmdPrint_Click();
    // Back to the entry window.
    void cmdBack_Click();

    // The text a field shows, by its object name (labels and text boxes).
    QString FieldText(const QString &name) const;
    frmZodiacYogaMain *Entry() const { return entry_; }
    const ZodiacReading &Reading() const { return reading_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    QWidget *buildCharacteristicsPage();
    QWidget *buildHealthPage();
    QWidget *buildDietPage();
    QWidget *buildFitnessPage();
    QWidget *buildAsanaPage();
    QWidget *buildDetailPanel(QWidget *parent);
    QLabel *valueLabel(const char *name, QWidget *parent);
    QPlainTextEdit *textBox(const char *name, QWidget *parent, bool guarded);
    void setField(const char *name, const QString &text);
    void setUnderline(QLabel *label, bool on);

    QPointer<frmZodiacYogaMain> entry_;
    ZodiacReading reading_;
    QHash<QString, QWidget *> fields_;
    QHash<QString, QWidget *> groups_;             // sign name -> its group
    QHash<QWidget *, QList<QLabel *>> groupLabels_; // group -> its asana labels
    QTabWidget *SSTab1_ = nullptr;
    QTabWidget *ssTab_ = nullptr;
    QWidget *fraSelectYoga_ = nullptr;
    QWidget *overview_ = nullptr;
    QWidget *fraYogaProcedure_ = nullptr;
    QLabel *picSunSign_ = nullptr;
    QLabel *picYoga_ = nullptr;
};
