#include "modSunSignYoga.h"

namespace {
const char *const kSignNames[12] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius",
                                    "Pisces"};

// Per month: the sign up to and including the cusp day, the cusp day, the sign after it.
struct Cusp {
    SunSign before;
    int cuspDay;
    SunSign after;
};
const Cusp kCusps[12] = {
    {SunSign::Capricorn, 19, SunSign::Aquarius},  {SunSign::Aquarius, 18, SunSign::Pisces},
    {SunSign::Pisces, 20, SunSign::Aries},        {SunSign::Aries, 20, SunSign::Taurus},
    {SunSign::Taurus, 20, SunSign::Gemini},       {SunSign::Gemini, 20, SunSign::Cancer},
    {SunSign::Cancer, 20, SunSign::Leo},          {SunSign::Leo, 20, SunSign::Virgo},
    {SunSign::Virgo, 20, SunSign::Libra},         {SunSign::Libra, 20, SunSign::Scorpio},
    {SunSign::Scorpio, 20, SunSign::Sagittarius}, {SunSign::Sagittarius, 20, SunSign::Capricorn},
};
} // namespace

namespace SunSigns {

QString Name(SunSign sign) { return QString::fromLatin1(kSignNames[int(sign) - 1]); }

int NumberOf(const QString &name)
{
    for (int i = 0; i < 12; ++i)
        if (name == QLatin1String(kSignNames[i]))
            return i + 1;
    return 0;
}

QString PicturePath(int number)
{
    if (number < 1 || number > 12)
        return QString();
    return QStringLiteral(":/zodiac/signs/%1 %2.svg")
        .arg(number, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(kSignNames[number - 1]));
}

} // namespace SunSigns

const QStringList &MonthNames()
{
    static const QStringList months = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return months;
}

BirthDataProblem CheckBirthData(const QString &name, int day, const QString &month)
{
    // A name of blanks only is no name: it would be stored empty and the saved
    // reading could not be opened again.
    if (name.trimmed().isEmpty())
        return BirthDataProblem::EmptyName;
    if (month == QLatin1String("February") && (day == 30 || day == 31))
        return BirthDataProblem::February;
    static const QStringList thirtyDays = {QStringLiteral("April"), QStringLiteral("June"),
                                           QStringLiteral("September"),
                                           QStringLiteral("November")};
    if (thirtyDays.contains(month) && day == 31)
        return BirthDataProblem::ThirtyDayMonth;
    return BirthDataProblem::None;
}

QString BirthDataMessage(BirthDataProblem problem)
{
    switch (problem) {
    case BirthDataProblem::EmptyName:
        return QStringLiteral("Please Enter Your Name");
    case BirthDataProblem::February:
        return QStringLiteral("Please Enter Correct Date of Birth!");
    case BirthDataProblem::ThirtyDayMonth:
        return QStringLiteral("Please Enter Correct Date of Birth !");
    case BirthDataProblem::None:
        break;
    }
    return QString();
}

QString FindSunSign(const QString &month, int day)
{
    const int index = MonthNames().indexOf(month);
    if (index < 0)
        return QString();
    const Cusp &cusp = kCusps[index];
    return SunSigns::Name(day <= cusp.cuspDay ? cusp.before : cusp.after);
}

const ZodiacContent::SignProfile *SignProfileOf(const QString &sign)
{
    for (const auto &profile : ZodiacContent::kSignProfiles)
        if (sign == QLatin1String(profile.name))
            return &profile;
    return nullptr;
}

const ZodiacContent::ConstitutionProfile *ConstitutionProfileOf(const QString &element)
{
    for (const auto &profile : ZodiacContent::kConstitutionProfiles)
        if (element == QLatin1String(profile.element))
            return &profile;
    return nullptr;
}
