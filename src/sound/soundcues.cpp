// Reading of the cue list.
#include "sound/soundcues.h"

#include "text/itemlist.h"
#include "text/numparse.h"

const QString kCueListFileName = QStringLiteral("新音ファイル.txt");

const std::array<QString, kCueColumns>& cueNames() {
    static const std::array<QString, kCueColumns> names{
        QString(),
        QStringLiteral("正解音1"),
        QStringLiteral("正解音2"),
        QStringLiteral("間違い音1"),
        QStringLiteral("間違い音2"),
        QStringLiteral("最高音1"),
        QStringLiteral("最高音2"),
        QStringLiteral("自己最高音1"),
        QStringLiteral("自己最高音2"),
        QStringLiteral("自己最高音3"),
        QStringLiteral("不合格音1")};
    return names;
}

void loadSoundCues(SoundState& sound, const QString& soundFolder) {
    for (int c = 1; c < kCueColumns; ++c)
        sound.soundCueTable[c][0] = cueNames()[c];
    ItemReader items = ItemReader::open(soundFolder + kCueListFileName, kCueListFileName);
    while (!items.atEnd()) {
        const QString x = items.readText();
        for (int c = 1; c < kCueColumns; ++c) {
            if (x != cueNames()[c])
                continue;
            // A block ends with "*"; more than 20 names stop after the 20th without a count.
            for (int r = 1; r <= 20 && !items.atEnd(); ++r) {
                QString name = items.readText();
                if (name == QStringLiteral("*")) {
                    sound.soundCueTable[c][21] = QString::number(r - 1);
                    break;
                }
                sound.soundCueTable[c][r] = name;
            }
        }
    }
}

int cueFileCount(const SoundState& sound, int column) {
    return static_cast<int>(leadingNumber(sound.soundCueTable[column][21]));
}
