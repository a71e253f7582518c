#pragma once

#include "DialogPage.h"

// The ten best results.
class TopScoresPage : public DialogPage {
public:
    explicit TopScoresPage(const Game& game);
    Result clicked(int handle) override;
};
