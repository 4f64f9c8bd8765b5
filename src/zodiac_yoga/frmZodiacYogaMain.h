#pragma once

#include "modSunSignYoga.h"
#include "toolkit/ModuleHost.h"

#include <QPointer>

class QComboBox;
class QInputMethodEvent;
class QLineEdit;
class frmZodiacYogaDisplay;

// Zodiac Yoga's entry window: a name and a birth date in, a reading out.
class frmZodiacYogaMain : public ModuleWindow {
    Q_OBJECT
public:
    explicit frmZodiacYogaMain(ModuleHost &host, QWidget *parent = nullptr);

    // The reading action: checks the input, records the reading, fills and
    // shows the result window and hides this one. Returns false when a check failed.
    bool cmdNext_Click();
    // The open action with its file dialog.
    void cmdOpen_Click();
    // The open action for a chosen file name (after the dialog).
    void OpenReadingFile(const QString &fileName);

    // The last reading made here (empty sign before the first).
    const ZodiacReading &Reading() const { return reading_; }

    // The date lists' current texts, as shown.
    QString SelectedDay() const;
    QString SelectedMonth() const;
    QString SelectedYear() const;

    // Shows this window again with its inputs (from the result window).
    void ShowAgain();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    bool CheckBirthData();
    bool txtName_KeyPress(QKeyEvent *event);
    bool txtName_InputMethod(QInputMethodEvent *event);

    QLineEdit *txtName_ = nullptr;
    QComboBox *cboDate_ = nullptr;
    QComboBox *cboMonth_ = nullptr;
    QComboBox *cboYear_ = nullptr;
    QPointer<frmZodiacYogaDisplay> display_;
    ZodiacReading reading_;
};
