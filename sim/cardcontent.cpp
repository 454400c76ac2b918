#include "sim/cardcontent.h"

#include "sim/virtualcard.h"

namespace dotsign {

SignContent signContentFromCard(const VirtualCard& card, int fallbackWidth, int fallbackHeight,
                                int fallbackColours)
{
    SignContent content;
    content.screenWidth = fallbackWidth;
    content.screenHeight = fallbackHeight;
    content.colours = fallbackColours;
    content.cardClass = card.options().cardClass;
    if (!card.settingsFrame().isEmpty())
        applyScreenSettingsFrame(content, card.settingsFrame());
    for (const auto& [number, upload] : card.programs()) {
        StoredProgram program;
        program.index = upload.index;
        for (int block : upload.blockOrder) {
            const auto it = upload.blocks.find(block);
            if (it != upload.blocks.end())
                program.data += it->second;
        }
        program.finalCount = upload.endCount;
        content.programs.append(program);
    }
    const QByteArray& light = card.brightness();
    if (light.size() >= 6)
        content.brightness = BrightnessSchedule{uint8_t(light[0]), uint8_t(light[1]), uint8_t(light[2]),
                                                uint8_t(light[3]), uint8_t(light[4]), uint8_t(light[5])};
    const QByteArray& clock = card.clock();
    if (clock.size() >= 11)
        content.powerTimer =
            PowerTimer{uint8_t(clock[7]), uint8_t(clock[8]), uint8_t(clock[9]), uint8_t(clock[10])};
    content.powerOn = card.power().value_or(1) != 0;
    content.paused = card.pause().value_or(0) != 0;
    content.border = card.border().value_or(false);
    return content;
}

} // namespace dotsign
