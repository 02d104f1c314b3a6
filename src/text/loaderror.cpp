// Loading errors with the program's own Japanese messages.
#include "text/loaderror.h"

LoadError::LoadError(QString message)
    : std::runtime_error(message.toStdString()), message_(std::move(message)) {}

LoadError LoadError::forFile(const QString& what, const QString& path, const QString& problem) {
    return LoadError(QStringLiteral("「%1」を読めません。\nファイル: %2\n理由: %3").arg(what, path, problem));
}
