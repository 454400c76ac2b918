#pragma once
// Reads a USB-disk download file (zorva\zorva.kv) back into what a card
// would store from it. The file is records back to back with no separators:
// the header (4 bytes) and, when it says so, the 47-byte screen settings,
// then per program the 252-byte index and its 530-byte data blocks, all as
// upper-case hexadecimal text, each program closed by a 530-byte end marker
// written as raw bytes (0xFC and 0x97, never hexadecimal digits), which is
// how a reader tells the last data block from the marker.
//
// Every byte that breaks this layout is reported with its offset in the
// file; the reader carries on where it still can.

#include "sim/signcontent.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace dotsign {

struct ExportIssue
{
    qint64 offset = 0; // in the file
    QString message;
    bool error = true; // false: a note (something inferred, not broken)
};

struct ExportFile
{
    int address = 0;
    int programCount = 0; // as the header says
    bool border = false;
    int usbDiskMode = 0;
    QByteArray settingsFrame; // empty unless the file carries it
    SignContent content;
    std::vector<ExportIssue> issues;

    bool hasErrors() const;
};

ExportFile decodeExportFile(const QByteArray& file);
// Reads and decodes the file at `path`; nullopt with the reason when it cannot be read.
std::optional<ExportFile> readExportFile(const QString& path, QString* error = nullptr);

} // namespace dotsign
