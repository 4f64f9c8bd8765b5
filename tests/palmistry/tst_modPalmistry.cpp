// Learn Palmistry without its window: the content tables and pictures, the
// picture rule, the quiz's draws, answers, scoring and result list,
// the printout text and the goal files.
#include "palmistry/PalmistryContent.h"
#include "palmistry/modLearnPalmistry.h"
#include "palmistry/modPalmistryGoals.h"
#include "palmistry/modPalmistryTest.h"
#include "toolkit/DataLocations.h"
#include "toolkit/ReportView.h"
#include "toolkit/modHelp.h"
#include "toolkit/modRandom.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QSet<int> kTestEntries = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 15, 16, 17, 18, 19, 20, 21};

} // namespace

class tst_modPalmistry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void contentTables();
    void pictures();
    void pictureRule_data();
    void pictureRule();

    void everyTestEntryComesUp();
    void drawEndsWhenTheGeneratorIsStuck_data();
    void drawEndsWhenTheGeneratorIsStuck();
    void questionsAnswersAndResult();
    void resultListLinesAndBoldTitles();
    void printTextWrapsTheListInReportLines();

    void goalSaveTrimsBlanksOnly_data();
    void goalSaveTrimsBlanksOnly();
    void goalThatCannotBeWritten();
    void goalLinesReadWithAnyLineEnd_data();
    void goalLinesReadWithAnyLineEnd();
};

void tst_modPalmistry::contentTables()
{
    static const char *titles[PalmEntryCount] = {"Shape of Hands - Square Hand",
                                                 "Shape of Hands - Spatulate Hand",
                                                 "Shape of Hands - Conical Hand",
                                                 "Shape of Hands - Psychic Hand",
                                                 "Shape of Hands - Mixed Hand",
                                                 "Finger Shapes - Conical Fingers",
                                                 "Finger Shapes - Spatulate Fingers",
                                                 "Finger Shapes - Straight Fingers",
                                                 "Finger Shapes - Square Fingers",
                                                 "Finger Shapes - Knotty Fingers",
                                                 "Shape of Nails - Short and Wide",
                                                 "Shape of Nails - Broad and Square",
                                                 "Shape of Nails - Long and Narrow",
                                                 "Shape of Nails - Almond-Shaped",
                                                 "Life Line",
                                                 "Head Line",
                                                 "Heart Line",
                                                 "Fate Line",
                                                 "Fame Line",
                                                 "Marriage or Relationship Line",
                                                 "Health Line",
                                                 "Travel Line",
                                                 "Girdle of Venus"};
    const PalmistryTables &tables = LoadPalmistryContent();
    QSet<QString> significances;
    QSet<QString> shapes;
    for (int n = 0; n < PalmEntryCount; ++n) {
        const auto i = std::size_t(n);
        QCOMPARE(tables.PalmTitle[i], QString::fromLatin1(titles[n]));
        const QString &significance = tables.PalmSignificance[i];
        QVERIFY2(significance.size() > 200 && significance.size() < 900, titles[n]);
        significances.insert(significance);
        for (const QString &text : {significance, tables.PalmShapeLocation[i]})
            for (QChar ch : text)
                QVERIFY2((ch.unicode() >= 32 && ch.unicode() < 127) || ch == u'\r' || ch == u'\n', titles[n]);
        // Only the conical hand has two paragraphs, joined by CR LF.
        QCOMPARE(significance.count(QStringLiteral("\r\n")), n == 2 ? 1 : 0);
        QCOMPARE(significance.count(u'\n'), n == 2 ? 1 : 0);
        if (n >= 10 && n <= 13) {
            QCOMPARE(tables.PalmShapeLocation[i], QStringLiteral("Shape / Location is not available."));
        } else {
            QVERIFY2(tables.PalmShapeLocation[i].size() > 200, titles[n]);
            shapes.insert(tables.PalmShapeLocation[i]);
        }
    }
    QCOMPARE(significances.size(), PalmEntryCount);
    QCOMPARE(shapes.size(), PalmEntryCount - 4);
    QVERIFY(tables.PalmTitle[23].isEmpty() && tables.PalmSignificance[23].isEmpty() &&
            tables.PalmShapeLocation[23].isEmpty());
    // The tables are filled once and handed out again unchanged.
    QCOMPARE(&LoadPalmistryContent(), &tables);
}

