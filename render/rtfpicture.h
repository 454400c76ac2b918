#pragma once
// Pictures of RTF \pict groups: PNG and JPEG blips, device-independent
// bitmaps (\dibitmap), device-dependent bitmaps (\wbitmap) and the bitmap
// inside a Windows metafile (\wmetafile), which is how WordPad stores pasted
// pictures. Vector drawing in metafiles is not rendered.

#include <QByteArray>
#include <QImage>

namespace dotsign {

enum class RtfPictureKind { Unknown, Png, Jpeg, Dib, Ddb, Wmf, Emf };

struct RtfPicture
{
    RtfPictureKind kind = RtfPictureKind::Unknown;
    QByteArray data; // the picture's bytes (hex already decoded)
    int picw = 0, pich = 0;
    int goalWidth = 0, goalHeight = 0; // twips
    int scaleX = 100, scaleY = 100;    // percent
    int ddbBitsPerPixel = 1, ddbWidthBytes = 0;
};

// Decodes a picture, charging its pixel area to `pixelBudget`; null when the
// data is unreadable or the picture would be larger than the budget allows.
QImage decodeRtfPicture(const RtfPicture& picture, qint64* pixelBudget);

// Decodes ordinary picture file bytes (PNG, JPEG, GIF, BMP), refusing
// pictures larger than kMaxPictureSide either way or than the budget.
QImage decodePictureBytes(const QByteArray& bytes, qint64* pixelBudget);

// The display size of a picture in pixels, from its goal size and scaling.
QSize rtfPictureDisplaySize(const RtfPicture& picture, const QSize& natural);

} // namespace dotsign
