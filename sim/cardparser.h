#pragma once
// How the card reads the line: frames have fixed lengths and fixed bytes, and
// nothing else marks where one ends. The parser looks at the start of what it
// has received, decides whether a frame of some known layout is complete
// there, could still become one, or cannot, and in the last case throws away
// one byte and looks again. Bytes thrown away come out as one garbage run.

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace dotsign {

enum class CardFrameKind {
    Garbage,
    Power,
    Pause,
    Border,
    Light,
    Timer,
    ScreenSettings,
    ProgramIndex,
    DataBlock,
    EndOfProgram,
    ReadSettings,
    CommTest,    // "CON" + address
    CommTestAll, // "CONE"
    Discovery,   // "CON" 0x00
    UnitTest     // "Tes" + address, or "Test"
};

const char* cardFrameKindName(CardFrameKind kind);

struct CardFrame
{
    CardFrameKind kind = CardFrameKind::Garbage;
    QByteArray bytes;
    qint64 firstByteUs = 0; // arrival of the first and the last byte
    qint64 lastByteUs = 0;
};

class CardParser
{
public:
    // Feeds received bytes with the time each byte arrived (`times` may be
    // empty: then every byte arrived at `at`). Returns the frames completed,
    // in order, garbage runs among them.
    std::vector<CardFrame> feed(const QByteArray& bytes, qint64 at, const std::vector<qint64>& times = {});
    // Gives up on what is buffered (an incomplete frame after the line went
    // quiet): everything pending comes out as garbage.
    std::vector<CardFrame> flush();

    bool hasPending() const { return !m_buffer.isEmpty() || !m_garbage.bytes.isEmpty(); }

    enum class Match { No, NeedMore, Complete };
    struct Result
    {
        Match match = Match::No;
        CardFrameKind kind = CardFrameKind::Garbage;
        int length = 0;
    };
    // Judges the start of `bytes`.
    static Result matchStart(const QByteArray& bytes);

private:
    void dropByte();
    void takeGarbage(std::vector<CardFrame>& out);

    QByteArray m_buffer;
    std::vector<qint64> m_times;
    CardFrame m_garbage;
};

} // namespace dotsign