// All 24 pictures are compiled in and draw; the palm-line pictures (16 to 24)
// carry no text, since the name test shows them alone and asks for the name.
void tst_modPalmistry::pictures()
{
    for (int number = 1; number <= 24; ++number) {
        const QString path = QStringLiteral(":/palmistry/%1.svg").arg(number, 2, 10, QLatin1Char('0'));
        QSvgRenderer renderer(path);
        QVERIFY2(renderer.isValid(), qPrintable(path));
        const QSize nominal = PalmPictureSize(number) * 2;
        QCOMPARE(renderer.viewBox().size(), nominal);
        if (number >= 16)
            QVERIFY2(!fileBytes(path).contains("<text"), qPrintable(path));
    }
    // The four nail entries show one drawing; no entry shows picture 15.
    QCOMPARE(fileBytes(PalmPicturePath(10)), fileBytes(PalmPicturePath(13)));
    for (int n = 0; n < PalmEntryCount; ++n)
        QVERIFY(PalmPictureNumber(n) != 15);
    // A question shows the entry's drawing; the name test hides the title it asks for.
    QCOMPARE(PalmQuizSource(PalmTestKind::Name).Picture(3), fileBytes(PalmPicturePath(3)));
    QVERIFY(!PalmQuizSource(PalmTestKind::Name).SubjectShown());
    QVERIFY(PalmQuizSource(PalmTestKind::Significance).SubjectShown());
}

void tst_modPalmistry::pictureRule_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("path");
    QTest::addRow("first") << 0 << 1 << QStringLiteral(":/palmistry/01.svg");
    QTest::addRow("last nail") << 13 << 14 << QStringLiteral(":/palmistry/14.svg");
    QTest::addRow("life line skips 15") << 14 << 16 << QStringLiteral(":/palmistry/16.svg");
    QTest::addRow("girdle of venus") << 22 << 24 << QStringLiteral(":/palmistry/24.svg");
    QTest::addRow("below the table") << -1 << 0 << QString();
    QTest::addRow("empty slot 23") << 23 << 0 << QString();
}

void tst_modPalmistry::pictureRule()
{
    QFETCH(int, entry);
    QFETCH(int, picture);
    QFETCH(QString, path);
    QCOMPARE(PalmPictureNumber(entry), picture);
    QCOMPARE(PalmPicturePath(entry), path);
}

// Over many seeded quizzes every entry that may be asked comes up; the quiz's
// own draw, reseeded from the clock each time, keeps to the same entries.
void tst_modPalmistry::everyTestEntryComesUp()
{
    QSet<int> asked;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        Random::Seed(seed);
        const Quiz::Session test = StartPalmTest(PalmTestKind::Name, Quiz::ProgramUniform());
        asked.unite(QSet<int>(test.Items().begin(), test.Items().end()));
    }
    QCOMPARE(asked, kTestEntries);
    for (int run = 0; run < 20; ++run) {
        const Quiz::Session clocked = StartPalmTest(PalmTestKind::Significance);
        const QSet<int> questions(clocked.Items().begin(), clocked.Items().end());
        QCOMPARE(questions.size(), PalmQuestionCount);
        QVERIFY(kTestEntries.contains(questions));
    }
}

// A generator stuck on one value still gives ten different questions of five
// different answers from the entries that take part.
void tst_modPalmistry::drawEndsWhenTheGeneratorIsStuck_data()
{
    QTest::addColumn<double>("value");
    QTest::addRow("a nail entry") << 11.5 / 22;
    QTest::addRow("an entry that is accepted once") << 3.5 / 22;
    QTest::addRow("the top") << 0.9999999;
}

