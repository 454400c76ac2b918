#include "project/projectfolder.h"

#include "project/zonefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace dotsign {

namespace {

// A folder counts as writable when a file can really be created in it (the
// permission bits alone say nothing about read-only mounts).
bool canCreateFilesIn(const QString& dir)
{
    if (!QFileInfo(dir).isDir())
        return false;
    QTemporaryFile probe(dir + QStringLiteral("/.dotsign-probe-XXXXXX"));
    return probe.open();
}

Status copySample(const QString& sampleDir, const QString& projectDir)
{
    QDirIterator it(sampleDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(sampleDir).relativeFilePath(source);
        const QString target = projectDir + relative;
        QDir().mkpath(QFileInfo(target).path());
        if (QFileInfo::exists(target))
            continue;
        if (!QFile::copy(source, target))
            return Status::failure(QCoreApplication::translate("FileAccess", "无法复制示例项目文件 %1。")
                                       .arg(QDir::toNativeSeparators(target)));
        // Files copied out of resources are read-only.
        QFile::setPermissions(target,
                              QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    }
    return Status::success();
}

} // namespace

QString chooseProjectRoot(const QString& exeDir, const QString& dataDir)
{
    // An installed copy never writes beside its executable, not even as root.
    const QString clean = QDir::cleanPath(exeDir);
    if (clean.startsWith(QLatin1String("/usr/")) || clean.startsWith(QLatin1String("/opt/")))
        return dataDir;
    const QString beside = exeDir + QStringLiteral("/Project");
    if (QFileInfo(beside).isDir() ? canCreateFilesIn(beside) : canCreateFilesIn(exeDir))
        return exeDir;
    return dataDir;
}

Status prepareProjectFolder(ProjectState& state, const QString& root, const QString& sampleDir)
{
    const QString dir = QDir::cleanPath(root) + QStringLiteral("/Project/");
    state.projectDir = dir;
    state.projectFileName = QStringLiteral("Project.kvp");
    state.projectFilePath = dir + state.projectFileName;
    state.defaultProjectFilePath = state.projectFilePath;
    if (!QDir().mkpath(dir))
        return Status::failure(QCoreApplication::translate("FileAccess", "无法创建项目文件夹 %1。")
                                   .arg(QDir::toNativeSeparators(dir)));
    if (!QFileInfo::exists(state.projectFilePath) && !sampleDir.isEmpty() && QFileInfo(sampleDir).isDir()) {
        if (Status copied = copySample(sampleDir, dir); !copied)
            return copied;
    }
    return ensureExtFileFolder(state);
}

} // namespace dotsign
