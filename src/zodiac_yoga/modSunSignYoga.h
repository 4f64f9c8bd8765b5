#pragma once

#include "ZodiacContent.h"

#include <QString>
#include <QStringList>

// Sun signs, birth-date checks and the current reading.

// The twelve signs in their fixed order; the number is the index of the sign's
// picture and the order of every per-sign table.
enum class SunSign { Aries = 1, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius,
                     Capricorn, Aquarius, Pisces };

namespace SunSigns {
// "Aries" ... "Pisces".
QString Name(SunSign sign);
// The sign with that exact name, or 0 when there is none.
int NumberOf(const QString &name);
// Resource path of the sign's picture (1 to 12).
QString PicturePath(int number);
} // namespace SunSigns

// "January" ... "December".
const QStringList &MonthNames();

// A reading: the birth data it was made from and the sign found.
struct ZodiacReading {
    QString name;
    qint16 day = 0;
    QString month;
    qint16 year = 0;
    QString sign; // empty until the first reading
};

// The outcome of the birth-data checks, in the order they run.
enum class BirthDataProblem { None, EmptyName, February, ThirtyDayMonth };
// name: the name box text exactly; day 1 to 31; month as its name.
BirthDataProblem CheckBirthData(const QString &name, int day, const QString &month);
// The message shown for a problem (empty for None).
QString BirthDataMessage(BirthDataProblem problem);

// The sign for a month (by name) and day; the year plays no part. A day up to
// and including the month's cusp day gives the earlier sign.
QString FindSunSign(const QString &month, int day);

// The profile of a sign and of an element, by name; nullptr when unknown.
const ZodiacContent::SignProfile *SignProfileOf(const QString &sign);
const ZodiacContent::ConstitutionProfile *ConstitutionProfileOf(const QString &element);