void tst_modPalmistry::drawEndsWhenTheGeneratorIsStuck()
{
    QFETCH(double, value);
    Quiz::Session test = StartPalmTest(PalmTestKind::Name, [value] { return value; });
    const QSet<int> entries(test.Items().begin(), test.Items().end());
    QCOMPARE(entries.size(), PalmQuestionCount);
    QVERIFY(kTestEntries.contains(entries));
    const Quiz::Question &q = test.CurrentQuestion();
    QCOMPARE(QSet<QString>(q.choices.begin(), q.choices.end()).size(), PalmAnswerButtons);
}

// Each question's five answers come from the kind's table, the asked entry's
// among them; the answers given are recorded and scored by what was chosen.
void tst_modPalmistry::questionsAnswersAndResult()
{
    const PalmistryTables &tables = LoadPalmistryContent();
    Random::Seed(7);
    Quiz::Session test = StartPalmTest(PalmTestKind::ShapeLocation, Quiz::ProgramUniform());
    QCOMPARE(test.Outcome().info.kind, QStringLiteral("Test By Location / Shape"));
    QStringList chosen;
    int right = 0;
    for (int k = 0; k < PalmQuestionCount; ++k) {
        const Quiz::Question q = test.CurrentQuestion();
        QCOMPARE(q.number, k);
        QCOMPARE(q.subject, tables.PalmTitle[std::size_t(q.item)]);
        QCOMPARE(q.choices[q.correct.front()], tables.PalmShapeLocation[std::size_t(q.item)]);
        const int button = k % PalmAnswerButtons;
        chosen << q.choices[button];
        right += q.IsCorrect(button);
        QCOMPARE(test.Answer(button), k == PalmQuestionCount - 1);
    }
    QVERIFY(test.Answer(0)); // answering after the end changes nothing
    const Quiz::Result &result = test.Outcome();
    QCOMPARE(result.Count(), PalmQuestionCount);
    QCOMPARE(result.Score(), right);
    for (int k = 0; k < PalmQuestionCount; ++k) {
        QCOMPARE(result.questions[k].given, QStringList{chosen[k]});
        QCOMPARE(result.questions[k].name, tables.PalmTitle[std::size_t(result.questions[k].item)]);
    }
}

void tst_modPalmistry::resultListLinesAndBoldTitles()
{
    Quiz::Result result;
    const PalmistryTables &tables = LoadPalmistryContent();
    // Entry 2's significance holds a line break: it is listed with it.
    result.questions.append({2, tables.PalmTitle[2], {tables.PalmSignificance[2]},
                             tables.PalmSignificance[2], 1, 1});
    result.questions.append({14, tables.PalmTitle[14], {QStringLiteral("Some other text")},
                             tables.PalmSignificance[14], 0, 1});

    QTextEdit view;
    WritePalmResult(&view, result);
    WritePalmResult(&view, result); // writing again replaces the list

    const QStringList conical = tables.PalmSignificance[2].split(QStringLiteral("\r\n"));
    QStringList expected;
    expected << tables.PalmTitle[2] << QStringLiteral("Your Answer:") << conical
             << QStringLiteral("Correct Choice: ") << conical << QString();
    const int secondTitle = int(expected.size());
    expected << tables.PalmTitle[14] << QStringLiteral("Your Answer:") << QStringLiteral("Some other text")
             << QStringLiteral("Correct Choice: ") << tables.PalmSignificance[14] << QString();
    expected << QStringLiteral("1 Correct out of 10 Questions");
    QStringList blocks;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
        const int line = int(blocks.size());
        blocks << block.text();
        // Every run of a title line is bold, every run of any other line is not.
        for (auto it = block.begin(); !it.atEnd(); ++it)
            QVERIFY2((it.fragment().charFormat().fontWeight() == QFont::Bold) ==
                         (line == 0 || line == secondTitle),
                     qPrintable(block.text()));
    }
    QCOMPARE(blocks, expected);
    // No line break after the score.
    QVERIFY(view.toPlainText().endsWith(QLatin1String("1 Correct out of 10 Questions")));
}

