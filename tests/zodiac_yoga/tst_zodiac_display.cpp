// The Zodiac Yoga result window: pages and fields, the sign groups with their
// asana labels, the detail panel, hover underline, clipboard guard and links.

#include "ZodiacWindows.h"

#include "support/TestSupport.h"
#include "shell/modHelp.h"
#include "zodiac_yoga/ZodiacContent.h"
#include "zodiac_yoga/modSunSignYoga.h"
#include "zodiac_yoga/modYogasana.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace ZodiacWindows;

namespace {

struct SignGroup {
    const char *sign;
    QStringList labels;
    QStringList titles;
};

// The asana labels of every sign group, top to bottom, with their object names.
const QList<SignGroup> &allGroups()
{
    static const QList<SignGroup> groups = {
        {"Aries",
         {"lblSarvaangaasanaaAries", "lblMakaraasanaaAries", "lblSavaasanaaAries"},
         {"Sarvangasana", "Makarasana", "Savasana"}},
        {"Taurus",
         {"lblSarvaangaasanaaTaurus", "lblHaalaasanaaTaurus", "lblSavaasanaaTaurus"},
         {"Sarvangasana", "Halasana", "Savasana"}},
        {"Gemini",
         {"lblPadmaasanaaGemini", "lblMakaraasanaaGemini", "lblDhanuraasanaaGemini",
          "lblSarvaangaasanaaGemini", "lblSavaasanaaGemini"},
         {"Padmasana", "Makarasana", "Dhanurasana", "Sarvangasana", "Savasana"}},
        {"Cancer",
         {"lblBhujangaasanaaCancer", "lblPaschimottasanaaCancer", "lblDhanuraasanaaCancer",
          "lblPadmaasanaaCancer", "lblSavaasanaaCancer"},
         {"Bhujangasana", "Paschimottasana", "Dhanurasana", "Padmasana", "Savasana"}},
        {"Leo",
         {"lblYogaMudraLeo", "lblBhujangaasaanaLeo", "lblNaukaasanaaLeo", "lblSavaasanaaLeo"},
         {"Yoga Mudra", "Bhujangasana", "Naukasana", "Savasana"}},
        {"Virgo",
         {"lblSarvaangaasanaaVirgo", "lblHaalaasanaaVirgo", "lblDhanuraasanaaVirgo",
          "lblBhujangaasanaaVirgo", "lblSavaasanaaVirgo"},
         {"Sarvangasana", "Halasana", "Dhanurasana", "Bhujangasana", "Savasana"}},
        {"Libra",
         {"lblSarvaangaasanaaLibra", "lblPadmaasanaaLibra", "lblYogaMudraLibra", "lblSavaasanaaLibra"},
         {"Sarvangasana", "Padmasana", "Yoga Mudra", "Savasana"}},
        {"Scorpio",
         {"lblSarvaangaasanaaScorpio", "lblBhujangaasanaaScorpio", "lblMayuraasanaaScorpio",
          "lblDhanuraasanaaScorpio", "lblSavaasanaaScorpio"},
         {"Sarvangasana", "Bhujangasana", "Mayurasana", "Dhanurasana", "Savasana"}},
        {"Sagittarius",
         {"lblSarvaangaasanaaSagittarius", "lblVajraasanaaSagittarius", "lblMayuraasanaaSagittarius",
          "lblBhujangaasanaaSagittarius", "lblSavaasanaaSagittarius"},
         {"Sarvangasana", "Vajrasana", "Mayurasana", "Bhujangasana", "Savasana"}},
        {"Capricorn",
         {"lblSarvaangaasanaaCapricorn", "lblDhanuraasanaaCapricorn", "lblPaschimottaasanaaCapricorn",
          "lblBhujangaasanaaCapricorn", "lblSimhaasanaaCapricorn", "lblPadmaasanaaCapricorn",
          "lblSavaasanaaCapricorn"},
         {"Sarvangasana", "Dhanurasana", "Paschimottasana", "Bhujangasana", "Simhasana", "Padmasana",
          "Savasana"}},
        {"Aquarius",
         {"lblSarvaangaasanaaAquarius", "lblDhanuraasanaaAquarius", "lblPaschimottaasanaaAquarius",
          "lblBhujangaasanaaAquarius", "lblPadmaasanaaAquarius", "lblSavaasanaaAquarius"},
         {"Sarvangasana", "Dhanurasana", "Paschimottasana", "Bhujangasana", "Padmasana", "Savasana"}},
        {"Pisces",
         {"lblSarvaangaasanaaPisces", "lblMakaraasanaaPisces", "lblBhujangaasanaaPisces",
          "lblGarudaasanaaPisces", "lblMayuraasanaaPisces", "lblYogaMudraaPisces", "lblSavaasanaaPisces"},
         {"Sarvangasana", "Makarasana", "Bhujangasana", "Garudasana", "Mayurasana", "Yoga Mudra",
          "Savasana"}},
    };
    return groups;
}

QString englishNameOf(const QString &title)
{
    static const QHash<QString, QString> names = {
        {"Sarvangasana", "Shoulder Stand Pose"}, {"Makarasana", "Crocodile Pose"},
        {"Savasana", "Corpse Pose"},             {"Halasana", "Plough Posture"},
        {"Padmasana", "Lotus Pose"},             {"Dhanurasana", "Bow Pose"},
        {"Bhujangasana", "Half- Cobra Pose"},    {"Paschimottasana", "Forward Bend Pose"},
        {"Yoga Mudra", "Scaling Pose"},          {"Naukasana", "Boat Pose"},
        {"Mayurasana", "Feathered Peacock Pose"}, {"Vajrasana", "Thunderbolt Pose"},
        {"Simhasana", "Lion Pose"},              {"Garudasana", "Eagle Pose"},
    };
    return names.value(title);
}

int recordOf(const QString &title)
{
    for (int r = 0; r < 14; ++r)
        if (title == QLatin1String(ZodiacContent::kAsanas[r].title))
            return r;
    return -1;
}

QString lf(const char *text) { return QString::fromLatin1(text).replace(QLatin1String("\r\n"), QLatin1String("\n")); }

// The text a label or text box of the window shows.
QString shown(QWidget *window, const QString &name)
{
    if (auto *label = window->findChild<QLabel *>(name))
        return label->text();
    if (auto *box = window->findChild<QPlainTextEdit *>(name))
        return box->toPlainText();
    return QStringLiteral("<no field %1>").arg(name);
}

// Every field of the three pages with the value it must show for a sign.
QList<QPair<QString, QString>> expectedFields(const QString &sign)
{
    const ZodiacContent::SignProfile *p = SignProfileOf(sign);
    const ZodiacContent::ConstitutionProfile *c = ConstitutionProfileOf(QString::fromLatin1(p->element));
    const auto t = [](const char *value) { return lf(value); };
    return {
        {"lblSunSign", sign},
        {"lblSunSignElement", t(p->element)},
        {"lblSunSignNumber", t(p->luckyNumber)},
        {"lblSunSignColor", t(p->luckyColour)},
        {"lblSunSignDay", t(p->luckyDay)},
        {"lblSunSignCompatibility", t(p->compatibility)},
        {"lblSunSignBirthStone", t(p->birthstone)},
        {"lblSunSignQuality", t(p->quality)},
        {"lblSunSignFamousPersonBorn", t(p->famousPersonalities)},
        {"txtSunSignPositiveTraits", t(p->positiveTraits)},
        {"txtSunSignNegativeTraits", t(p->negativeTraits)},
        {"lblSunSignYourSunSign", sign},
        {"lblBodyPartBySunSign", t(p->bodyPartsRuled)},
        {"txtHealthProblems", t(p->healthProblems)},
        {"txtRequiredDiet", t(p->requiredDiet)},
        {"txtDiettoAvoid", t(p->dietToAvoid)},
        {"txtDietAdvice", t(p->dietAdvice)},
        {"lblConstitutionType", t(p->element)},
        {"lblConstitutionTypeDesc", t(c->description)},
        {"lblConstitutionTypeExcess", t(p->element)},
        {"txtConstitutionTypeExcessDesc", t(c->excessDescription)},
        {"lblExcessItemToBeTaken", t(c->excessItemsToTake)},
        {"lblExcessItemToAvoid", t(c->excessItemsToAvoid)},
        {"lblExcessRemedy", t(c->excessRemedy)},
        {"lblConstitutionTypeLow", t(p->element)},
        {"txtConstitutionTypeLowDesc", t(c->lowDescription)},
        {"lblLowItemToBeTaken", t(c->lowItemsToTake)},
        {"lblLowItemToAvoid", t(c->lowItemsToAvoid)},
        {"lblLowRemedy", t(c->lowRemedy)},
        {"lblAthletic", t(p->athletic)},
        {"lblMotivated", t(p->motivation)},
        {"lblEndurance", t(p->endurance)},
        {"lblFlexibility", t(p->flexibility)},
        {"lblRoutine", t(p->routine)},
        {"lblTeamWork", t(p->teamWork)},
        {"lblFocus", t(p->focus)},
        {"lblvariety", t(p->variety)},
        {"txtSunSignDesc", t(p->fitnessAdvice)},
    };
}

// True when nothing hides the widget inside its window except that its tab page is not the current one.
bool shownSomewhereInWindow(QWidget *widget)
{
    for (QWidget *w = widget; w && !w->isWindow(); w = w->parentWidget())
        if (w->isHidden() && !qobject_cast<QStackedWidget *>(w->parentWidget()))
            return false;
    return true;
}

// All texts the window can show: labels, text boxes and group captions.
QStringList visibleTexts(QWidget *window)
{
    QStringList texts;
    for (QLabel *label : window->findChildren<QLabel *>())
        if (shownSomewhereInWindow(label))
            texts << label->text();
    for (QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>())
        if (shownSomewhereInWindow(box))
            texts << box->toPlainText();
    for (QGroupBox *box : window->findChildren<QGroupBox *>())
        if (shownSomewhereInWindow(box))
            texts << box->title();
    return texts;
}

void moveMouse(QWidget *widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void mouseEvent(QWidget *widget, QEvent::Type type)
{
    const QPoint pos(widget->width() / 2, widget->height() / 2);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QList<QLabel *> labelsInLayoutOrder(QWidget *group)
{
    QList<QLabel *> labels;
    QLayout *layout = group->layout();
    for (int i = 0; layout && i < layout->count(); ++i)
        if (auto *label = qobject_cast<QLabel *>(layout->itemAt(i)->widget()))
            labels << label;
    return labels;
}

// Stands in for the main window: records what the module windows ask of it.
class FakeHost : public ModuleHost {
public:
    FakeHost() { SetCurrent(this); }
    ~FakeHost() override { SetCurrent(nullptr); }
    void ShowModuleWindow(QWidget *window) override
    {
        calls << QStringLiteral("show ") + window->objectName();
        window->show();
    }
    void ShowStartPanel(bool resetHeight) override
    {
        calls << (resetHeight ? QStringLiteral("panel, height reset") : QStringLiteral("panel"));
        panelVisible = true;
    }
    void HideStartPanel() override
    {
        calls << QStringLiteral("hide panel");
        panelVisible = false;
    }
    void TrackModuleWindow(QWidget *window) override { calls << QStringLiteral("track ") + window->objectName(); }

    QStringList calls;
    bool panelVisible = true;
};

} // namespace

class TestZodiacDisplay : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowPagesAndControls();
    void signGroups_data();
    void signGroups();
    void allLabelNamesAreUnique();
    void profileFields_data();
    void profileFields();
    void laterSignLeavesNothingOfEarlier();
    void asanaClick_data();
    void asanaClick();
    void hoverUnderline();
    void clipboardGuard_data();
    void clipboardGuard();
    void luckyColourHeadingOpensCoBrandPage();
    void backToMainPage_data();
    void backToMainPage();
    void startPanelFollowsTheWindows();
    void exitLeavesEntryHidden_data();
    void exitLeavesEntryHidden();

private:
    frmZodiacYogaDisplay *readSign(const QString &sign);
    std::unique_ptr<TestSupport::Sandbox> sandbox_;
};

void TestZodiacDisplay::init()
{
    sandbox_ = std::make_unique<TestSupport::Sandbox>();
    CurrentReading() = ZodiacReading{};
}

void TestZodiacDisplay::cleanup()
{
    CloseAll();
    sandbox_.reset();
}

frmZodiacYogaDisplay *TestZodiacDisplay::readSign(const QString &sign)
{
    for (const BirthDate &date : kDates) {
        if (sign == QLatin1String(date.sign)) {
            auto *entry = new frmZodiacYogaMain;
            entry->show();
            frmZodiacYogaDisplay *display =
                Read(entry, QStringLiteral("TESTER"), date.day, date.month, QStringLiteral("1984"));
            if (display && !QTest::qWaitForWindowExposed(display))
                return nullptr;
            return display;
        }
    }
    return nullptr;
}

void TestZodiacDisplay::windowPagesAndControls()
{
    frmZodiacYogaDisplay *display = readSign(QStringLiteral("Aries"));
    QVERIFY(display);
    QCOMPARE(display->objectName(), QStringLiteral("frmZodiacYogaDisplay"));
    QCOMPARE(display->windowTitle(), QStringLiteral("Vessa Zodiac Yoga "));

    auto *pages = display->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    QVERIFY(pages);
    QCOMPARE(pages->count(), 3);
    QCOMPARE(pages->tabText(0), QStringLiteral("Sun Sign Characteristics"));
    QCOMPARE(pages->tabText(1), QStringLiteral("Health Ailments"));
    QCOMPARE(pages->tabText(2), QStringLiteral("Yoga Asanas"));
    QCOMPARE(pages->currentIndex(), 0);
    auto *inner = display->findChild<QTabWidget *>(QStringLiteral("ssTab"));
    QVERIFY(inner);
    QCOMPARE(inner->count(), 2);
    QCOMPARE(inner->tabText(0), QStringLiteral("Sun Sign and Diet"));
    QCOMPARE(inner->tabText(1), QStringLiteral("Sun Sign and Fitness"));
    QCOMPARE(inner->currentIndex(), 0);

    for (const auto &[name, caption] : QList<QPair<const char *, QString>>{
             {"cmdPrint", "&Print"}, {"cmdExit", "&Exit"}, {"cmdBack", "&Back To Main Page"}}) {
        auto *button = display->findChild<QPushButton *>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QCOMPARE(button->text(), caption);
    }
    for (const auto &[name, caption] : QList<QPair<const char *, QString>>{
             {"mnuPrint", "&Print"}, {"mnuFileBack", "&Back To Main Page"}, {"mnuExit", "E&xit"}}) {
        auto *action = display->findChild<QAction *>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        QCOMPARE(action->text(), caption);
    }
    auto *help = display->findChild<QMenu *>(QStringLiteral("mnuHelp"));
    QVERIFY(help);
    QCOMPARE(help->title(), QStringLiteral("&Help"));
    auto *back = display->findChild<QPushButton *>(QStringLiteral("cmdYogaBack"));
    QVERIFY(back);
    QCOMPARE(back->text(), QStringLiteral("&Back"));
    QCOMPARE(display->findChild<QLabel *>(QStringLiteral("Label19"))->text(), QStringLiteral("Lucky Color"));
    QCOMPARE(display->findChild<QLabel *>(QStringLiteral("Label37"))->text(),
             QStringLiteral("Click on Asana to know its Procedure and Benefits"));
    const char *intro[4] = {"Label33", "Label34", "Label35", "Label36"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(shown(display, QString::fromLatin1(intro[i])),
                 QString::fromLatin1(ZodiacContent::kAsanaIntroduction[i]));

    // The detail panel starts hidden; every text box is a read-only, vertically scrolling box.
    QVERIFY(display->findChild<QWidget *>(QStringLiteral("fraYogaProcedure"))->isHidden());
    const QList<QPlainTextEdit *> boxes = display->findChildren<QPlainTextEdit *>();
    QCOMPARE(boxes.size(), 13);
    for (QPlainTextEdit *box : boxes) {
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
        QVERIFY2(box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff, qPrintable(box->objectName()));
    }
    for (const SignGroup &group : allGroups()) {
        auto *box = display->findChild<QGroupBox *>(QStringLiteral("fra") + QLatin1String(group.sign));
        QVERIFY2(box, group.sign);
        QCOMPARE(box->title(), QStringLiteral("Recommended Yoga Asanas For ") + QLatin1String(group.sign));
    }
}

void TestZodiacDisplay::signGroups_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("captions");
    for (const SignGroup &group : allGroups()) {
        QStringList captions = group.titles;
        if (QLatin1String(group.sign) == QLatin1String("Pisces"))
            captions[1] = QStringLiteral("Makarasana "); // shown with a trailing blank
        QTest::addRow("%s", group.sign) << group.sign << group.labels << captions;
    }
}

// Each reading shows its sign's group, and only that group, with the labels
// named and captioned in the table's order, top to bottom.
void TestZodiacDisplay::signGroups()
{
    QFETCH(QString, sign);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, captions);
    frmZodiacYogaDisplay *display = readSign(sign);
    QVERIFY(display);
    display->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
    QApplication::processEvents();

