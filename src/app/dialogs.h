// Messages to the user as message boxes.
#pragma once
#include "app/services.h"

class MessageBoxes : public UserMessages {
public:
    void information(const QString& title, const QString& text) override;
    void error(const QString& title, const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    void keepResponsive() override;
};
