// Code page 932 through Qt's ICU converter "windows-31j", which carries the NEC and IBM
// extensions (①, Ⅰ), ～ as U+FF5E and half-width kana, as Windows writes them.
#include "text/cp932.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace cp932 {

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder("windows-31j");
    return decoder.decode(bytes);
}

QByteArray encode(const QString& text) {
    QStringEncoder encoder("windows-31j");
    return encoder.encode(text);
}

std::optional<QString> readFile(const QString& path, QString* errorText) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = file.exists() ? QStringLiteral("ファイルを開けません（%1）").arg(file.errorString())
                                       : QStringLiteral("ファイルがありません");
        return std::nullopt;
    }
    return decode(file.readAll());
}

bool writeFile(const QString& path, const QString& text, QString* errorText) {
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(QChar('\n'), QStringLiteral("\r\n"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encode(crlf)) < 0 || !file.commit()) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    return true;
}

QByteArray fixedField(const QString& text, int width) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QByteArray piece = encode(text.mid(i, len));
        if (out.size() + piece.size() > width)
            break;
        out += piece;
        i += len - 1;
    }
    out.append(width - out.size(), ' ');
    return out;
}

} // namespace cp932