    auto *group = display->findChild<QGroupBox *>(QStringLiteral("fra") + sign);
    QVERIFY(group);
    QVERIFY(group->isVisible());
    for (const SignGroup &other : allGroups())
        if (sign != QLatin1String(other.sign))
            QVERIFY2(!display->findChild<QGroupBox *>(QStringLiteral("fra") + QLatin1String(other.sign))->isVisible(),
                     other.sign);

    const QList<QLabel *> inGroup = labelsInLayoutOrder(group);
    QStringList names, texts;
    int lastY = -1;
    for (QLabel *label : inGroup) {
        names << label->objectName();
        texts << label->text();
        QVERIFY2(label->geometry().y() > lastY, qPrintable(label->objectName()));
        lastY = label->geometry().y();
        QVERIFY(label->isVisible());
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(names, labels);
    QCOMPARE(texts, captions);
    QCOMPARE(group->findChildren<QLabel *>().size(), labels.size());
}

void TestZodiacDisplay::allLabelNamesAreUnique()
{
    frmZodiacYogaDisplay *display = readSign(QStringLiteral("Gemini"));
    QVERIFY(display);
    QStringList all;
    for (const SignGroup &group : allGroups())
        all += group.labels;
    QCOMPARE(all.size(), 59);
    QCOMPARE(QSet<QString>(all.cbegin(), all.cend()).size(), 59);
    for (const QString &name : all)
        QCOMPARE(display->findChildren<QLabel *>(name).size(), 1);
}

void TestZodiacDisplay::profileFields_data()
{
    QTest::addColumn<QString>("sign");
    for (const BirthDate &date : kDates)
        QTest::addRow("%s", date.sign) << date.sign;
}

// Every field of the three pages shows the sign's profile and its element's constitution texts.
void TestZodiacDisplay::profileFields()
{
    QFETCH(QString, sign);
    frmZodiacYogaDisplay *display = readSign(sign);
    QVERIFY(display);
    for (const auto &[name, value] : expectedFields(sign)) {
        QVERIFY2(!value.isEmpty(), qPrintable(name));
        QCOMPARE(shown(display, name), value);
        QCOMPARE(display->FieldText(name), value);
    }
    auto *picture = display->findChild<QLabel *>(QStringLiteral("picSunSign"));
    QVERIFY(picture);
    QVERIFY2(!picture->pixmap().isNull(), "the sign picture is missing");
    const QImage expected = QIcon(SunSigns::PicturePath(SunSigns::NumberOf(sign)))
                                .pixmap(picture->pixmap().deviceIndependentSize().toSize())
                                .toImage();
    QCOMPARE(picture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             expected.convertToFormat(QImage::Format_ARGB32));
}

// A Pisces reading after an Aries one, in a new window and when the same
// window is filled again, shows nothing of Aries.
void TestZodiacDisplay::laterSignLeavesNothingOfEarlier()
{
    QStringList ariesOnly;
    {
        const auto aries = expectedFields(QStringLiteral("Aries"));
        const auto pisces = expectedFields(QStringLiteral("Pisces"));
        for (int i = 0; i < aries.size(); ++i)
            if (aries.at(i).second != pisces.at(i).second)
                ariesOnly << aries.at(i).second;
        ariesOnly << QStringLiteral("Recommended Yoga Asanas For Aries");
    }
    QVERIFY(ariesOnly.size() > 30);

    frmZodiacYogaDisplay *aries = readSign(QStringLiteral("Aries"));
    QVERIFY(aries);
    frmZodiacYogaMain *entry = aries->Entry();
    // The check below can see Aries values: the Aries window shows them.
    const QStringList ariesTexts = visibleTexts(aries);
    int seen = 0;
    for (const QString &text : ariesOnly)
        seen += ariesTexts.contains(text) ? 1 : 0;
    QCOMPARE(seen, ariesOnly.size());

    // The same window filled again.
    CurrentReading().sign = QStringLiteral("Pisces");
    aries->FillSignProfile(QStringLiteral("Pisces"));
    aries->FillConstitutionType();
    for (const auto &[name, value] : expectedFields(QStringLiteral("Pisces")))
        QCOMPARE(shown(aries, name), value);
    for (const QString &text : visibleTexts(aries))
        QVERIFY2(!ariesOnly.contains(text), qPrintable(text));

    // A new reading from the entry window.
    aries->cmdBack_Click();
    frmZodiacYogaDisplay *pisces = Read(entry, QStringLiteral("TESTER"), "12", "March", "1984");
    QVERIFY(pisces);
    for (const auto &[name, value] : expectedFields(QStringLiteral("Pisces")))
        QCOMPARE(shown(pisces, name), value);
    for (const QString &text : visibleTexts(pisces))
        QVERIFY2(!ariesOnly.contains(text), qPrintable(text));
}

void TestZodiacDisplay::asanaClick_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("title");
    for (const SignGroup &group : allGroups())
        for (int i = 0; i < group.labels.size(); ++i)
            QTest::addRow("%s", qPrintable(group.labels.at(i))) << group.sign << group.labels.at(i)
                                                                << group.titles.at(i);
}

