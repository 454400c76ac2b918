// Replays fuzz inputs through a fuzz target's LLVMFuzzerTestOneInput without
// libFuzzer, so the saved corpus and every crash ever found run in `make test`.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir dir(QString::fromLocal8Bit(argv[i]));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray data = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(data.constData()),
                                   static_cast<size_t>(data.size()));
            ++count;
        }
    }
    std::printf("replayed %d inputs\n", count);
    return 0;
}
