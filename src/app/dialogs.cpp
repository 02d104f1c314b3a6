// Message boxes for the program's messages.
#include "app/dialogs.h"

#include <QCoreApplication>
#include <QMessageBox>

void MessageBoxes::information(const QString& title, const QString& text) {
    QMessageBox::information(nullptr, title, text);
}

void MessageBoxes::error(const QString& title, const QString& text) {
    QMessageBox::critical(nullptr, title, text);
}

bool MessageBoxes::confirm(const QString& title, const QString& text) {
    return QMessageBox::question(nullptr, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void MessageBoxes::keepResponsive() { QCoreApplication::processEvents(); }
