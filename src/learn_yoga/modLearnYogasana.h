#pragma once

#include "modLessonPages.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The asana catalogue of Learn Yoga and its two indexes (body parts and
// therapeutic applications), with the detail page of an asana.
namespace LearnYoga {

constexpr int YogasanaCount = 32;

// One asana, numbered 0 to 31 in catalogue order.
struct YogasanaRecord {
    QString AsanaName;           // the key the record is found by
    QString AsanaEnglishName;
    QString AsanaDescription;    // one paragraph
    QString AsanaProcedure;      // numbered steps separated by CR LF
    QString AsanaBenefits;       // numbered items or one paragraph
    QString AsanaContradictions; // numbered items, one paragraph, or empty (no section)
};

using YogasanaCatalogue = std::array<YogasanaRecord, YogasanaCount>;

// Fills the 32 records from the shared asana catalogue.
void LoadYogasanaCatalogue(YogasanaCatalogue &records);

// The 32 names in catalogue order, read without filling the records.
QStringList YogasanaNames();

// The first record (0 to 31) whose name equals the text exactly, or -1.
int FindYogasana(const YogasanaCatalogue &records, const QString &name);

// Resource path of the picture of a record (picture number record + 1).
QString YogasanaPicturePath(int record);

// The list entries, in list order: 36 body parts, 31 applications.
QStringList BodyPartNames();
QStringList ApplicationNames();

// The catalogue numbers listed for a body part or an application (exact,
// case-sensitive match, first entry in list order); empty for a text that
// is in no entry.
std::vector<int> AsanasForBodyPart(const QString &bodyPart);
std::vector<int> AsanasForApplication(const QString &application);

// The names of those records, in the stored order.
QStringList AsanaNames(const YogasanaCatalogue &records, const std::vector<int> &numbers);

// The detail page of a record, written after the view has been emptied:
// name as title, then description, English name, procedure, benefits and,
// when there are any, the contradictions.
PageScript YogasanaPage(const YogasanaRecord &record);

} // namespace LearnYoga
