// The Zodiac Yoga entry and result windows: the name filter, the birth-data
// messages, saving and opening reading files, the fields, the asana groups
// and detail panel, hover, clipboard guard and links.

#include "ZodiacWindows.h"

#include "toolkit/AppInfo.h"
#include "toolkit/modHelp.h"
#include "toolkit/modSettings.h"
#include "zodiac_yoga/ZodiacContent.h"
#include "zodiac_yoga/modReadingFile.h"

#include <sys/stat.h>

using namespace ZodiacWindows;
using TestSupport::MessageRecorder;

namespace {

// A reading file's bytes: each line's characters shifted by the settings offset, then CR LF.
QByteArray readingBytes(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines) {
        for (const char ch : line)
            bytes += char(uchar(ch) + Settings::K);
        bytes += "\r\n";
    }
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList readingAsList(const ZodiacReading &r)
{
    return {r.name, QString::number(r.day), r.month, QString::number(r.year), r.sign};
}

QString lf(const char *text) { return QString::fromLatin1(text).replace("\r\n"_L1, "\n"_L1); }

// The picture a label shows equals the resource drawn at the same size.
bool showsPicture(QLabel *label, const QString &path)
{
    const QImage shown = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    const QPixmap expected = QIcon(path).pixmap(label->pixmap().deviceIndependentSize().toSize());
    return !shown.isNull() && shown == expected.toImage().convertToFormat(QImage::Format_ARGB32);
}

// The text a label or text box of the window shows.
QString shown(QWidget *window, const QString &name)
{
    auto *box = window->findChild<QPlainTextEdit *>(name);
    auto *label = window->findChild<QLabel *>(name);
    return box ? box->toPlainText() : label ? label->text() : u"<no field %1>"_s.arg(name);
}

// Each field of the result window and the profile text it shows.
using P = ZodiacContent::SignProfile;
const QList<QPair<const char *, const char *P::*>> kSignFields = {
    {"lblSunSign", &P::name}, {"lblSunSignYourSunSign", &P::name},
    {"lblSunSignElement", &P::element}, {"lblSunSignNumber", &P::luckyNumber},
    {"lblSunSignColor", &P::luckyColour}, {"lblSunSignDay", &P::luckyDay},
    {"lblSunSignCompatibility", &P::compatibility}, {"lblSunSignBirthStone", &P::birthstone},
    {"lblSunSignQuality", &P::quality}, {"lblSunSignFamousPersonBorn", &P::famousPersonalities},
    {"txtSunSignPositiveTraits", &P::positiveTraits},
    {"txtSunSignNegativeTraits", &P::negativeTraits}, {"lblBodyPartBySunSign", &P::bodyPartsRuled},
    {"txtHealthProblems", &P::healthProblems}, {"txtRequiredDiet", &P::requiredDiet},
    {"txtDiettoAvoid", &P::dietToAvoid}, {"txtDietAdvice", &P::dietAdvice},
    {"lblConstitutionType", &P::element}, {"lblConstitutionTypeExcess", &P::element},
    {"lblConstitutionTypeLow", &P::element}, {"lblAthletic", &P::athletic},
    {"lblMotivated", &P::motivation}, {"lblEndurance", &P::endurance},
    {"lblFlexibility", &P::flexibility}, {"lblRoutine", &P::routine}, {"lblTeamWork", &P::teamWork},
    {"lblFocus", &P::focus}, {"lblvariety", &P::variety}, {"txtSunSignDesc", &P::fitnessAdvice}};
using C = ZodiacContent::ConstitutionProfile;
const QList<QPair<const char *, const char *C::*>> kConstitutionFields = {
    {"lblConstitutionTypeDesc", &C::description},
    {"txtConstitutionTypeExcessDesc", &C::excessDescription},
    {"lblExcessItemToBeTaken", &C::excessItemsToTake},
    {"lblExcessItemToAvoid", &C::excessItemsToAvoid}, {"lblExcessRemedy", &C::excessRemedy},
    {"txtConstitutionTypeLowDesc", &C::lowDescription}, {"lblLowItemToBeTaken", &C::lowItemsToTake},
    {"lblLowItemToAvoid", &C::lowItemsToAvoid}, {"lblLowRemedy", &C::lowRemedy}};

// Every field shows the sign's profile and its element's constitution texts, and the picture.
void checkFields(frmZodiacYogaDisplay *display, const QString &sign)
{
    const P *p = SignProfileOf(sign);
    const C *c = ConstitutionProfileOf(QString::fromLatin1(p->element));
    for (const auto &[name, member] : kSignFields)
        QCOMPARE(shown(display, QString::fromLatin1(name)), lf(p->*member));
    for (const auto &[name, member] : kConstitutionFields)
        QCOMPARE(shown(display, QString::fromLatin1(name)), lf(c->*member));
    QVERIFY(showsPicture(display->findChild<QLabel *>(u"picSunSign"_s),
                         SunSigns::PicturePath(SunSigns::NumberOf(sign))));
}

void moveMouse(QWidget *widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// The asana page of a reading: the sign's group and its labels, top to bottom.
QGroupBox *asanaGroup(frmZodiacYogaDisplay *display, const QString &sign, QList<QLabel *> *labels)
{
    display->findChild<QTabWidget *>(u"SSTab1"_s)->setCurrentIndex(2);
    QApplication::processEvents();
    auto *group = display->findChild<QGroupBox *>("fra"_L1 + sign);
    for (int i = 0; group && i < group->layout()->count(); ++i)
        if (auto *label = qobject_cast<QLabel *>(group->layout()->itemAt(i)->widget()))
            *labels << label;
    return group;
}

} // namespace

class TestZodiacWindows : public QObject {
    Q_OBJECT
    Fixture fixture_;

private Q_SLOTS:
    void init() { fixture_.Start(); }
    void cleanup() { fixture_.Finish(); }
    void nameFilter_data();
    void nameFilter();
    void birthDataChecks_data();
    void birthDataChecks();
    void saveAndReopenRoundTrip();
    void openFile_data();
    void openFile();
    void failedSave();
    void reportFitsTheScreen();
    void signGroups_data();
    void signGroups();
    void piscesAfterAries();
    void hoverUnderline();
    void clipboardGuard();
    void coBrandLinkAndBack();
};

void TestZodiacWindows::nameFilter_data()
{
    // 0 typed key by key, 1 one key carrying the text, 2 composed, 3 pasted (keys and middle click)
    QTest::addColumn<int>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("refusals");
    QTest::addRow("lower-case") << 0 << "anna maria" << "ANNA MARIA" << 0;
    QTest::addRow("digit") << 0 << "ab1" << "AB" << 1;
    QTest::addRow("hyphen") << 0 << "ann-marie" << "ANNMARIE" << 1;
    QTest::addRow("key-two-letters") << 1 << "cd" << "CD" << 0;
    QTest::addRow("key-letter-and-digit") << 1 << "c4" << "" << 1;
    QTest::addRow("key-outside-basic-plane") << 1 << u"\U0001F600"_s << "" << 1;
    QTest::addRow("composed-letters") << 2 << "cd" << "CD" << 0;
    QTest::addRow("composed-accented") << 2 << u"\u00E9"_s << "" << 1;
    QTest::addRow("composed-digits") << 2 << "42" << "" << 1;
    QTest::addRow("pasted-letters") << 3 << "cd" << "" << 1;
}

// Through the real name box: letters pass in capitals, anything else is refused with a message.
void TestZodiacWindows::nameFilter()
{
    QFETCH(int, how);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(int, refusals);
    QLineEdit *box = NameBox(NewEntry(fixture_.Host()));
    MessageRecorder recorder;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QInputMethodEvent composed;
    composed.setCommitString(text);
    if (how == 0) {
        QTest::keyClicks(box, text);
    } else if (how < 3) {
        QApplication::sendEvent(box, how == 1 ? static_cast<QEvent *>(&key) : &composed);
    } else {
        QGuiApplication::clipboard()->setText(text);
        if (QGuiApplication::clipboard()->supportsSelection())
            QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::mouseClick(box, Qt::MiddleButton);
    }
    QCOMPARE(box->text(), shown);
    QCOMPARE(recorder.messages.size(), refusals);
    for (const TestSupport::SeenMessage &seen : recorder.messages)
        QCOMPARE(seen.text, u"Please Enter only Letters"_s);
}

void TestZodiacWindows::birthDataChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("outcome"); // the message shown, or "stored name|sign"
    QTest::addRow("empty-name") << "" << "30" << "February" << "Please Enter Your Name";
    QTest::addRow("February-30") << "ANNA" << "30" << "February"
                                 << "Please Enter Correct Date of Birth!";
    for (const char *month : {"April", "June", "September", "November"})
        QTest::addRow("%s-31", month) << "ANNA" << "31" << month
                                      << "Please Enter Correct Date of Birth !";
    // A name of blanks is no name: it would save a reading that cannot be opened.
    QTest::addRow("blank-name") << "   " << "20" << "March" << "Please Enter Your Name";
    QTest::addRow("February-29") << "LEAP" << "29" << "February" << "LEAP|Pisces";
    QTest::addRow("June-30") << "A" << "30" << "June" << "A|Cancer";
}

