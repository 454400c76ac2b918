#include "app/language.h"

#include <gtest/gtest.h>

namespace dotsign {
namespace {

struct LanguageCase
{
    const char* requested;
    QStringList system;
    UiLanguage expected;
    bool ok;
};

TEST(UiLanguageChoice, FollowsTheRequestThenTheSystem)
{
    const QList<LanguageCase> cases = {
        // No language on the system (C, POSIX, nothing) keeps the windows Chinese.
        {"", {"C"}, UiLanguage::Chinese, true},
        {"", {}, UiLanguage::Chinese, true},
        {"", {"POSIX"}, UiLanguage::Chinese, true},
        // Every Chinese variant is Chinese; every other language gets English.
        {"", {"zh-CN", "zh-Hans-CN", "zh"}, UiLanguage::Chinese, true},
        {"", {"zh-TW", "zh-Hant-TW"}, UiLanguage::Chinese, true},
        {"", {"en-US", "en-Latn-US", "en"}, UiLanguage::English, true},
        {"", {"de-DE", "de-Latn-DE", "de"}, UiLanguage::English, true},
        // Only the first language counts: it is the one the user put first.
        {"", {"en-GB", "zh-CN"}, UiLanguage::English, true},
        {"", {"zh-CN", "en-GB"}, UiLanguage::Chinese, true},
        // --language overrides the system, in either spelling.
        {"en", {"zh-CN"}, UiLanguage::English, true},
        {"EN_us", {"zh-CN"}, UiLanguage::English, true},
        {"zh", {"en-US"}, UiLanguage::Chinese, true},
        {"zh-TW", {"en-US"}, UiLanguage::Chinese, true},
        {" en ", {"C"}, UiLanguage::English, true},
        // An unknown request is refused rather than guessed.
        {"fr", {"en-US"}, UiLanguage::Chinese, false},
        {"english", {"C"}, UiLanguage::Chinese, false},
    };
    for (const LanguageCase& c : cases) {
        const LanguageChoice choice = chooseUiLanguage(QString::fromUtf8(c.requested), c.system);
        EXPECT_EQ(choice.ok, c.ok) << c.requested << " " << c.system.join(',').toStdString();
        if (c.ok) {
            EXPECT_EQ(choice.language, c.expected) << c.requested << " " << c.system.join(',').toStdString();
        }
    }
}

} // namespace
} // namespace dotsign
