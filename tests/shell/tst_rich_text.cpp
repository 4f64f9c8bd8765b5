// The rich-text writer, the clipboard guard, link handling and printing a view.
#include "toolkit/modHelp.h"
#include "toolkit/ReportView.h"
#include "toolkit/modRTB.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

class TestRichText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void paletteHasSixteenColours();
    void formatStaysInForceAcrossAppends();
    void emptyingKeepsTheFormat();
    void lineBreaksStartParagraphs();
    void clipboardGuardEmptiesOnEachEvent_data();
    void clipboardGuardEmptiesOnEachEvent();
    void linkOpensOnceOnLeftPress();
    void onlyWebAddressesAreLinks();
    void disablingRestoresPlainText();
    void printsSelectionOrWholeText();
    void failedPrintIsReported();

private:
    static QTextCharFormat formatAt(QTextEdit *view, int position)
    {
        QTextCursor cursor(view->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }
    static QPoint pointOf(QTextEdit *view, int position)
    {
        QTextCursor cursor(view->document());
        cursor.setPosition(position);
        return view->cursorRect(cursor).center() + QPoint(2, 0);
    }
};

void TestRichText::paletteHasSixteenColours()
{
    QCOMPARE(RTB::PaletteColour(0), QColor(0, 0, 0));
    QCOMPARE(RTB::PaletteColour(5), QColor(128, 0, 128));
    QCOMPARE(RTB::PaletteColour(7), QColor(192, 192, 192));
    QCOMPARE(RTB::PaletteColour(9), QColor(0, 0, 255));
    QCOMPARE(RTB::PaletteColour(12), QColor(255, 0, 0));
    QCOMPARE(RTB::PaletteColour(15), QColor(255, 255, 255));
    QCOMPARE(RTB::PaletteColour(16), QColor(0, 0, 0));
}

void TestRichText::formatStaysInForceAcrossAppends()
{
    QTextEdit view;
    RTB::MakeDisplay(&view, QStringLiteral("Verdana"), 9);
    RTB::Empty(&view);
    RTB::SetBold(&view, true);
    RTB::SetColour(&view, 5);
    RTB::SetSize(&view, 14);
    RTB::SetAlignment(&view, RTB::Alignment::Centre);
    RTB::Append(&view, QStringLiteral("Title"));
    RTB::Append(&view, QStringLiteral("\r\n\r\n"));
    RTB::SetAlignment(&view, RTB::Alignment::Left);
    RTB::SetBold(&view, false);
    RTB::SetColour(&view, 0);
    RTB::Append(&view, QStringLiteral("Body text"));

    const QTextBlock title = view.document()->begin();
    QCOMPARE(title.text(), QStringLiteral("Title"));
    QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat titleFormat = formatAt(&view, 0);
    QCOMPARE(titleFormat.fontWeight(), int(QFont::Bold));
    QCOMPARE(titleFormat.foreground().color(), QColor(128, 0, 128));
    QCOMPARE(titleFormat.fontPointSize(), 14.0);

    const QTextBlock body = view.document()->lastBlock();
    QCOMPARE(body.text(), QStringLiteral("Body text"));
    QCOMPARE(body.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const QTextCharFormat bodyFormat = formatAt(&view, body.position());
    QCOMPARE(bodyFormat.fontWeight(), int(QFont::Normal));
    QCOMPARE(bodyFormat.foreground().color(), QColor(0, 0, 0));
    QCOMPARE(bodyFormat.fontPointSize(), 14.0); // the size was never set back
}

void TestRichText::emptyingKeepsTheFormat()
{
    QTextEdit view;
    RTB::SetUnderline(&view, true);
    RTB::SetColour(&view, 12);
    RTB::Append(&view, QStringLiteral("old"));
    RTB::Empty(&view);
    QVERIFY(view.toPlainText().isEmpty());
    RTB::Append(&view, QStringLiteral("new"));
    QCOMPARE(view.toPlainText(), QStringLiteral("new"));
    QVERIFY(formatAt(&view, 0).fontUnderline());
    QCOMPARE(formatAt(&view, 0).foreground().color(), QColor(255, 0, 0));
}

void TestRichText::lineBreaksStartParagraphs()
{
    QTextEdit view;
    RTB::Append(&view, QStringLiteral("one\r\ntwo"));
    RTB::Append(&view, QStringLiteral(" more\r\n\r\nthree\nfour"));
    QCOMPARE(view.document()->blockCount(), 5);
    QCOMPARE(view.toPlainText(), QStringLiteral("one\ntwo more\n\nthree\nfour"));
}

void TestRichText::clipboardGuardEmptiesOnEachEvent_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"rich", "plain"})
        for (const char *event : {"text change", "click", "press", "release", "move"})
            QTest::addRow("%s %s", kind, event) << QString::fromLatin1(event) << QString::fromLatin1(kind);
}