// A refused reading shows its message and changes nothing; an accepted one gives
// the same sign in the first and the last year of the list.
void TestZodiacWindows::birthDataChecks()
{
    QFETCH(QString, name);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, outcome);
    frmZodiacYogaMain *entry = NewEntry(fixture_.Host());
    const ZodiacReading previous = entry->Reading();
    const bool accepted = outcome.contains(u'|');
    MessageRecorder recorder;
    for (const QString year : {"1900", "2050"}) {
        QVERIFY(SetInputs(entry, name, day, month, year));
        QTest::mouseClick(entry->findChild<QPushButton *>(u"cmdNext"_s), Qt::LeftButton);
        if (!accepted)
            break;
        QVERIFY(VisibleDisplay());
        const QStringList stored = outcome.split(u'|');
        QCOMPARE(readingAsList(entry->Reading()),
                 QStringList({stored[0], day, month, year, stored[1]}));
        VisibleDisplay()->cmdBack_Click();
    }
    QCOMPARE(recorder.messages.size(), accepted ? 0 : 1);
    if (accepted)
        return;
    QCOMPARE(recorder.messages[0].text, outcome);
    QCOMPARE(recorder.messages[0].icon, QMessageBox::Information);
    QCOMPARE(recorder.messages[0].title, AppInfo::ApplicationTitle());
    QVERIFY(entry->isVisible() && !VisibleDisplay());
    QCOMPARE(Inputs(entry), QStringList({name, day, month, "1900"}));
    QCOMPARE(readingAsList(entry->Reading()), readingAsList(previous));
}

