// suudokuan-admin: the command-line companion for the people who install and support the
// program. Dispatches to the registered commands.
#include "admin/command.h"

#include <QCoreApplication>
#include <cstdio>

QList<RegisteredCommand>& adminCommands() {
    static QList<RegisteredCommand> commands;
    return commands;
}

AdminCommand::AdminCommand(const char* name, const char* usage, AdminHandler handler) {
    adminCommands().append({QString::fromUtf8(name), QString::fromUtf8(usage), std::move(handler)});
}

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    AdminIo io{out, err};
    QStringList args = QCoreApplication::arguments().mid(1);
    auto usage = [&] {
        err << "usage:\n";
        for (const auto& c : adminCommands())
            err << "  suudokuan-admin " << c.usage << "\n";
    };
    if (args.isEmpty()) {
        usage();
        return 2;
    }
    const QString name = args.takeFirst();
    for (const auto& c : adminCommands()) {
        if (c.name == name) {
            int status = c.handler(args, io);
            out.flush();
            err.flush();
            return status;
        }
    }
    err << "suudokuan-admin: unknown command " << name << "\n";
    usage();
    return 2;
}
