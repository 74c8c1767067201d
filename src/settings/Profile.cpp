#include "settings/Profile.h"

#include "settings/SettingsTexts.h"

namespace rukcon::settings {

namespace {

constexpr int kBuiltInReactionTime = 128;
constexpr const char* kBuiltInProfileName = "初期状態";
constexpr int kButton7Slot = 6;

KeyChoices WithF24(KeyChoices keys)
{
    keys[kActivationSlot][0] = texts::kKeyF24;
    keys[kButton7Slot][0] = texts::kKeyF24;
    return keys;
}

} // namespace

const KeyChoices& StickArrowKeys()
{
    static const KeyChoices keys = [] {
        KeyChoices k;
        for (auto& slot : k)
            slot.fill(kNoKey);
        const char* arrows[] = {texts::kKeyLeft, texts::kKeyRight, texts::kKeyUp, texts::kKeyDown};
        for (int i = 0; i < 4; ++i)
            k[kFirstStickSlot + i][0] = arrows[i];
        return k;
    }();
    return keys;
}

const Profile& LastExitFallbackProfile()
{
    static const Profile profile{WithF24(StickArrowKeys()), kBuiltInReactionTime, 1, "", ""};
    return profile;
}

const Profile& NewSettingsProfile()
{
    static const Profile profile{WithF24(StickArrowKeys()), kBuiltInReactionTime, 1, kBuiltInProfileName, ""};
    return profile;
}

const Profile& TrayInitialProfile()
{
    static const Profile profile{StickArrowKeys(), kBuiltInReactionTime, 3, kBuiltInProfileName, ""};
    return profile;
}

} // namespace rukcon::settings