// Saved from the report window over an older file, the file holds exactly four encoded
// lines; opened in a fresh entry window it gives back the inputs and the reading.
void TestZodiacWindows::saveAndReopenRoundTrip()
{
    MessageRecorder recorder;
    frmZodiacYogaMain *entry = NewEntry(fixture_.Host());
    QTest::keyClicks(NameBox(entry), "anna maria");
    frmZodiacYogaDisplay *display = Read(entry, NameBox(entry)->text(), "21", "March", "1980");
    QVERIFY(display);
    const QString path = fixture_.Path(u"anna.zoy"_s);
    QVERIFY(writeFile(path, QByteArray(500, 'Q')));
    QVERIFY(frmZodiacYogaSave(display).SaveReadingTo(path));
    QCOMPARE(readAll(path), readingBytes({"ANNA MARIA", "21", "March", "1980"}));
    CloseAll();

    frmZodiacYogaMain *again = NewEntry(fixture_.Host());
    again->OpenReadingFile(path);
    QCOMPARE(recorder.messages.size(), 0);
    QCOMPARE(Inputs(again), QStringList({"ANNA MARIA", "21", "March", "1980"}));
    QVERIFY(again->isHidden() && VisibleDisplay() && VisibleDisplay()->Entry() == again);
    QCOMPARE(readingAsList(again->Reading()),
             QStringList({"ANNA MARIA", "21", "March", "1980", "Aries"}));
}

