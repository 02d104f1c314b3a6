// The one error type of file loading: a Japanese message that names the file, its path and the
// problem. Loaders throw it; the program shows it once and exits non-zero.
#pragma once
#include <QString>
#include <stdexcept>

class LoadError : public std::runtime_error {
public:
    LoadError(QString message);
    // "<what> 「<path>」: <problem>" — the shape every loading message takes.
    static LoadError forFile(const QString& what, const QString& path, const QString& problem);
    const QString& message() const { return message_; }

private:
    QString message_;
};
