// The commands of suudokuan-admin. Each command lives in a file of its own and registers itself
// with a static AdminCommand object.
#pragma once
#include <QStringList>
#include <QTextStream>
#include <functional>

struct AdminIo {
    QTextStream& out;
    QTextStream& err;
};

// Runs a command on its arguments (the words after the command name); returns the exit status.
using AdminHandler = std::function<int(const QStringList& args, AdminIo& io)>;

struct AdminCommand {
    AdminCommand(const char* name, const char* usage, AdminHandler handler);
};

struct RegisteredCommand {
    QString name;
    QString usage;
    AdminHandler handler;
};
QList<RegisteredCommand>& adminCommands();