void TestZodiacWindows::openFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("inputs");  // after opening, from "TYPED 5 May 1950"; "": unchecked
    QTest::addColumn<QString>("outcome"); // the sign read, or the message shown
    const QByteArray anna = readingBytes({"ANNA", "21", "March", "1980"});
    const QByteArray lf = QByteArray(anna + readingBytes({"JUNK"})).replace("\r\n", "\n");
    QByteArray binary(16384, '\0');
    for (int i = 1; i < binary.size(); ++i)
        binary[i] = char(i % 7 ? 0x80 | (i * 37 & 0x7F) : 0); // no line break in it
    const auto odd = [](const char *day, const char *month) {
        return readingBytes({"ODD", day, month, "1980"});
    };
    const QString annaInputs = u"ANNA 21 March 1980"_s;
    const QString unchanged = u"TYPED 5 May 1950"_s;
    const QString damaged = u"Please Check The File."_s;
    QTest::addRow("capitals") << "r.ZOY" << anna << unchanged << damaged;
    QTest::addRow("lf-more-lines") << "r.zoy" << lf << annaInputs << "Aries";
    QTest::addRow("lower-case-name") << "r.zoy" << readingBytes({"anna maria", "21", "March", "1980"})
                                     << "ANNA MARIA 21 March 1980" << "Aries";
    QTest::addRow("empty-name") << "r.zoy" << readingBytes({"", "21", "March", "1980"})
                                << " 21 March 1980" << "Please Enter Your Name";
    QTest::addRow("February-30") << "r.zoy" << odd("30", "February") << "ODD 30 February 1980"
                                 << "Please Enter Correct Date of Birth!";
    // A damaged file is refused before the form changes, so it never gives a
    // reading for another date.
    QTest::addRow("empty") << "r.zoy" << QByteArray() << unchanged << damaged;
    QTest::addRow("name-only") << "r.zoy" << readingBytes({"SHORT"}) << unchanged << damaged;
    QTest::addRow("not-a-month") << "r.zoy" << odd("28", "Smarch") << unchanged << damaged;
    QTest::addRow("day-32") << "r.zoy" << odd("32", "July") << unchanged << damaged;
    QTest::addRow("year-2051") << "r.zoy" << readingBytes({"ODD", "5", "July", "2051"}) << unchanged
                               << damaged;
    QTest::addRow("empty-year") << "r.zoy" << readingBytes({"ODD", "5", "July", ""}) << unchanged
                                << damaged;
    QTest::addRow("web-address-name") << "r.zoy"
                                      << readingBytes({"www.example.com", "21", "March", "1980"})
                                      << unchanged << damaged;
    QTest::addRow("digit-in-name") << "r.zoy" << readingBytes({"ANNA 2", "21", "March", "1980"})
                                   << unchanged << damaged;
    QTest::addRow("20MB-line") << "r.zoy" << QByteArray(20 << 20, 'H') << unchanged << damaged;
    QTest::addRow("binary") << "r.zoy" << binary << unchanged << damaged;
    // A file that cannot be read (here a folder) keeps the typed name.
    QTest::addRow("unreadable") << "folder.zoy" << QByteArray() << unchanged << damaged;
    // A pipe is refused at once instead of waiting for a writer that never comes.
    QTest::addRow("fifo") << "fifo.zoy" << QByteArray() << unchanged << damaged;
}

// Opening reads only the start of the file, fills the inputs and gives the reading or a message.
void TestZodiacWindows::openFile()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, inputs);
    QFETCH(QString, outcome);
    const QString path = fixture_.Path(fileName);
    if (fileName.startsWith("folder"_L1))
        QVERIFY(QDir().mkpath(path));
    else if (fileName.startsWith("fifo"_L1))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(writeFile(path, bytes));
    const ReadingFile::Lines lines = ReadingFile::Load(path).value_or(ReadingFile::Lines{});
    const qsizetype read = (lines.name + lines.day + lines.month + lines.year).size();
    QVERIFY(read <= ReadingFile::MaxBytesRead);
    frmZodiacYogaMain *entry = NewEntry(fixture_.Host());
    QVERIFY(SetInputs(entry, u"TYPED"_s, "5", "May", "1950"));
    MessageRecorder recorder;
    entry->OpenReadingFile(path);
    if (!inputs.isEmpty())
        QCOMPARE(Inputs(entry).join(u' '), inputs);
    if (SunSigns::NumberOf(outcome) > 0) {
        QCOMPARE(recorder.messages.size(), 0);
        QVERIFY(VisibleDisplay());
        QCOMPARE(VisibleDisplay()->FieldText(u"lblSunSign"_s), outcome);
        return;
    }
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].text, outcome);
    const bool badFile = outcome == "Please Check The File."_L1;
    QCOMPARE(recorder.messages[0].icon, badFile ? QMessageBox::Critical : QMessageBox::Information);
    QVERIFY(entry->isVisible() && !VisibleDisplay());
    if (inputs.isEmpty())
        QCOMPARE(Inputs(entry).join(u' '), u"TYPED 5 May 1950"_s);
}