void TestRichText::clipboardGuardEmptiesOnEachEvent()
{
    QFETCH(QString, event);
    QFETCH(QString, kind);
    QWidget window;
    QAbstractScrollArea *box = nullptr;
    if (kind == QLatin1String("rich"))
        box = new QTextEdit(QStringLiteral("Some text to copy"), &window);
    else
        box = new QPlainTextEdit(QStringLiteral("Some text to copy"), &window);
    box->resize(300, 200);
    InstallClipboardGuard(box);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("copied"));
    QCOMPARE(clipboard->text(), QStringLiteral("copied"));
    QWidget *viewport = box->viewport();
    const QPoint at(20, 10);
    if (event == QLatin1String("text change")) {
        if (auto *rich = qobject_cast<QTextEdit *>(box))
            rich->append(QStringLiteral("more"));
        else
            static_cast<QPlainTextEdit *>(box)->appendPlainText(QStringLiteral("more"));
    } else if (event == QLatin1String("click")) {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    } else if (event == QLatin1String("press")) {
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    } else if (event == QLatin1String("release")) {
        QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &release);
    } else {
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QVERIFY(clipboard->text().isEmpty());
}

void TestRichText::linkOpensOnceOnLeftPress()
{
    TestSupport::Sandbox sandbox;
    QWidget owner;
    auto *view = new QTextEdit(&owner);
    view->resize(500, 200);
    RTB::MakeDisplay(view, QStringLiteral("Verdana"), 10);
    EnableLinkHandling(view, &owner);
    // Text written after link handling is installed is searched for addresses too.
    RTB::Append(view, QStringLiteral("Report Generated By "));
    RTB::Append(view, QStringLiteral("www.example.org/page."));
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    const int start = int(QStringLiteral("Report Generated By ").size());
    QVERIFY(formatAt(view, start).isAnchor());
    QCOMPARE(formatAt(view, start).anchorHref(), QStringLiteral("www.example.org/page"));
    QVERIFY(!formatAt(view, start - 2).isAnchor());
    const QPoint onLink = pointOf(view, start + 4);

    QMouseEvent move(QEvent::MouseMove, onLink, view->viewport()->mapToGlobal(onLink), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mousePress(view->viewport(), Qt::RightButton, {}, onLink);
    QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, onLink);
    QVERIFY(sandbox.openedPages.isEmpty());

    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, onLink);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, onLink);
    QCOMPARE(sandbox.openedPages.size(), 1);
    QCOMPARE(sandbox.openedPages.constFirst(), QUrl(QStringLiteral("http://www.example.org/page")));
    DisableLinkHandling();
}

