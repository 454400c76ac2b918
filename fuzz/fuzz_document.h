#pragma once
// The body shared by the document fuzz targets: whatever a file holds,
// reading must never crash, hang or exhaust memory, and what was read must
// write, read back, lay out and paint.
#include "render/richdocument.h"

#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <memory>

// Fontconfig keeps the patterns of every font a document names for the rest
// of the run; the leak checker would report those caches, not our code.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

inline int fuzzDocument(const uint8_t* data, size_t size,
                        dotsign::Status (dotsign::RichDocument::*load)(const QByteArray&))
{
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_document";
        static char* argv[] = {name, nullptr};
        static const auto app = std::make_unique<QGuiApplication>(argc, argv);
    }
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    dotsign::RichDocument doc;
    doc.setEditorWidth(64 + dotsign::kEditorScrollBarWidth);
    (doc.*load)(input);
    const QImage image = doc.render(std::min(doc.documentWidth(), 256), std::min(doc.documentHeight(), 256));
    dotsign::RichDocument again;
    again.loadRtf(doc.saveRtf());
    again.loadNative(doc.saveNative());
    return 0;
}