// Clicking an asana opens its detail panel in place of the group; "&Back" returns.
void TestZodiacDisplay::asanaClick()
{
    QFETCH(QString, sign);
    QFETCH(QString, label);
    QFETCH(QString, title);
    frmZodiacYogaDisplay *display = readSign(sign);
    QVERIFY(display);
    display->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
    QApplication::processEvents();
    auto *group = display->findChild<QGroupBox *>(QStringLiteral("fra") + sign);
    auto *panel = display->findChild<QWidget *>(QStringLiteral("fraYogaProcedure"));
    auto *asana = display->findChild<QLabel *>(label);
    QVERIFY(group && panel && asana);
    QVERIFY(asana->isVisible());

    QTest::mouseClick(asana, Qt::LeftButton);
    QVERIFY(panel->isVisible());
    QVERIFY(!group->isVisible());
    QVERIFY(!asana->isVisible());

    const int record = recordOf(title);
    QVERIFY(record >= 0);
    const ZodiacContent::AsanaText &text = ZodiacContent::kAsanas[record].text;
    QCOMPARE(shown(display, QStringLiteral("lblAsanaName")), title);
    QCOMPARE(shown(display, QStringLiteral("lblEnglishName")), englishNameOf(title));
    QCOMPARE(shown(display, QStringLiteral("txtYogaDefination")), lf(text.definition));
    QCOMPARE(shown(display, QStringLiteral("txtProcedure")), lf(text.procedure));
    QCOMPARE(shown(display, QStringLiteral("txtBenefits")), lf(text.benefits));
    QCOMPARE(shown(display, QStringLiteral("txtContradiction")), lf(text.contraindications));

    auto *picture = display->findChild<QLabel *>(QStringLiteral("picYoga"));
    QVERIFY(picture && picture->isVisible());
    QVERIFY2(!picture->pixmap().isNull(), qPrintable(Yogasana::PicturePath(record) + QStringLiteral(" is not shown")));
    const QImage expected = QIcon(Yogasana::PicturePath(record))
                                .pixmap(picture->pixmap().deviceIndependentSize().toSize())
                                .toImage();
    QCOMPARE(picture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             expected.convertToFormat(QImage::Format_ARGB32));

    QTest::mouseClick(display->findChild<QPushButton *>(QStringLiteral("cmdYogaBack")), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QVERIFY(group->isVisible());
    QVERIFY(asana->isVisible());
}

void TestZodiacDisplay::hoverUnderline()
{
    frmZodiacYogaDisplay *display = readSign(QStringLiteral("Capricorn"));
    QVERIFY(display);
    display->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
    QApplication::processEvents();
    auto *group = display->findChild<QGroupBox *>(QStringLiteral("fraCapricorn"));
    QVERIFY(group);
    const QList<QLabel *> labels = labelsInLayoutOrder(group);
    QCOMPARE(labels.size(), 7);
    QLabel *simha = display->findChild<QLabel *>(QStringLiteral("lblSimhaasanaaCapricorn"));
    QVERIFY(simha);
    const QColor colour = simha->palette().color(simha->foregroundRole());
    const QString style = simha->styleSheet();

    const auto underlined = [&] {
        QStringList names;
        for (QLabel *label : labels)
            if (label->font().underline())
                names << label->objectName();
        return names;
    };
    QCOMPARE(underlined(), QStringList());

    moveMouse(simha, simha->rect().center());
    QCOMPARE(underlined(), QStringList({"lblSimhaasanaaCapricorn"}));
    QCOMPARE(simha->palette().color(simha->foregroundRole()), colour);
    QCOMPARE(simha->styleSheet(), style);

    // The group's background, below the last label.
    const QPoint background(4, group->height() - 4);
    QVERIFY(!group->childAt(background));
    moveMouse(group, background);
    QCOMPARE(underlined(), QStringList());

    // The page's background clears the underline too.
    moveMouse(labels.first(), QPoint(2, 2));
    moveMouse(labels.last(), QPoint(2, 2));
    QCOMPARE(underlined(), QStringList({"lblSarvaangaasanaaCapricorn", "lblSavaasanaaCapricorn"}));
    auto *page = display->findChild<QWidget *>(QStringLiteral("fraSelectYoga"));
    QVERIFY(page);
    moveMouse(page, QPoint(1, 1));
    QCOMPARE(underlined(), QStringList());

    // The same through the window system, as a real pointer moves.
    QTest::mouseMove(simha);
    QTRY_COMPARE(underlined(), QStringList({"lblSimhaasanaaCapricorn"}));
    QTest::mouseMove(group, background);
    QTRY_COMPARE(underlined(), QStringList());
}

void TestZodiacDisplay::clipboardGuard_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("guarded");
    for (const char *name : {"txtYogaDefination", "txtProcedure", "txtBenefits", "txtContradiction",
                             "txtHealthProblems", "txtRequiredDiet", "txtDiettoAvoid", "txtDietAdvice",
                             "txtConstitutionTypeExcessDesc", "txtConstitutionTypeLowDesc", "txtSunSignDesc"})
        QTest::addRow("%s", name) << name << true;
    QTest::addRow("txtSunSignPositiveTraits") << "txtSunSignPositiveTraits" << false;
    QTest::addRow("txtSunSignNegativeTraits") << "txtSunSignNegativeTraits" << false;
}

