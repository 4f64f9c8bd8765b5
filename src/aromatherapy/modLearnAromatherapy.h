#pragma once

#include <QString>

// The oil catalogue of Learn Aromatherapy, read straight from the constant
// tables in content/. Nothing has to be loaded before use.
//
// Oils are numbered 0 to 51. Every accessor answers any number: an oil or a
// slot outside the table (oil 52, magical slot 3, a property slot the oil
// does not fill) reads as empty text, and an empty text means "no entry".

inline constexpr int OilCount = 52;
inline constexpr int MagicalSlots = 3;     // magical properties fill slots 0 to 2
inline constexpr int TherapeuticSlots = 6; // therapeutic properties fill slots 0 to 5
inline constexpr int IrritantCount = 14;
inline constexpr int PlanetCount = 10;
inline constexpr int SignCount = 12;
inline constexpr int ElementCount = 4;

QString OilName(int oil);
QString OilPlanet(int oil);
QString OilSign(int oil);
QString OilElement(int oil);
QString OilGender(int oil); // "Male" or "Female"
QString OilMagical(int oil, int slot);
QString OilTherapeutic(int oil, int slot);

// The oil number at a position of the irritant list (0 to 13), -1 outside it.
int IrritantOils(int position);

// The wrong-answer candidates of the planet, sign and element tests, by list position.
QString PlanetList(int position);
QString SignList(int position);
QString ElementList(int position);
