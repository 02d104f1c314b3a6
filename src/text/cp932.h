// Text files of the Japanese code page 932 (Windows-31J) with CR LF line ends, and the
// conversions of single texts to and from that code page.
#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace cp932 {

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

// Whole file as text; nullopt when it cannot be opened. errorText receives the reason.
std::optional<QString> readFile(const QString& path, QString* errorText = nullptr);

// Writes text (with "\n" line ends turned into CR LF) to a new file beside the target, flushes
// it and renames it over the target, so a failed write never leaves half a file.
bool writeFile(const QString& path, const QString& text, QString* errorText = nullptr);

// Left-aligned, blank-padded, exactly `width` bytes, never splitting a double-byte character.
QByteArray fixedField(const QString& text, int width);

} // namespace cp932
