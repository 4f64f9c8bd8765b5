#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The exit window: shown above all other windows while the program closes.
// It asks the user to support the publisher, offers a refer-a-friend form and
// ends the program when it is closed.
class frmNagScreen2 : public QWidget {
    Q_OBJECT
public:
    explicit frmNagScreen2(QWidget *parent = nullptr);

    // The four support messages; one of them is shown at random.
    static QStringList SupportMessages();

Q_SIGNALS:
    // The window was closed: every other window closes and the program ends.
    void Ending();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cmdSubmit_Click();
    void Check1_Click();
    QString placeholderOf(QObject *box) const;

    QLabel *Label2_ = nullptr;
    QCheckBox *Check1_ = nullptr;
    QLineEdit *txtName_ = nullptr;
    QLineEdit *txtEmail_ = nullptr;
    QLineEdit *txtFriendName_ = nullptr;
    QLineEdit *txtFriendEmail_ = nullptr;
    QPlainTextEdit *txtMessage_ = nullptr;
    bool ending_ = false;
};
