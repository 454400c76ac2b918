#pragma once
// The USB-disk export: everything the serial download would send, for every
// program of the screen, written into "zorva/zorva.kv" on a removable disk
// that the operator then plugs into the sign.
//
// The file has no line breaks. Records follow each other directly, each as
// upper-case hexadecimal text (two digits a byte) except the end marker of a
// program, which is 530 raw bytes (0xFC and 0x97) that a reader recognises by
// their not being hexadecimal digits:
//   header (4 bytes: address, program count, border 0x30/0x31, 0x30 + USB mode)
//   screen settings (47 bytes, only when the screen's USB mode is set)
//   per program: index (252) · data blocks (530 each, address always 0x01) · end marker
//
// The file is written to a temporary file beside it and renamed over
// "zorva.kv" only when complete, so a failed export never leaves a half file
// that the sign would load.

#include "link/linkstate.h"
#include "link/transdata.h"
#include "project/projectstate.h"
#include "project/status.h"
#include "render/ledplanes.h"

#include <QByteArray>
#include <QString>

namespace dotsign {

constexpr int kEndMarkerLength = 530;

// "<volume>/zorva/zorva.kv".
QString usbExportPath(const QString& volumeRoot);

// The records (as they appear in the file).
QByteArray hexRecord(const QByteArray& bytes);
QByteArray usbHeader(FrameBuffer& buffer, const TprojectProp& screen, int targetIndex, bool flowingBorder);
QByteArray usbScreenSettings(FrameBuffer& buffer, const TprojectProp& screen, const HardwareSettings& hw);
QByteArray usbEndMarker(int program, int lastBlock);

// Writes the export of every program to `filePath` (its folder is created
// when missing). The operator's message on failure is "数据没有导入成功。",
// followed by the system's reason on a second line.
Status transdata_usb(ProjectState& state, LedPlanes& planes, LinkState& link, const QString& filePath,
                     bool flowingBorder, const DownloadObserver& observer);

} // namespace dotsign
