#pragma once
// A small GIF89a encoder for recordings of the virtual sign: a handful of
// palette colours per frame, LZW-compressed, looping forever. The first
// frame's palette is the global one; a frame with other colours (the
// brightness changed) carries its own.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

class QIODevice;

namespace dotsign {

struct GifFrame
{
    QImage image;    // Format_Indexed8 with at most 256 colours
    int delayCs = 5; // hundredths of a second
};

// Writes a GIF frame by frame, so that a long recording never sits in
// memory as a whole. The first frame fixes the size and the global palette.
class GifStream
{
public:
    explicit GifStream(QIODevice* out) : m_out(out) {}
    bool add(const GifFrame& frame);
    // Writes the trailer; false when any write failed or no frame was added.
    bool finish();

private:
    bool write(const QByteArray& bytes);

    QIODevice* m_out;
    QSize m_size;
    QVector<QRgb> m_global;
    int m_globalBits = 1;
    bool m_ok = true;
};

// All frames must have the size of the first; frames that are not indexed
// are converted. Empty input gives an empty array.
QByteArray encodeGif(const std::vector<GifFrame>& frames);

// Writes `frames` to `path`; returns an empty string or the reason it failed.
QString writeGif(const QString& path, const std::vector<GifFrame>& frames);

} // namespace dotsign
