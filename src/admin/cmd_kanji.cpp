// suudokuan-admin kanji: prints the kanji reading of whole numbers, one a line.
#include "admin/command.h"
#include "drill/kanji.h"

#include <QRegularExpression>

namespace {

int kanji(const QStringList& args, AdminIo& io) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    for (const QString& a : args) {
        if (!digits.match(a).hasMatch()) {
            io.err << "suudokuan-admin kanji: 「" << a << "」は数字だけの整数ではありません\n";
            return 2;
        }
    }
    for (const QString& a : args)
        io.out << renderKanjiDigits(a) << "\n";
    return 0;
}

AdminCommand reg("kanji", "kanji N ...", kanji);

} // namespace
