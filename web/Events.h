#pragma once

class MainPage;

// The page's events go to this main window.
void listen(MainPage& page);