// A save that cannot be done says so and leaves no file behind; a later save still works.
void TestZodiacWindows::failedSave()
{
    const QDir dir(fixture_.dir->path());
    QVERIFY(dir.mkdir(u"taken.zoy"_s));
    frmZodiacYogaDisplay *display = ReadSign(fixture_.Host(), u"Aries"_s, u"ANNA"_s);
    QVERIFY(display);
    frmZodiacYogaSave report(display);
    MessageRecorder recorder;
    for (const QString relative : {"missing/folder/reading.zoy", "taken.zoy"}) {
        QVERIFY(!report.SaveReadingTo(fixture_.Path(relative)));
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.messages.takeFirst().icon, QMessageBox::Critical);
        QCOMPARE(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList(u"taken.zoy"_s));
        QVERIFY(QDir(fixture_.Path(u"taken.zoy"_s)).isEmpty());
    }
    QVERIFY(report.SaveReadingTo(fixture_.Path(u"second.zoy"_s)));
    QCOMPARE(recorder.messages.size(), 0);
    QCOMPARE(readAll(fixture_.Path(u"second.zoy"_s)),
             readingBytes({"ANNA", "21", "March", "1980"}));
}

// The report window is never taller or wider than the screen (here the
// offscreen screen, smaller than the window's usual size).
void TestZodiacWindows::reportFitsTheScreen()
{
    frmZodiacYogaDisplay *display = ReadSign(fixture_.Host(), u"Aries"_s, u"ANNA"_s);
    QVERIFY(display);
    frmZodiacYogaSave report(display);
    const QSize room = report.screen()->availableGeometry().size();
    QVERIFY(report.width() <= room.width());
    QVERIFY(report.height() < room.height());
    QVERIFY(report.width() >= report.minimumSizeHint().width());
}

void TestZodiacWindows::signGroups_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("keys");     // the label names without "lbl" and the sign
    QTest::addColumn<QString>("captions"); // separated by "|"
    const auto row = [](const char *sign, const char *keys, const char *captions) {
        QTest::addRow("%s", sign) << sign << keys << captions;
    };
    row("Aries", "Sarvaangaasanaa Makaraasanaa Savaasanaa", "Sarvangasana|Makarasana|Savasana");
    row("Taurus", "Sarvaangaasanaa Haalaasanaa Savaasanaa", "Sarvangasana|Halasana|Savasana");
    row("Gemini", "Padmaasanaa Makaraasanaa Dhanuraasanaa Sarvaangaasanaa Savaasanaa",
        "Padmasana|Makarasana|Dhanurasana|Sarvangasana|Savasana");
    row("Cancer", "Bhujangaasanaa Paschimottasanaa Dhanuraasanaa Padmaasanaa Savaasanaa",
        "Bhujangasana|Paschimottasana|Dhanurasana|Padmasana|Savasana");
    row("Leo", "YogaMudra Bhujangaasaana Naukaasanaa Savaasanaa",
        "Yoga Mudra|Bhujangasana|Naukasana|Savasana");
    row("Virgo", "Sarvaangaasanaa Haalaasanaa Dhanuraasanaa Bhujangaasanaa Savaasanaa",
        "Sarvangasana|Halasana|Dhanurasana|Bhujangasana|Savasana");
    row("Libra", "Sarvaangaasanaa Padmaasanaa YogaMudra Savaasanaa",
        "Sarvangasana|Padmasana|Yoga Mudra|Savasana");
    row("Scorpio", "Sarvaangaasanaa Bhujangaasanaa Mayuraasanaa Dhanuraasanaa Savaasanaa",
        "Sarvangasana|Bhujangasana|Mayurasana|Dhanurasana|Savasana");
    row("Sagittarius", "Sarvaangaasanaa Vajraasanaa Mayuraasanaa Bhujangaasanaa Savaasanaa",
        "Sarvangasana|Vajrasana|Mayurasana|Bhujangasana|Savasana");
    row("Capricorn",
        "Sarvaangaasanaa Dhanuraasanaa Paschimottaasanaa Bhujangaasanaa Simhaasanaa Padmaasanaa "
        "Savaasanaa",
        "Sarvangasana|Dhanurasana|Paschimottasana|Bhujangasana|Simhasana|Padmasana|Savasana");
    row("Aquarius",
        "Sarvaangaasanaa Dhanuraasanaa Paschimottaasanaa Bhujangaasanaa Padmaasanaa Savaasanaa",
        "Sarvangasana|Dhanurasana|Paschimottasana|Bhujangasana|Padmasana|Savasana");
    row("Pisces",
        "Sarvaangaasanaa Makaraasanaa Bhujangaasanaa Garudaasanaa Mayuraasanaa YogaMudraa "
        "Savaasanaa",
        "Sarvangasana|Makarasana |Bhujangasana|Garudasana|Mayurasana|Yoga Mudra|Savasana");
}

