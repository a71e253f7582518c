#pragma once

#include "DialogPage.h"

// The rules and the about window: a text and "Закрыть".
class TextPage : public DialogPage {
public:
    explicit TextPage(FormId id);
    Result clicked(int handle) override;
};
