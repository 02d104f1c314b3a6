// Reader and writer of the item-list text format.
#include "text/itemlist.h"

#include "text/cp932.h"
#include "text/loaderror.h"
#include "text/numparse.h"

Value Value::fromItem(const QString& item) {
    if (isNumeric(item))
        return Value{true, leadingNumber(item), {}};
    return Value{false, 0.0, item};
}

double Value::toNumber() const { return isNumber ? number : leadingNumber(text); }

QString Value::toText() const { return isNumber ? shortestDecimal(number) : text; }

ItemReader::ItemReader(QString text, QString what, QString path)
    : text_(std::move(text)), what_(std::move(what)), path_(std::move(path)) {
    if (text_.startsWith(QChar(0xFEFF)))
        text_.remove(0, 1);
}

ItemReader ItemReader::open(const QString& path, const QString& what) {
    QString why;
    auto text = cp932::readFile(path, &why);
    if (!text)
        throw LoadError::forFile(what, path, why);
    return ItemReader(*text, what, path);
}

bool ItemReader::atEnd() const {
    for (qsizetype i = pos_; i < text_.size(); ++i) {
        QChar c = text_[i];
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n' && c != QChar(0x1A))
            return false;
    }
    return true;
}

void ItemReader::consumeDelimiter() {
    if (pos_ >= text_.size())
        return;
    QChar c = text_[pos_];
    if (c == u',') {
        ++pos_;
    } else if (c == u'\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'\n')
            ++pos_;
        ++line_;
    } else if (c == u'\n') {
        ++pos_;
        ++line_;
    }
}

QString ItemReader::readText() {
    if (pos_ >= text_.size())
        throw LoadError::forFile(
            what_, path_,
            QStringLiteral("項目が足りません（%1 行目、%2 番目の項目がありません）")
                .arg(line_)
                .arg(itemsRead_ + 1));
    auto isBreak = [](QChar c) { return c == u'\r' || c == u'\n'; };
    while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t'))
        ++pos_;
    QString item;
    if (pos_ < text_.size() && text_[pos_] == u'"') {
        qsizetype close = text_.indexOf(u'"', pos_ + 1);
        if (close < 0)
            close = text_.size();
        item = text_.mid(pos_ + 1, close - pos_ - 1);
        line_ += item.count(u'\n');
        pos_ = close + 1;
        // Whatever stands between the closing quote and the delimiter is not part of the item.
        while (pos_ < text_.size() && text_[pos_] != u',' && !isBreak(text_[pos_]))
            ++pos_;
    } else {
        qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !isBreak(text_[pos_]))
            ++pos_;
        item = text_.mid(start, pos_ - start);
        while (!item.isEmpty() && (item.back() == u' ' || item.back() == u'\t'))
            item.chop(1);
    }
    consumeDelimiter();
    ++itemsRead_;
    return item;
}

double ItemReader::readNumber() { return leadingNumber(readText()); }

Value ItemReader::readValue() { return Value::fromItem(readText()); }

QString joinItems(const QStringList& items) {
    QStringList out;
    for (const QString& item : items) {
        bool quote = item.contains(u',') || item.startsWith(u' ') || item.endsWith(u' ');
        out << (quote ? u'"' + item + u'"' : item);
    }
    return out.join(u',');
}