// Every field shows the sign's profile. Only the sign's group shows, its labels named,
// captioned and ordered top to bottom; each opens the detail panel with its texts and
// picture, and Back returns.
void TestZodiacWindows::signGroups()
{
    QFETCH(QString, sign);
    QFETCH(QString, keys);
    QFETCH(QString, captions);
    frmZodiacYogaDisplay *display = ReadSign(fixture_.Host(), sign);
    QVERIFY(display);
    checkFields(display, sign);
    QList<QLabel *> labels;
    QGroupBox *group = asanaGroup(display, sign, &labels);
    auto *panel = display->findChild<QWidget *>(u"fraYogaProcedure"_s);
    QVERIFY(group && group->isVisible() && !panel->isVisible());
    QCOMPARE(group->title(), "Recommended Yoga Asanas For "_L1 + sign);
    for (const auto &other : kDates)
        QCOMPARE(display->findChild<QGroupBox *>("fra"_L1 + QLatin1String(other[0]))->isVisible(),
                 sign == QLatin1String(other[0]));
    QStringList names, texts;
    for (QLabel *label : labels) {
        QVERIFY(names.isEmpty() || label->y() > labels.at(names.size() - 1)->y());
        names << label->objectName();
        texts << label->text();
    }
    QCOMPARE(names.join(u' '), "lbl"_L1 + keys.split(u' ').join(sign + " lbl"_L1) + sign);
    QCOMPARE(texts.join(u'|'), captions);

    for (QLabel *label : labels) {
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(panel->isVisible() && !group->isVisible());
        const QString title = label->text().trimmed();
        const auto &all = ZodiacContent::kAsanas;
        const auto *asana =
            std::find_if(all.begin(), all.end(), [&](const auto &a) { return title == a.title; });
        QVERIFY2(asana != all.end(), qPrintable(title));
        QCOMPARE(shown(display, u"lblAsanaName"_s), title);
        const int record = int(asana - all.begin());
        const auto &f = AsanaRecords()[record].fields;
        const auto crlf = [](QString text) { return text.replace("\r\n"_L1, "\n"_L1); };
        QCOMPARE(shown(display, u"lblEnglishName"_s), crlf(f[0]));
        // The heading "English Name" keeps a gap before its value.
        const auto *value = display->findChild<QLabel *>(u"lblEnglishName"_s);
        for (const QLabel *heading : panel->findChildren<QLabel *>())
            if (heading->text() == "English Name"_L1)
                QVERIFY(value->x() - (heading->x() + heading->width()) >= 6);
        QCOMPARE(shown(display, u"txtYogaDefination"_s), crlf(f[1]));
        QCOMPARE(shown(display, u"txtProcedure"_s), crlf(f[2]));
        QCOMPARE(shown(display, u"txtBenefits"_s), crlf(f[3]));
        QCOMPARE(shown(display, u"txtContradiction"_s), crlf(f[4]));
        QVERIFY(showsPicture(display->findChild<QLabel *>(u"picYoga"_s), Yogasana::PicturePath(record)));
        QTest::mouseClick(display->findChild<QPushButton *>(u"cmdYogaBack"_s), Qt::LeftButton);
        QVERIFY(!panel->isVisible() && group->isVisible() && label->isVisible());
    }
}

