#pragma once

// Registers the six study modules with the shell's module table, in button
// order. Runs once, before the main window is built.
void RegisterSuiteModules();
