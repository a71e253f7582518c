#pragma once

#include "ColorChoice.h"
#include "DialogPage.h"

// The colours window: four swatches, each with a button that opens the browser's colour picker.
class ColorPage : public DialogPage {
public:
    explicit ColorPage(Game& game);
    Result clicked(int handle) override;
    void picked(int handle, std::uint32_t color) override;
    void repaint() override;

private:
    ColorChoice choice_;
    int swatches_ = -1;  // the canvas of the background and the four colours
};
