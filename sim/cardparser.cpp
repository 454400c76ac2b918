#include "sim/cardparser.h"

#include "link/frames.h"

#include <array>
#include <utility>

namespace dotsign {

namespace {

using Fixed = std::pair<int, uint8_t>;

// One frame layout: its length and every byte that has a fixed value.
struct Layout
{
    CardFrameKind kind;
    int length;
    std::vector<Fixed> fixed;
};

void addText(std::vector<Fixed>& fixed, int offset, const char* text, int length)
{
    for (int i = 0; i < length; ++i)
        fixed.emplace_back(offset + i, static_cast<uint8_t>(text[i]));
}

// A tagged frame: SNDDAT, kind, address, body, SNDDEN at `closeAt`, two trailer bytes.
Layout tagged(CardFrameKind kind, int length, uint8_t frameKind, uint8_t trailer2,
              std::vector<Fixed> extra = {})
{
    Layout l{kind, length, std::move(extra)};
    const int closeAt = length - kTagLength - 2;
    addText(l.fixed, 0, kOpenTag, kTagLength);
    l.fixed.emplace_back(6, frameKind);
    addText(l.fixed, closeAt, kCloseTag, kTagLength);
    l.fixed.emplace_back(length - 2, frameKind == kKindControl ? 0xFF : frameKind);
    l.fixed.emplace_back(length - 1, trailer2);
    return l;
}

std::vector<Layout> makeLayouts()
{
    std::vector<Layout> all;
    Layout end{CardFrameKind::EndOfProgram, kEndOfProgramLength, {}};
    for (int i = 0; i < 7; ++i)
        end.fixed.emplace_back(i, static_cast<uint8_t>(i == 6 ? 0xFF : 0xFF - i));
    Layout sndr{CardFrameKind::ReadSettings, kReadSettingsLength, {}};
    addText(sndr.fixed, 0, "SNDR", 4);
    std::vector<Fixed> border;
    for (int i = 9; i <= 13; ++i)
        border.emplace_back(i, 0xFE);
    std::vector<Fixed> settings = {{7, 0xFF},  {9, 0x01},  {12, 0xFF}, {15, 0x02}, {16, 0xFF}, {19, 0xFF},
                                   {20, 0xFF}, {31, 0xFF}, {36, 0xFF}, {37, 0xFF}, {38, 0xFF}};
    Layout con{CardFrameKind::CommTest, kProbeLength, {}};
    addText(con.fixed, 0, "CON", 3);
    Layout tes{CardFrameKind::UnitTest, kProbeLength, {}};
    addText(tes.fixed, 0, "Tes", 3);

    // Shortest first: a shorter layout is always decided before a longer one.
    all.push_back(con);
    all.push_back(tes);
    all.push_back(sndr);
    all.push_back(end);
    all.push_back(tagged(CardFrameKind::Power, kPowerLength, kKindControl, 0xFF));
    all.push_back(tagged(CardFrameKind::Pause, kPauseLength, kKindControl, 0xFF));
    all.push_back(tagged(CardFrameKind::Border, kBorderLength, kKindControl, 0xFE, border));
    all.push_back(tagged(CardFrameKind::Light, kLightLength, kKindControl, 0xFF));
    all.push_back(tagged(CardFrameKind::Timer, kTimerLength, kKindControl, 0xFF));
    all.push_back(tagged(CardFrameKind::ScreenSettings, kScreenSettingsLength, kKindControl, 0xFF, settings));
    all.push_back(tagged(CardFrameKind::ProgramIndex, kProgramIndexLength, kKindIndex, 0x01));
    all.push_back(tagged(CardFrameKind::DataBlock, kDataBlockLength, kKindData, 0x01));
    return all;
}

const std::vector<Layout>& layouts()
{
    static const std::vector<Layout> all = makeLayouts();
    return all;
}

uint8_t at(const QByteArray& b, int i)
{
    return static_cast<uint8_t>(b.at(i));
}

// Rules beyond fixed bytes, checked on the bytes that are there.
bool plausible(const Layout& l, const QByteArray& b)
{
    const int n = static_cast<int>(b.size());
    switch (l.kind) {
    case CardFrameKind::Pause:
        return n < 10 || at(b, 8) == at(b, 9);
    case CardFrameKind::Border:
        return n < 9 || at(b, 8) == kBorderOn || at(b, 8) == kBorderOff;
    default:
        return true;
    }
}

CardParser::Match judge(const Layout& l, const QByteArray& b)
{
    const int n = static_cast<int>(b.size());
    for (const auto& [offset, value] : l.fixed)
        if (offset < n && at(b, offset) != value)
            return CardParser::Match::No;
    if (!plausible(l, b))
        return CardParser::Match::No;
    return n >= l.length ? CardParser::Match::Complete : CardParser::Match::NeedMore;
}

CardFrameKind probeKind(const QByteArray& b)
{
    switch (at(b, 3)) {
    case 0x00:
        return CardFrameKind::Discovery;
    case 'E':
        return CardFrameKind::CommTestAll;
    default:
        return CardFrameKind::CommTest;
    }
}

} // namespace

const char* cardFrameKindName(CardFrameKind kind)
{
    static constexpr std::array<const char*, 15> names = {"garbage",
                                                          "power",
                                                          "pause",
                                                          "border",
                                                          "brightness",
                                                          "clock",
                                                          "settings",
                                                          "program index",
                                                          "data block",
                                                          "end of program",
                                                          "read settings",
                                                          "communication test",
                                                          "communication test (all)",
                                                          "discovery",
                                                          "unit-board test"};
    return names.at(static_cast<size_t>(kind));
}

CardParser::Result CardParser::matchStart(const QByteArray& bytes)
{
    for (const Layout& l : layouts()) {
        const Match m = judge(l, bytes);
        if (m == Match::No)
            continue;
        Result r{m, l.kind, l.length};
        if (m == Match::Complete && l.kind == CardFrameKind::CommTest)
            r.kind = probeKind(bytes);
        return r;
    }
    return Result{};
}

void CardParser::dropByte()
{
    if (m_garbage.bytes.isEmpty())
        m_garbage.firstByteUs = m_times.front();
    m_garbage.bytes.append(m_buffer.front());
    m_garbage.lastByteUs = m_times.front();
    m_buffer.remove(0, 1);
    m_times.erase(m_times.begin());
}

void CardParser::takeGarbage(std::vector<CardFrame>& out)
{
    if (m_garbage.bytes.isEmpty())
        return;
    m_garbage.kind = CardFrameKind::Garbage;
    out.push_back(std::exchange(m_garbage, CardFrame{}));
}

std::vector<CardFrame> CardParser::feed(const QByteArray& bytes, qint64 at, const std::vector<qint64>& times)
{
    m_buffer.append(bytes);
    for (int i = 0; i < bytes.size(); ++i)
        m_times.push_back(static_cast<size_t>(i) < times.size() ? times[static_cast<size_t>(i)] : at);

    std::vector<CardFrame> out;
    while (!m_buffer.isEmpty()) {
        const Result r = matchStart(m_buffer);
        if (r.match == Match::NeedMore)
            break;
        if (r.match == Match::No) {
            dropByte();
            continue;
        }
        takeGarbage(out);
        CardFrame f;
        f.kind = r.kind;
        f.bytes = m_buffer.left(r.length);
        f.firstByteUs = m_times.front();
        f.lastByteUs = m_times[static_cast<size_t>(r.length - 1)];
        m_buffer.remove(0, r.length);
        m_times.erase(m_times.begin(), m_times.begin() + r.length);
        out.push_back(std::move(f));
    }
    takeGarbage(out);
    return out;
}

std::vector<CardFrame> CardParser::flush()
{
    std::vector<CardFrame> out;
    while (!m_buffer.isEmpty())
        dropByte();
    takeGarbage(out);
    return out;
}

} // namespace dotsign
