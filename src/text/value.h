// An untyped settings value: a number when its item was numeric, else the text as read.
#pragma once
#include <QString>

struct Value {
    bool isNumber = false;
    double number = 0.0;
    QString text;

    static Value fromItem(const QString& item);
    static Value fromNumber(double n) { return Value{true, n, {}}; }
    // The numeric value: the number, or the leading number of the text (0 when none).
    double toNumber() const;
    // As written back to a file: the number in its shortest decimal form, or the text.
    QString toText() const;
    bool isEmpty() const { return !isNumber && text.isEmpty(); }
};
