#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The oil catalogue of Learn Aromatherapy: module-level tables that live for
// the whole run of the program. They are empty until LoadOilCatalogue first
// runs; every run writes the same values, so running it again changes nothing.
// An empty text means "no entry" in every table.

// Number of oil slots: oils 0 to 51 are used, slot 52 stays empty.
inline constexpr int OilSlots = 53;
inline constexpr int OilCount = 52;
inline constexpr int MagicalSlots = 4;     // slots 0 to 2 used
inline constexpr int TherapeuticSlots = 7; // slots 0 to 5 used
inline constexpr int IrritantSlots = 15;   // slots 0 to 13 used
inline constexpr int IrritantCount = 14;

extern std::array<QString, OilSlots> OilName;
extern std::array<QString, OilSlots> OilPlanet;
extern std::array<QString, OilSlots> OilSign;
extern std::array<QString, OilSlots> OilElement;
extern std::array<QString, OilSlots> OilGender;
extern std::array<std::array<QString, MagicalSlots>, OilSlots> OilMagical;
extern std::array<std::array<QString, TherapeuticSlots>, OilSlots> OilTherapeutic;

// Oil numbers of the irritant oils, in browsing order.
extern std::array<std::int16_t, IrritantSlots> IrritantOils;

// The wrong-answer candidates of the planet, sign and element tests.
extern std::array<QString, 11> PlanetList; // 10 used
extern std::array<QString, 13> SignList;   // 12 used
extern std::array<QString, 5> ElementList; // 4 used

void LoadOilCatalogue();
