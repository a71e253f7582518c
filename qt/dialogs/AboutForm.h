#pragma once

#include "Form.h"

// "О программе": name, icon, version and how to reach us.
class AboutForm : public Form {
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent);
};
