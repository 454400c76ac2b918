#include "sim/player.h"

#include "sim/clockdigits.h"

#include <algorithm>

#include <QCoreApplication>

namespace dotsign {

namespace {

constexpr qint64 kMsPerStepAndLevel = 10;
constexpr qint64 kIdleRecheckMs = 1000;
constexpr qint64 kBorderStepMs = 50;
constexpr int kBorderDash = 4;
constexpr int kMaxLevel = 200;

int minuteOf(const QDateTime& when)
{
    return when.time().hour() * 60 + when.time().minute();
}

// Whether `minute` lies in [from, to), wrapping over midnight when to < from.
bool inPeriod(int minute, int from, int to)
{
    return from <= to ? (minute >= from && minute < to) : (minute >= from || minute < to);
}

} // namespace

const ZoneStatus* PlayerStatus::mainZone() const
{
    for (const ZoneStatus& z : zones)
        if (z.entering && !z.clock)
            return &z;
    for (const ZoneStatus& z : zones)
        if (!z.clock && z.pages > 0)
            return &z;
    return zones.empty() ? nullptr : &zones.front();
}

QString PlayerStatus::line() const
{
    QString text;
    if (!lit)
        text = QCoreApplication::translate("Player", "关机");
    else if (program == 0)
        text = QCoreApplication::translate("Player", "无节目播放");
    else {
        text = QCoreApplication::translate("Player", "节目%1/%2").arg(program).arg(programs);
        if (const ZoneStatus* z = mainZone()) {
            text += QCoreApplication::translate("Player", "  分区%1  第%2/%3页  %4")
                        .arg(z->slot)
                        .arg(z->page)
                        .arg(z->pages)
                        .arg(effectName(z->effect));
            if (z->effectCode == kEffectRandom)
                text += QCoreApplication::translate("Player", "（随机）");
        }
    }
    if (paused)
        text += QCoreApplication::translate("Player", "  暂停");
    text += QCoreApplication::translate("Player", "  亮度%1  %2")
                .arg(brightness)
                .arg(clock.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    return text;
}

Player::Player(SignContent content, QDateTime clockAtStart)
    : m_content(std::move(content)), m_clockStart(std::move(clockAtStart)), m_paused(m_content.paused),
      m_powerOn(m_content.powerOn)
{
    if (!m_clockStart.isValid())
        m_clockStart = QDateTime(QDate(2026, 1, 1), QTime(0, 0));
    prepare();
    reset();
}

void Player::prepare()
{
    const int w = m_content.screenWidth, h = m_content.screenHeight;
    if (w <= 0 || h <= 0)
        m_problems << QCoreApplication::translate("Player", "显示屏的宽度或高度未知，无法播放。");
    for (int k = 0; k < m_content.programs.size(); ++k) {
        const StoredProgram& stored = m_content.programs.at(k);
        Prepared p;
        const auto index = parseProgramIndex(stored.index, w, h);
        if (!index || w <= 0 || h <= 0) {
            if (!index)
                m_problems
                    << QCoreApplication::translate("Player", "节目%1的索引帧损坏，不播放。").arg(k + 1);
            m_programs.push_back(std::move(p));
            continue;
        }
        p.valid = true;
        p.index = *index;
        const int frames = p.index.frameCount();
        const qint64 need = static_cast<qint64>(frames) * frameByteCount(w, h, m_content.colours);
        if (stored.data.size() < need)
            m_problems << QCoreApplication::translate(
                              "Player", "节目%1的数据只有%2字节，%3帧需要%4字节；缺少的部分显示为暗。")
                              .arg(k + 1)
                              .arg(stored.data.size())
                              .arg(frames)
                              .arg(need);
        // Frames the data does not reach would all be dark: they are not built,
        // so a damaged page count cannot make the player hold hundreds of them.
        const qint64 frameBytes = std::max(1, frameByteCount(w, h, m_content.colours));
        const qint64 reached = (stored.data.size() + frameBytes - 1) / frameBytes;
        p.frames = decodeFrames(stored.data, w, h, m_content.colours,
                                static_cast<int>(std::min<qint64>(frames, reached)));
        m_programs.push_back(std::move(p));
    }
}

const std::vector<LedImage>& Player::programFrames(int k) const
{
    static const std::vector<LedImage> none;
    return k >= 0 && static_cast<size_t>(k) < m_programs.size() ? m_programs[static_cast<size_t>(k)].frames
                                                                : none;
}

void Player::reset()
{
    m_wallMs = m_animMs = m_chunkWall = m_chunkAnim = 0;
    m_current = -1;
    m_runs = 0;
    m_idleUntil = 0;
    m_zones.clear();
    m_screen = LedImage(m_content.screenWidth, m_content.screenHeight);
    if (isLit() && !startNextProgram(0))
        m_idleUntil = kIdleRecheckMs;
}

void Player::setClockAtStart(const QDateTime& clock)
{
    if (clock.isValid())
        m_clockStart = clock;
    reset();
}

void Player::tick(qint64 ms)
{
    // Work in pieces that do not cross a minute of the card's clock, so that
    // the power timer switches at its minute and not somewhere in a long tick.
    while (ms > 0) {
        const qint64 intoMinute = clock().time().msecsSinceStartOfDay() % 60000;
        const qint64 chunk = std::min(ms, 60000 - intoMinute);
        m_chunkWall = m_wallMs;
        m_chunkAnim = m_animMs;
        if (isLit() && !m_paused)
            advanceAnimation(m_animMs + chunk);
        m_wallMs += chunk;
        ms -= chunk;
    }
}

LedImage Player::frameAt(qint64 ms)
{
    if (ms < m_wallMs)
        reset();
    tick(ms - m_wallMs);
    return frame();
}

void Player::step()
{
    const bool paused = m_paused;
    m_paused = false;
    tick(msToNextEvent());
    m_paused = paused;
}

QDateTime Player::clockAtAnimation(qint64 t) const
{
    return m_clockStart.addMSecs(m_chunkWall + (t - m_chunkAnim));
}

void Player::advanceAnimation(qint64 target)
{
    while (m_animMs < target) {
        if (m_current < 0) {
            if (m_animMs >= m_idleUntil && startNextProgram(m_animMs))
                continue;
            m_idleUntil = std::max(m_idleUntil, m_animMs + 1);
            m_animMs = std::min(target, m_idleUntil);
            continue;
        }
        const qint64 until = std::min(target, m_programEnd);
        for (ZoneRun& run : m_zones)
            advanceZone(run, until);
        m_animMs = until;
        if (m_animMs < m_programEnd)
            continue;
        m_screen = compose(m_animMs, clockAtAnimation(m_animMs));
        if (!startNextProgram(m_animMs)) {
            m_current = -1;
            m_zones.clear();
            m_screen = LedImage(m_content.screenWidth, m_content.screenHeight);
            m_idleUntil = m_animMs + kIdleRecheckMs;
        }
    }
}

bool Player::startNextProgram(qint64 at)
{
    const int n = static_cast<int>(m_programs.size());
    const QDateTime now = clockAtAnimation(at);
    for (int i = 1; i <= n; ++i) {
        const int k = (m_current + i + n) % n;
        const Prepared& p = m_programs[static_cast<size_t>(k)];
        if (!p.valid || p.index.usedSlots().empty() || !p.index.playsAt(now))
            continue;
        if (k == m_current && programStandsStill()) {
            // Nothing would move: the card just goes on showing it.
            m_programEnd = at + programLength();
            return true;
        }
        startProgram(k, at);
        return true;
    }
    return false;
}

void Player::startProgram(int k, qint64 at)
{
    const Prepared& p = m_programs[static_cast<size_t>(k)];
    m_current = k;
    ++m_runs;
    m_programStart = at;
    m_zones.clear();
    const int levelOffset = m_content.cardClass == 'A' ? 0 : 1;
    for (int slot : p.index.usedSlots()) {
        ZoneRun run;
        run.zone = p.index.zone(slot);
        const IndexZone& z = run.zone;
        run.clock = z.type == 1;
        const int pages = run.clock ? 1 : std::min<int>(z.pages(), static_cast<int>(p.frames.size()));
        for (int i = 0; i < pages; ++i)
            run.pages.push_back(i < static_cast<int>(p.frames.size())
                                    ? p.frames[static_cast<size_t>(i)].copy(z.x, z.y, z.width, z.height)
                                    : LedImage(z.width, z.height));
        run.stepMs = kMsPerStepAndLevel * std::clamp(z.speedByte - levelOffset, 1, 40);
        LedImage before =
            z.clearFirst ? LedImage(z.width, z.height) : m_screen.copy(z.x, z.y, z.width, z.height);
        startEntry(run, at, std::move(before));
        m_zones.push_back(std::move(run));
    }
    m_programEnd = at + programLength();
}

uint32_t Player::seedFor(const ZoneRun& run) const
{
    return static_cast<uint32_t>(m_current) * 1000003U + static_cast<uint32_t>(run.zone.slot) * 7919U +
           static_cast<uint32_t>(run.entryNo) * 31U + static_cast<uint32_t>(m_runs) * 104729U;
}

void Player::startEntry(ZoneRun& run, qint64 at, LedImage before) const
{
    const IndexZone& z = run.zone;
    run.page = run.pages.empty() ? 0 : run.entryNo % static_cast<int>(run.pages.size());
    run.effect = resolveEffect(z.effect, seedFor(run));
    run.steps = run.pages.empty() ? 0 : effectSteps(run.effect, z.width, z.height);
    run.before = std::move(before);
    run.entryStart = at;
    run.entryEnd = at + run.steps * run.stepMs;
    if (run.pages.empty() || run.clock || z.stay == 255)
        run.holdEnd = kForever;
    else // every page shows for at least one step, so time always moves on
        run.holdEnd = std::max(run.entryEnd + z.stay * qint64(1000), at + run.stepMs);
}

void Player::advanceZone(ZoneRun& run, qint64 t) const
{
    while (run.holdEnd != kForever && t >= run.holdEnd) {
        LedImage before = run.pages[static_cast<size_t>(run.page)];
        ++run.entryNo;
        startEntry(run, run.holdEnd, std::move(before));
    }
}

qint64 Player::passLength(const ZoneRun& run) const
{
    if (run.pages.empty())
        return 0;
    const qint64 entry = run.entryEnd - run.entryStart;
    if (run.clock)
        return entry + (run.zone.stay == 255 ? kFixedPageMs : run.zone.stay * qint64(1000));
    ZoneRun sim = run;
    for (size_t i = 0;; ++i) {
        if (sim.holdEnd == kForever)
            return sim.entryEnd - run.entryStart + kFixedPageMs;
        if (i + 1 >= run.pages.size())
            return sim.holdEnd - run.entryStart;
        ++sim.entryNo;
        startEntry(sim, sim.holdEnd, LedImage());
    }
}

qint64 Player::programLength() const
{
    const Prepared& p = m_programs[static_cast<size_t>(m_current)];
    if (p.index.playMode > 0)
        return p.index.playMode * qint64(1000);
    qint64 longest = 0;
    for (const ZoneRun& run : m_zones)
        longest = std::max(longest, passLength(run));
    return std::max<qint64>(longest, 1000);
}

bool Player::programStandsStill() const
{
    return std::all_of(m_zones.begin(), m_zones.end(), [this](const ZoneRun& run) {
        return run.pages.empty() || (run.holdEnd == kForever && m_animMs >= run.entryEnd);
    });
}

LedImage Player::composeZone(const ZoneRun& run, qint64 t, const QDateTime& now) const
{
    if (run.pages.empty())
        return LedImage(run.zone.width, run.zone.height);
    LedImage page = run.pages[static_cast<size_t>(run.page)];
    if (run.clock)
        drawClockZone(page, run.zone, now, m_content.colours);
    if (t >= run.entryEnd || run.steps == 0)
        return page;
    const int step = static_cast<int>((t - run.entryStart) / run.stepMs);
    return composeEntry(run.effect, run.before, page, step);
}

LedImage Player::compose(qint64 t, const QDateTime& now) const
{
    LedImage screen(m_content.screenWidth, m_content.screenHeight);
    for (const ZoneRun& run : m_zones)
        screen.blit(composeZone(run, t, now), run.zone.x, run.zone.y);
    return screen;
}

LedImage Player::frame() const
{
    if (!isLit())
        return LedImage(m_content.screenWidth, m_content.screenHeight);
    LedImage image = compose(m_animMs, clock());
    if (m_content.border)
        drawBorder(image);
    return image;
}

// The flowing border: dashes of four lit and four dark LEDs running clockwise
// round the outermost ring, one LED per 50 ms of playing time.
void Player::drawBorder(LedImage& image) const
{
    const int w = image.width, h = image.height;
    if (w < 2 || h < 2)
        return;
    const uint8_t colour = m_content.colours == 2 ? LedImage::Yellow : LedImage::Red;
    const int offset = static_cast<int>((m_animMs / kBorderStepMs) % (2 * kBorderDash));
    int i = 0;
    auto put = [&](int x, int y) {
        if (((i - offset) % (2 * kBorderDash) + 2 * kBorderDash) % (2 * kBorderDash) < kBorderDash)
            image.set(x, y, colour);
        else
            image.set(x, y, LedImage::Off);
        ++i;
    };
    for (int x = 0; x < w; ++x)
        put(x, 0);
    for (int y = 1; y < h; ++y)
        put(w - 1, y);
    for (int x = w - 2; x >= 0; --x)
        put(x, h - 1);
    for (int y = h - 2; y >= 1; --y)
        put(0, y);
}

bool Player::isLit() const
{
    if (!m_powerOn)
        return false;
    if (!m_content.powerTimer)
        return true;
    const PowerTimer& t = *m_content.powerTimer;
    const int on = t.onHour * 60 + t.onMinute, off = t.offHour * 60 + t.offMinute;
    return on == off || inPeriod(minuteOf(clock()), on, off);
}

int Player::brightnessLevel() const
{
    if (!m_content.brightness)
        return kMaxLevel;
    const BrightnessSchedule& b = *m_content.brightness;
    const int day = b.dayHour * 60 + b.dayMinute, night = b.nightHour * 60 + b.nightMinute;
    const bool isDay = day == night || inPeriod(minuteOf(clock()), day, night);
    return std::clamp(isDay ? b.dayLevel : b.nightLevel, 1, kMaxLevel);
}

qint64 Player::msToNextEvent() const
{
    if (m_current < 0)
        return std::max<qint64>(1, m_idleUntil - m_animMs);
    qint64 next = m_programEnd - m_animMs;
    for (const ZoneRun& run : m_zones) {
        if (m_animMs < run.entryEnd)
            next = std::min(next, run.entryEnd - m_animMs);
        else if (run.holdEnd != kForever)
            next = std::min(next, run.holdEnd - m_animMs);
    }
    return std::max<qint64>(1, next);
}

PlayerStatus Player::status() const
{
    PlayerStatus s;
    s.program = m_current + 1;
    s.programs = static_cast<int>(m_programs.size());
    s.lit = isLit();
    s.paused = m_paused;
    s.brightness = brightnessLevel();
    s.clock = clock();
    for (const ZoneRun& run : m_zones)
        s.zones.push_back(ZoneStatus{run.zone.slot, run.pages.empty() ? 0 : run.page + 1,
                                     static_cast<int>(run.pages.size()), run.zone.effect, run.effect,
                                     m_animMs < run.entryEnd, run.clock});
    return s;
}

} // namespace dotsign
