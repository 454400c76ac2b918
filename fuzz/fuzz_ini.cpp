// The INI reader and the project loader on arbitrary bytes: whatever a damaged
// or hostile project file holds, loading ends with a result, never a crash.
#include "project/inifile.h"
#include "project/projectfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Project.kvp"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    dotsign::IniFile ini(path);
    ini.readString(QStringLiteral("显示屏参数"), QStringLiteral("当前节目数"), QString());
    ini.writeString(QStringLiteral("节目1"), QStringLiteral("节目名"), QStringLiteral("x"));
    (void)ini.toBytes();

    dotsign::ProjectState state;
    state.setProjectFile(path);
    QStringList warnings;
    (void)dotsign::LoadProject(state, path, &warnings);
    return 0;
}
