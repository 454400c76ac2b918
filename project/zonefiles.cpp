#include "project/zonefiles.h"

#include "project/atomicfile.h"
#include "project/gbk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace dotsign {

QString zoneKey(int screen, int program, int slot)
{
    return QStringLiteral("%1-%2-%3").arg(screen).arg(program - 1).arg(slot);
}

QString projectFolder(const ProjectState& state)
{
    QString dir = QFileInfo(state.projectFilePath).path();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString fileNamePart(const QString& storedPath)
{
    const int cut =
        std::max(storedPath.lastIndexOf(QLatin1Char('\\')), storedPath.lastIndexOf(QLatin1Char('/')));
    QString name = storedPath.mid(cut + 1).trimmed();
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return name;
}

QString resolveZoneFile(const ProjectState& state, const QString& storedPath)
{
    const QString name = fileNamePart(storedPath);
    return name.isEmpty() ? QString() : projectFolder(state) + name;
}

QString zoneTextFilePath(const ProjectState& state, int program, int slot)
{
    return projectFolder(state) + zoneKey(state.currentScreen, program, slot) + QStringLiteral(".txt");
}

QString extFileFolder(const ProjectState& state)
{
    return projectFolder(state) + QStringLiteral("ExtFile/");
}

QString ZoneBitmapPath(const ProjectState& state, int program, int slot)
{
    return extFileFolder(state) + zoneKey(state.currentScreen, program, slot) + QStringLiteral(".bmp");
}

Status ensureExtFileFolder(const ProjectState& state)
{
    const QString dir = extFileFolder(state);
    QFileInfo info(dir.chopped(1));
    if (info.isDir())
        return Status::success();
    if (info.exists())
        return Status::failure(
            QCoreApplication::translate("FileAccess", "无法创建文件夹 %1：同名文件已存在。")
                .arg(QDir::toNativeSeparators(dir)));
    if (!QDir().mkpath(dir))
        return Status::failure(QCoreApplication::translate("FileAccess", "无法创建文件夹 %1。")
                                   .arg(QDir::toNativeSeparators(dir)));
    return Status::success();
}

QString normaliseZoneText(const QString& text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    out.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    if (!out.isEmpty() && !out.endsWith(QLatin1String("\r\n")))
        out += QLatin1String("\r\n");
    return out;
}

QString readZoneTextFile(const QString& path, bool* exists)
{
    QFile file(path);
    const bool ok = !path.isEmpty() && file.open(QIODevice::ReadOnly);
    if (exists)
        *exists = ok;
    if (!ok)
        return QString();
    return normaliseZoneText(fromGbk(file.readAll()));
}

Status writeZoneTextFile(const QString& path, const QString& text)
{
    return writeFileAtomically(path, toGbk(normaliseZoneText(text)));
}

} // namespace dotsign
