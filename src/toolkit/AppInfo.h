#pragma once

#include <QString>

// Facts about the running program that every module shares: its title, its
// file name and the screen it is laid out on.
namespace AppInfo {

// The caption of the main window, the About and exit windows and every message box.
QString ApplicationTitle();

// The version, as the build gives it (1.20).
QString Version();

// The program's file name without folder and extension; names the settings store.
QString ApplicationName();

// Width of the primary screen in pixels; window placement is computed from it.
int ScreenWidthPixels();

// Window geometry is specified in twips: 15 twips make one pixel.
constexpr int TwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) { return twips / TwipsPerPixel; }

} // namespace AppInfo
