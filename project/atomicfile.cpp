#include "project/atomicfile.h"

#include <QDir>
#include <QSaveFile>

namespace dotsign {

Status writeFileAtomically(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    // Without this, QSaveFile falls back to writing in place when the folder
    // refuses new files, which is exactly the half-written file we avoid.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(
            QStringLiteral("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Status::failure(
            QStringLiteral("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), reason));
    }
    if (!file.commit())
        return Status::failure(
            QStringLiteral("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return Status::success();
}

} // namespace dotsign
