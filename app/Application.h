#pragma once

class QApplication;

// Font, Russian translations of Qt's own dialogs, icon and the names the settings live under.
void prepareapplication(QApplication& app);
