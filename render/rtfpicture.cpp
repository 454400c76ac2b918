#include "render/rtfpicture.h"

#include "render/richdocument.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace dotsign {

namespace {

constexpr int kTwipsPerPixel = 15; // 1440 twips per inch at 96 dots per inch

quint32 le32(const QByteArray& data, qsizetype at)
{
    if (at < 0 || at + 4 > data.size())
        return 0;
    return qFromLittleEndian<quint32>(data.constData() + at);
}

quint16 le16(const QByteArray& data, qsizetype at)
{
    if (at < 0 || at + 2 > data.size())
        return 0;
    return qFromLittleEndian<quint16>(data.constData() + at);
}

bool chargeBudget(qint64 width, qint64 height, qint64* pixelBudget)
{
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide)
        return false;
    const qint64 area = width * height;
    if (area > *pixelBudget)
        return false;
    *pixelBudget -= area;
    return true;
}

// A packed DIB (header, palette, bits) becomes a BMP file by putting the
// 14-byte file header in front of it.
QImage decodeDib(const QByteArray& dib, qint64* pixelBudget)
{
    const quint32 headerSize = le32(dib, 0);
    qint64 width = 0, height = 0, colours = 0;
    int bitCount = 0;
    if (headerSize == 12) {
        width = le16(dib, 4);
        height = static_cast<qint16>(le16(dib, 6));
        bitCount = le16(dib, 10);
        colours = bitCount <= 8 ? (qint64(1) << bitCount) * 3 : 0;
    } else if (headerSize >= 40 && headerSize <= 124) {
        width = static_cast<qint32>(le32(dib, 4));
        height = static_cast<qint32>(le32(dib, 8));
        bitCount = le16(dib, 14);
        const quint32 used = le32(dib, 32);
        const quint32 compression = le32(dib, 16);
        if (used > 0 && used <= 256)
            colours = qint64(used) * 4;
        else if (bitCount <= 8)
            colours = (qint64(1) << bitCount) * 4;
        if (compression == 3 && headerSize == 40)
            colours += 12; // the three colour masks
    } else {
        return QImage();
    }
    if (bitCount > 32 || !chargeBudget(width, std::abs(height), pixelBudget))
        return QImage();
    QByteArray bmp(14, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    qToLittleEndian<quint32>(static_cast<quint32>(14 + dib.size()), bmp.data() + 2);
    qToLittleEndian<quint32>(static_cast<quint32>(14 + headerSize + colours), bmp.data() + 10);
    bmp += dib;
    return QImage::fromData(bmp, "BMP");
}

// A device-dependent bitmap: rows of `widthBytes`, top row first.
QImage decodeDdb(const RtfPicture& picture, qint64* pixelBudget)
{
    const int bits = picture.ddbBitsPerPixel;
    const int width = picture.picw;
    const int height = picture.pich;
    const qint64 stride =
        picture.ddbWidthBytes > 0 ? picture.ddbWidthBytes : (qint64(width) * bits + 15) / 16 * 2;
    if ((bits != 1 && bits != 24 && bits != 32) || stride * height > picture.data.size() ||
        stride * 8 < qint64(width) * bits || !chargeBudget(width, height, pixelBudget))
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    const auto* bytes = reinterpret_cast<const uchar*>(picture.data.constData());
    for (int y = 0; y < height; ++y) {
        const uchar* row = bytes + stride * y;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bits == 1) {
                out[x] = (row[x / 8] >> (7 - x % 8)) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            } else {
                const uchar* p = row + x * (bits / 8);
                out[x] = qRgb(p[2], p[1], p[0]);
            }
        }
    }
    return image;
}

// The first bitmap a Windows metafile draws (StretchDIB, DIBStretchBlt or
// DIBBitBlt with its bitmap); the rest of the drawing is not rendered.
QImage decodeWmf(const QByteArray& wmf, qint64* pixelBudget)
{
    qsizetype pos = le32(wmf, 0) == 0x9AC6CDD7u ? 22 : 0; // placeable header
    pos += qsizetype(le16(wmf, pos + 2)) * 2;             // standard header, size in words
    while (pos + 6 <= wmf.size()) {
        const qint64 words = le32(wmf, pos);
        const quint16 function = le16(wmf, pos + 4);
        if (words < 3 || function == 0 || words * 2 > wmf.size() - pos)
            break;
        qsizetype fixed = -1;
        if (function == 0x0F43)
            fixed = 22; // StretchDIB
        else if (function == 0x0B41)
            fixed = 20; // DIBStretchBlt
        else if (function == 0x0940)
            fixed = 16; // DIBBitBlt
        const qsizetype dibStart = pos + 6 + fixed;
        if (fixed >= 0 && dibStart + 40 <= pos + words * 2) {
            const QImage image = decodeDib(wmf.mid(dibStart, pos + words * 2 - dibStart), pixelBudget);
            if (!image.isNull())
                return image;
        }
        pos += words * 2;
    }
    return QImage();
}

} // namespace

QImage decodePictureBytes(const QByteArray& bytes, qint64* pixelBudget)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || !chargeBudget(size.width(), size.height(), pixelBudget))
        return QImage();
    return reader.read();
}

QImage decodeRtfPicture(const RtfPicture& picture, qint64* pixelBudget)
{
    switch (picture.kind) {
    case RtfPictureKind::Png:
    case RtfPictureKind::Jpeg:
    case RtfPictureKind::Unknown:
        return decodePictureBytes(picture.data, pixelBudget);
    case RtfPictureKind::Dib:
        return decodeDib(picture.data, pixelBudget);
    case RtfPictureKind::Ddb:
        return decodeDdb(picture, pixelBudget);
    case RtfPictureKind::Wmf:
        return decodeWmf(picture.data, pixelBudget);
    case RtfPictureKind::Emf:
        break;
    }
    return QImage();
}

QSize rtfPictureDisplaySize(const RtfPicture& picture, const QSize& natural)
{
    auto side = [](int goal, int naturalSide, int scale) {
        const double base = goal > 0 ? goal / double(kTwipsPerPixel) : naturalSide;
        const double scaled = base * (scale > 0 ? scale : 100) / 100.0;
        return static_cast<int>(std::clamp(std::lround(scaled), 1L, long(kMaxPictureSide)));
    };
    return QSize(side(picture.goalWidth, natural.width(), picture.scaleX),
                 side(picture.goalHeight, natural.height(), picture.scaleY));
}

} // namespace dotsign