void tst_modPalmistry::printTextWrapsTheListInReportLines()
{
    const QString line = QStringLiteral("Report Generated By ") + PublisherPages::SiteAddress();
    QVERIFY(!PublisherPages::SiteAddress().isEmpty());
    QCOMPARE(Printing::WithGeneratedByLines(QStringLiteral("Life Line\nYour Answer:")),
             line + QStringLiteral("\r\n\r\nLife Line\nYour Answer:\r\n\r\n") + line);
}

void tst_modPalmistry::goalSaveTrimsBlanksOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("spaces and tabs at both ends")
        << QStringLiteral(" \t Practise daily \t ") << QByteArray("Practise daily\r\n");
    QTest::addRow("inner spaces stay") << QStringLiteral("a  b") << QByteArray("a  b\r\n");
    // A note that ends in a line end (as every loaded one does) gets no other.
    QTest::addRow("line breaks stay")
        << QStringLiteral("\nfirst\nsecond\n") << QByteArray("\r\nfirst\r\nsecond\r\n");
    QTest::addRow("blank line end") << QStringLiteral("goal \n  ") << QByteArray("goal \r\n");
    QTest::addRow("loaded note") << QStringLiteral("a\r\nb\r\n") << QByteArray("a\r\nb\r\n");
    QTest::addRow("empty") << QString() << QByteArray("\r\n");
    QTest::addRow("accented") << QStringLiteral("caf\u00e9") << QByteArray("caf\xc3\xa9\r\n");
}

void tst_modPalmistry::goalSaveTrimsBlanksOnly()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(PalmistryGoals::GoalFileBytes(text), bytes);
}

// A goal file that cannot be created (its folder is a plain file) still shows
// the default goal, says why, and a save fails without touching what is there.
void tst_modPalmistry::goalThatCannotBeWritten()
{
    TestSupport::Sandbox sandbox;
    const QString blocked = QDir(sandbox.folder()).filePath(QStringLiteral("plain-file"));
    writeBytes(blocked, "not a folder");
    DataLocations::Folders folders{{sandbox.programFolder()}, blocked + QStringLiteral("/palmistry"),
                                   {}, {}, {}};
    const DataLocations blockedUser(folders);
    const PalmistryGoals::Loaded fallback = PalmistryGoals::PrepareAndLoadGoal(blockedUser, 2);
    QCOMPARE(fallback.text, QStringLiteral("This is Goal 2.\r\n"));
    QVERIFY(!fallback.error.isEmpty());
    const PalmistryGoals::Saved saved = PalmistryGoals::SaveGoal(blockedUser, 2, fallback.text);
    QVERIFY(!saved.ok);
    QVERIFY2(saved.error.startsWith(QStringLiteral("Goal 2 could not be saved to ")),
             qPrintable(saved.error));
    QCOMPARE(fileBytes(blocked), QByteArray("not a folder"));
}

void tst_modPalmistry::goalLinesReadWithAnyLineEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addRow("empty file") << QByteArray() << QString();
    QTest::addRow("no line end") << QByteArray("one") << QStringLiteral("one\r\n");
    QTest::addRow("crlf") << QByteArray("one\r\ntwo\r\n") << QStringLiteral("one\r\ntwo\r\n");
    QTest::addRow("lf") << QByteArray("one\ntwo") << QStringLiteral("one\r\ntwo\r\n");
    QTest::addRow("empty lines") << QByteArray("\r\n\r\nx\r\n\r\n") << QStringLiteral("\r\n\r\nx\r\n\r\n");
    QTest::addRow("utf-8") << QByteArray("caf\xc3\xa9") << QStringLiteral("caf\u00e9\r\n");
    QTest::addRow("single-byte code page") << QByteArray("caf\xe9") << QStringLiteral("caf\u00e9\r\n");
}

void tst_modPalmistry::goalLinesReadWithAnyLineEnd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(PalmistryGoals::LinesWithLineEnds(bytes), text);
}

QTEST_MAIN(tst_modPalmistry)
#include "tst_modPalmistry.moc"
