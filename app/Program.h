#pragma once

class WindowManager;

// Registers every window class of the program with the manager; windows without a class of their own open as
// their empty frame.
void registerProgramWindows(WindowManager &manager);

// The start-up: the main menu is created, loaded and shown; no other window is.
void startProgram(WindowManager &manager);