void TestRichText::onlyWebAddressesAreLinks()
{
    QVERIFY(IsWebAddress(QStringLiteral("https://a.org")));
    QVERIFY(IsWebAddress(QStringLiteral("mailto:me@a.org")));
    QVERIFY(IsWebAddress(QStringLiteral("WWW.a.org")));
    QVERIFY(!IsWebAddress(QStringLiteral("file:///etc/passwd")));
    QVERIFY(!IsWebAddress(QStringLiteral("javascript:alert(1)")));
    QVERIFY(!IsWebAddress(QStringLiteral("C:\\Windows\\calc.exe")));
    QVERIFY(!IsWebAddress(QStringLiteral("www.")));

    TestSupport::Sandbox sandbox;
    QWidget owner;
    auto *view = new QTextEdit(&owner);
    EnableLinkHandling(view, &owner);
    RTB::Append(view, QStringLiteral("file:///etc/passwd and ftp://x.org and news:a"));
    for (int i = 0; i < view->document()->characterCount() - 1; ++i)
        QVERIFY2(!formatAt(view, i).isAnchor(), qPrintable(QString::number(i)));
    DisableLinkHandling();
}

void TestRichText::disablingRestoresPlainText()
{
    QWidget owner;
    auto *view = new QTextEdit(&owner);
    RTB::SetColour(view, 5);
    RTB::Append(view, QStringLiteral("see https://a.org/x now"));
    EnableLinkHandling(view, &owner);
    QCOMPARE(LinkHandlingView(), view);
    QVERIFY(formatAt(view, 5).isAnchor());
    DisableLinkHandling();
    QCOMPARE(LinkHandlingView(), nullptr);
    QVERIFY(!formatAt(view, 5).isAnchor());
    QCOMPARE(formatAt(view, 5).foreground().color(), QColor(128, 0, 128));
    QVERIFY(!formatAt(view, 5).fontUnderline());
    DisableLinkHandling(); // nothing installed: does nothing
    // Installing it again works afresh.
    EnableLinkHandling(view, &owner);
    QVERIFY(formatAt(view, 5).isAnchor());
    DisableLinkHandling();
}

void TestRichText::printsSelectionOrWholeText()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    QTextEdit view;
    RTB::Append(&view, QStringLiteral("First paragraph\r\nSecond paragraph\r\nThird paragraph"));
    const auto printed = [&](bool selectionOnly) {
        const QString path = dir.filePath(selectionOnly ? QStringLiteral("part.pdf") : QStringLiteral("all.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (Printing::PrintView(&view, &printer, selectionOnly) != Printing::Outcome::Printed)
            return QStringLiteral("<print failed>");
        QProcess process;
        process.start(pdftotext, {path, QStringLiteral("-")});
        process.waitForFinished(20000);
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    const QString all = printed(false);
    QVERIFY(all.contains(QLatin1String("First paragraph")));
    QVERIFY(all.contains(QLatin1String("Third paragraph")));

    QTextCursor cursor(view.document());
    cursor.setPosition(int(QStringLiteral("First paragraph\n").size()));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
    const QString part = printed(true);
    QVERIFY(part.contains(QLatin1String("Second paragraph")));
    QVERIFY(!part.contains(QLatin1String("First")));
    QVERIFY(!part.contains(QLatin1String("Third")));
}

// A print that cannot reach its printer is reported as failed, with a message
// for the user; with no printer at all nothing is printed and the user is told so.
void TestRichText::failedPrintIsReported()
{
    QTemporaryDir dir;
    QTextEdit view;
    RTB::Append(&view, QStringLiteral("Text to print"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("missing-folder/out.pdf")));
    QCOMPARE(Printing::PrintView(&view, &printer, false), Printing::Outcome::Failed);
    QVERIFY(!QFile::exists(printer.outputFileName()));

    // A cancelled print dialog is no failure: nothing is said.
    Printing::ReportOutcome(Printing::Outcome::Cancelled, nullptr);
    QVERIFY(Printing::OutcomeMessage(Printing::Outcome::Cancelled).isEmpty());
    auto seen = TestSupport::AnswerNextMessage();
    Printing::ReportOutcome(Printing::Outcome::NoPrinter, nullptr);
    QVERIFY(seen->shown);
    QCOMPARE(seen->text, QStringLiteral("No printer is set up on this computer, so nothing was printed."));
    QCOMPARE(seen->icon, QMessageBox::Warning);
}

QTEST_MAIN(TestRichText)
#include "tst_rich_text.moc"
