// loadSettings and its steps, in the order start-up runs them.
#include "startup/settings.h"

#include "sound/soundcues.h"
#include "startup/criteria.h"
#include "startup/identity.h"
#include "text/itemlist.h"
#include "text/loaderror.h"
#include "text/numparse.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kPathFile = QStringLiteral("パスデータ.txt");
const QString kCommonFile = QStringLiteral("共通データ.txt");

QString withSlash(QString folder) {
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

void readPathFile(AppState& state) {
    InstallationState& in = state.installation;
    const QString path = QDir::cleanPath(in.appFolder + QStringLiteral("../") + kPathFile);
    ItemReader items = ItemReader::open(path, kPathFile);
    QString root = items.readText();
    for (int i = 2; i <= 10; ++i)
        items.readText(); // items 2..10 must be there; nothing uses them
    if (root.isEmpty())
        throw LoadError::forFile(kPathFile, path, QStringLiteral("1 番目の項目（ルートフォルダ）が空です"));
    root = toLocalPath(root, kPathFile, path);
    if (!QFileInfo(root).isDir())
        throw LoadError::forFile(kPathFile, path,
                                 QStringLiteral("ルートフォルダ「%1」がありません").arg(root));
    in.rootFolder = withSlash(root);
}

void readCommonSettings(AppState& state) {
    InstallationState& in = state.installation;
    const QString path = in.rootFolder + kCommonFile;
    ItemReader items = ItemReader::open(path, kCommonFile);
    in.schoolYearStartMonth = items.readValue();
    QString title = items.readText();
    in.commonItem3 = items.readValue();
    in.commonItem4 = items.readValue();
    items.readText();
    in.dataChangePassword = items.readValue();
    for (int i = 7; i <= 10; ++i)
        items.readText();
    splitSiteTitle(title, &in.siteCode, &in.siteTitle);
}

} // namespace

QString toLocalPath(const QString& written, const QString& fileName, const QString& filePath) {
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (drive.match(written).hasMatch())
        throw LoadError::forFile(
            fileName, filePath,
            QStringLiteral("「%1」はドライブ名のついたパスです。このシステムにはドライブがないので、"
                           "フォルダを / で始まるパスで書いてください")
                .arg(written));
    QString local = written;
    local.replace(u'\\', u'/');
    return local;
}

void splitSiteTitle(const QString& item, QString* siteCode, QString* siteTitle) {
    QString code = item.left(5);
    if (leadingNumber(code) != 0.0) {
        *siteCode = code;
        *siteTitle = item.mid(5);
    } else {
        siteCode->clear();
        *siteTitle = item;
    }
}

void loadSettings(AppState& state, const QString& programFolder) {
    InstallationState& in = state.installation;
    in.appFolder = withSlash(QDir::cleanPath(QDir(programFolder).absolutePath()));
    readPathFile(state);
    readCommonSettings(state);
    QString folder = in.appFolder;
    folder.chop(1);
    in.programFolderName = folder.mid(folder.lastIndexOf(u'/') + 1);
    in.dataFolder = in.rootFolder + in.programFolderName + u'/';
    in.soundFolder = in.rootFolder + QStringLiteral("音フォルダ/");
    setProgramIdentity(state.program);
    readCriteriaTable(state.program, in.dataFolder);
    checkOfferedLevels(state.program, in.dataFolder);
    loadSoundCues(state.sound, in.soundFolder);
}
