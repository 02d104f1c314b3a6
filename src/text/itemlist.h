// The item-list format of the settings files: items separated by commas or line breaks, double
// quotes around items that hold commas, blanks around unquoted items ignored. Reading past the
// last item is an error that names the file.
#pragma once
#include "text/value.h"

#include <QString>
#include <QStringList>

class ItemReader {
public:
    // `what` names the file in messages (e.g. "共通データ"); `path` is where it was read from.
    ItemReader(QString text, QString what, QString path);
    // Reads a code page 932 file; a missing or unreadable file throws LoadError.
    static ItemReader open(const QString& path, const QString& what);

    // True when only blanks and line breaks remain.
    bool atEnd() const;
    QString readText();
    double readNumber();
    Value readValue();
    int itemsRead() const { return itemsRead_; }
    // 1-based line of the next item.
    int line() const { return line_; }
    const QString& path() const { return path_; }
    const QString& what() const { return what_; }

private:
    QString text_, what_, path_;
    qsizetype pos_ = 0;
    int itemsRead_ = 0;
    int line_ = 1;
    void consumeDelimiter();
};

// Writes one line of items: texts holding a comma or a quote-free leading/trailing blank are
// quoted, everything else is written as it stands.
QString joinItems(const QStringList& items);