// Moving over, pressing, releasing or changing a guarded box empties the
// clipboard; the two trait boxes leave it alone and can be copied from.
void TestZodiacDisplay::clipboardGuard()
{
    QFETCH(QString, box);
    QFETCH(bool, guarded);
    frmZodiacYogaDisplay *display = readSign(QStringLiteral("Aries"));
    QVERIFY(display);
    auto *edit = display->findChild<QPlainTextEdit *>(box);
    QVERIFY(edit);
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QString copied = QStringLiteral("copied elsewhere");

    const QList<QPair<const char *, std::function<void()>>> actions = {
        {"mouse move", [&] { mouseEvent(edit->viewport(), QEvent::MouseMove); }},
        {"button press", [&] { mouseEvent(edit->viewport(), QEvent::MouseButtonPress); }},
        {"button release", [&] { mouseEvent(edit->viewport(), QEvent::MouseButtonRelease); }},
        {"text change", [&] { edit->setPlainText(edit->toPlainText() + QStringLiteral(" ")); }},
    };
    for (const auto &[what, action] : actions) {
        clipboard->setText(copied);
        QCOMPARE(clipboard->text(), copied);
        action();
        QVERIFY2(clipboard->text() == (guarded ? QString() : copied), what);
    }

    // Copying out of the box.
    edit->selectAll();
    edit->copy();
    QCOMPARE(clipboard->text(), edit->toPlainText());
    mouseEvent(edit->viewport(), QEvent::MouseButtonRelease);
    QCOMPARE(clipboard->text(), guarded ? QString() : edit->toPlainText());
}