// Refilled with Pisces, a window that showed Aries keeps nothing of Aries.
void TestZodiacWindows::piscesAfterAries()
{
    frmZodiacYogaDisplay *display = ReadSign(fixture_.Host(), u"Aries"_s);
    QVERIFY(display);
    display->FillSignProfile(u"Pisces"_s);
    display->FillConstitutionType();
    checkFields(display, u"Pisces"_s);
    QVERIFY(display->findChild<QGroupBox *>(u"fraAries"_s)->isHidden());
}

// Moving over an asana underlines it alone; the group's or the page's background clears it.
void TestZodiacWindows::hoverUnderline()
{
    frmZodiacYogaDisplay *display = ReadSign(fixture_.Host(), u"Capricorn"_s);
    QVERIFY(display);
    QList<QLabel *> labels;
    QGroupBox *group = asanaGroup(display, u"Capricorn"_s, &labels);
    const auto underlined = [&] {
        QStringList names;
        for (QLabel *label : labels)
            if (label->font().underline())
                names << label->objectName();
        return names;
    };
    QCOMPARE(underlined(), QStringList());
    QWidget *page = display->findChild<QWidget *>(u"fraSelectYoga"_s);
    QVERIFY(!group->childAt(4, group->height() - 4));
    for (QWidget *background : {static_cast<QWidget *>(group), page}) {
        moveMouse(labels.at(4), QPoint(2, 2));
        QCOMPARE(underlined(), QStringList(u"lblSimhaasanaaCapricorn"_s));
        moveMouse(background, background == page ? QPoint(1, 1) : QPoint(4, group->height() - 4));
        QCOMPARE(underlined(), QStringList());
    }
}

// Moving over a guarded box empties the clipboard; the two trait boxes leave it alone.
void TestZodiacWindows::clipboardGuard()
{
    frmZodiacYogaDisplay *display = ReadSign(fixture_.Host(), u"Aries"_s);
    QVERIFY(display);
    const QStringList unguarded = {"txtSunSignPositiveTraits", "txtSunSignNegativeTraits"};
    const QList<QPlainTextEdit *> boxes = display->findChildren<QPlainTextEdit *>();
    QCOMPARE(boxes.size(), 13);
    for (QPlainTextEdit *box : boxes) {
        QGuiApplication::clipboard()->setText(u"copied"_s);
        moveMouse(box->viewport(), QPoint(5, 5));
        const bool guarded = !unguarded.contains(box->objectName());
        QVERIFY2(QGuiApplication::clipboard()->text().isEmpty() == guarded,
                 qPrintable(box->objectName()));
    }
}

// The lucky colour heading opens the co-brand page; Back to Main Page shows the entry window
// with its inputs again.
void TestZodiacWindows::coBrandLinkAndBack()
{
    frmZodiacYogaDisplay *display = ReadSign(fixture_.Host(), u"Virgo"_s, u"TESTER"_s);
    QVERIFY(display);
    QTest::mouseClick(display->findChild<QLabel *>(u"Label19"_s), Qt::LeftButton);
    QCOMPARE(fixture_.sandbox->openedPages,
             QList<QUrl>({WebAddressToUrl(PublisherPages::CoBrandPage())}));
    QPointer<frmZodiacYogaMain> entry = display->Entry();
    QVERIFY(entry && entry->isHidden());
    QTest::mouseClick(display->findChild<QPushButton *>(u"cmdBack"_s), Qt::LeftButton);
    QVERIFY(!VisibleDisplay() && entry->isVisible());
    QCOMPARE(Inputs(entry), QStringList({"TESTER", "30", "August", "1980"}));
}

QTEST_MAIN(TestZodiacWindows)
#include "tst_zodiac_windows.moc"
