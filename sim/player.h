#pragma once
// The virtual sign: plays a card's stored content the way the card does, on
// a time base the caller drives (tick / frameAt), so that a test, a GIF and
// the window all see the same frames for the same milliseconds.
//
// How the card's bytes are read (the full account is docs/virtual-sign.md):
// - programs play in order; a program plays while its zones run through
//   their pages once (the longest zone decides), or for playMode seconds;
//   a timed program plays only on its dates, weekdays and time slots;
// - a zone shows its pages one after another, each entering by the zone's
//   effect, one LED per step of 10 ms x speed level, then standing for its
//   pause in seconds; pause 255 stands for good;
// - "播放前清场" blanks the zone before its first page enters; otherwise the
//   page enters over what the previous program left there;
// - a clock zone enters once and then stands, its digits redrawn live;
// - brightness, the power timer, power, pause and the flowing border act on
//   the whole sign.

#include "sim/effects.h"
#include "sim/playerindex.h"
#include "sim/signcontent.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace dotsign {

// A page that stands "for good" still ends the program after this long when
// other programs wait to play.
constexpr qint64 kFixedPageMs = 10000;
constexpr qint64 kForever = INT64_MAX;

struct ZoneStatus
{
    int slot = 0;
    int page = 0; // 1-based; 0 when the zone has nothing to show
    int pages = 0;
    int effectCode = 0; // as stored
    int effect = 0;     // as played ("随机" resolved)
    bool entering = false;
    bool clock = false;
};

struct PlayerStatus
{
    int program = 0; // 1-based; 0 when nothing plays
    int programs = 0;
    std::vector<ZoneStatus> zones;
    bool lit = true;
    bool paused = false;
    int brightness = 200; // the level in force, 1 .. 200
    QDateTime clock;

    // The zone the status line talks about: the one entering, else the first text zone.
    const ZoneStatus* mainZone() const;
    // "节目1/2  分区1  第2/3页  从右向左移动" style line for the window.
    QString line() const;
};

class Player
{
public:
    // `clockAtStart` is the card's clock at millisecond 0.
    Player(SignContent content, QDateTime clockAtStart);

    const SignContent& content() const { return m_content; }
    // What could not be read (a program whose index is damaged, short data).
    const QStringList& problems() const { return m_problems; }

    // Starts again from millisecond 0, with the content's power/pause flags.
    void reset();
    void setClockAtStart(const QDateTime& clock);
    QDateTime clockAtStart() const { return m_clockStart; }

    void tick(qint64 ms);
    // The sign at `ms` after the start (earlier times replay from the start).
    LedImage frameAt(qint64 ms);
    LedImage frame() const;
    qint64 elapsedMs() const { return m_wallMs; }
    QDateTime clock() const { return m_clockStart.addMSecs(m_wallMs); }

    // Pause and power as the pause and power frames set them.
    void setPaused(bool paused) { m_paused = paused; }
    bool isPaused() const { return m_paused; }
    void setPowerOn(bool on) { m_powerOn = on; }
    // Lit: powered, and the power timer (if any) is in its on period.
    bool isLit() const;
    int brightnessLevel() const;

    // Milliseconds until the next page starts to enter or stands complete,
    // or the program changes; at least 1.
    qint64 msToNextEvent() const;
    // Plays on to the next event, paused or not (the window's step button).
    void step();
    PlayerStatus status() const;

    // The plane frames of program `k` (0-based), as the data bytes hold them.
    const std::vector<LedImage>& programFrames(int k) const;

private:
    struct Prepared
    {
        bool valid = false;
        ProgramIndex index;
        std::vector<LedImage> frames;
    };
    struct ZoneRun
    {
        IndexZone zone;
        std::vector<LedImage> pages;
        bool clock = false;
        qint64 stepMs = 10;
        int entryNo = 0;
        int page = 0;
        int effect = kEffectFlip;
        int steps = 0;
        LedImage before;
        qint64 entryStart = 0;
        qint64 entryEnd = 0;
        qint64 holdEnd = kForever;
    };
    void prepare();
    void advanceAnimation(qint64 target);
    bool startNextProgram(qint64 at);
    void startProgram(int k, qint64 at);
    void startEntry(ZoneRun& run, qint64 at, LedImage before) const;
    void advanceZone(ZoneRun& run, qint64 t) const;
    qint64 programLength() const;
    qint64 passLength(const ZoneRun& run) const;
    bool programStandsStill() const;
    LedImage composeZone(const ZoneRun& run, qint64 t, const QDateTime& now) const;
    LedImage compose(qint64 t, const QDateTime& now) const;
    void drawBorder(LedImage& image) const;
    uint32_t seedFor(const ZoneRun& run) const;
    QDateTime clockAtAnimation(qint64 t) const;

    SignContent m_content;
    QDateTime m_clockStart;
    QStringList m_problems;
    std::vector<Prepared> m_programs;

    qint64 m_wallMs = 0;
    qint64 m_animMs = 0;
    qint64 m_chunkWall = 0; // wall and animation time when the current chunk began
    qint64 m_chunkAnim = 0;
    bool m_paused = false;
    bool m_powerOn = true;

    int m_current = -1;
    int m_runs = 0;
    qint64 m_programStart = 0;
    qint64 m_programEnd = 0;
    qint64 m_idleUntil = 0;
    std::vector<ZoneRun> m_zones;
    LedImage m_screen; // the last picture of the previous program
};

} // namespace dotsign