void TestZodiacDisplay::luckyColourHeadingOpensCoBrandPage()
{
    frmZodiacYogaDisplay *display = readSign(QStringLiteral("Aries"));
    QVERIFY(display);
    auto *heading = display->findChild<QLabel *>(QStringLiteral("Label19"));
    QVERIFY(heading && heading->isVisible());
    QCOMPARE(heading->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(heading, Qt::LeftButton);
    QCOMPARE(sandbox_->openedPages, QList<QUrl>({WebAddressToUrl(PublisherPages::CoBrandPage())}));
}

void TestZodiacDisplay::backToMainPage_data()
{
    QTest::addColumn<bool>("menu");
    QTest::addRow("button") << false;
    QTest::addRow("menu") << true;
}

void TestZodiacDisplay::backToMainPage()
{
    QFETCH(bool, menu);
    frmZodiacYogaDisplay *display = readSign(QStringLiteral("Virgo"));
    QVERIFY(display);
    QPointer<frmZodiacYogaMain> entry = display->Entry();
    QVERIFY(entry && entry->isHidden());
    if (menu)
        display->findChild<QAction *>(QStringLiteral("mnuFileBack"))->trigger();
    else
        QTest::mouseClick(display->findChild<QPushButton *>(QStringLiteral("cmdBack")), Qt::LeftButton);
    QCOMPARE(LiveDisplays(), 0);
    QVERIFY(entry && entry->isVisible());
    QCOMPARE(NameBox(entry)->text(), QStringLiteral("TESTER"));
    QCOMPARE(List(entry, "cboDate")->currentText(), QStringLiteral("30"));
    QCOMPARE(List(entry, "cboMonth")->currentText(), QStringLiteral("August"));
    QCOMPARE(List(entry, "cboYear")->currentText(), QStringLiteral("1984"));

    // A new reading gives a fresh window on its first page with every group hidden but its own.
    QVERIFY(entry->cmdNext_Click());
    display = VisibleDisplay();
    QVERIFY(display);
    QCOMPARE(display->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex(), 0);
    QVERIFY(display->findChild<QWidget *>(QStringLiteral("fraYogaProcedure"))->isHidden());
    QCOMPARE(shown(display, QStringLiteral("lblSunSign")), QStringLiteral("Virgo"));
}

// Inside the main window: the reading hides the start panel, going back keeps
// it hidden, and closing either window shows it again with its height reset.
void TestZodiacDisplay::startPanelFollowsTheWindows()
{
    FakeHost host;
    host.HideStartPanel(); // the shell hid it when it opened the module
    auto *entry = new frmZodiacYogaMain;
    entry->show();
    host.calls.clear();

    frmZodiacYogaDisplay *display = Read(entry, QStringLiteral("HOSTED"), "21", "March", "1980");
    QVERIFY(display);
    QCOMPARE(host.calls, QStringList({"show frmZodiacYogaDisplay", "hide panel"}));
    QVERIFY(!host.panelVisible);

    host.calls.clear();
    QTimer::singleShot(0, display, [] {
        if (auto *report = qobject_cast<frmZodiacYogaSave *>(QApplication::activeModalWidget()))
            report->close();
    });
    display->cmdPrint_Click();
    QCOMPARE(host.calls, QStringList({"track frmZodiacYogaSave"}));

    host.calls.clear();
    display->cmdBack_Click();
    QVERIFY(!host.panelVisible);
    QVERIFY(entry->isVisible());
    QCOMPARE(host.calls.last(), QStringLiteral("hide panel"));

    host.calls.clear();
    display = Read(entry, QStringLiteral("HOSTED"), "21", "March", "1980");
    QVERIFY(display);
    QTest::mouseClick(display->findChild<QPushButton *>(QStringLiteral("cmdExit")), Qt::LeftButton);
    QVERIFY(host.panelVisible);
    QCOMPARE(host.calls.last(), QStringLiteral("panel, height reset"));
    QVERIFY(entry->isHidden());

    host.calls.clear();
    host.HideStartPanel();
    entry->close();
    QVERIFY(host.panelVisible);
    QCOMPARE(host.calls.last(), QStringLiteral("panel, height reset"));
}

void TestZodiacDisplay::exitLeavesEntryHidden_data()
{
    QTest::addColumn<bool>("menu");
    QTest::addRow("button") << false;
    QTest::addRow("menu") << true;
}

void TestZodiacDisplay::exitLeavesEntryHidden()
{
    QFETCH(bool, menu);
    frmZodiacYogaDisplay *display = readSign(QStringLiteral("Libra"));
    QVERIFY(display);
    QPointer<frmZodiacYogaMain> entry = display->Entry();
    if (menu)
        display->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    else
        QTest::mouseClick(display->findChild<QPushButton *>(QStringLiteral("cmdExit")), Qt::LeftButton);
    QCOMPARE(LiveDisplays(), 0);
    QVERIFY(entry);
    QVERIFY(entry->isHidden());
}

QTEST_MAIN(TestZodiacDisplay)
#include "tst_zodiac_display.moc"
