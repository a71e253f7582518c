#pragma once

class QApplication;

// Before QApplication: on GNOME under Wayland, unless the player chose a platform, the game runs
// through XWayland, where GNOME draws its frames.
void chooseplatform(int argc, const char* const* argv);

// Before anything else: keeps what Qt says about a session without a runtime folder off the
// console. Real problems still show.
void quietmessages();

// Font, Russian translations of Qt's own dialogs, icon and the names the settings live under.
void prepareapplication(QApplication& app);
