// Polled keyboard: a held key counts as pressed at once and then again once per repeat delay.
// Also the process-wide table of key names by virtual-key code.
#pragma once

#include "KString.h"
#include "KSystemSources.h"

#include <array>
#include <cstdint>

class KKeyboard {
public:
    static constexpr int kKeyCount = 256;
    // Key -1 in SetRepeat stands for every key.
    static constexpr int kAllKeys = -1;

    explicit KKeyboard(KKeyStateSource keyDown = KSystemKeyDown, KMillisecondSource clock = KSystemMilliseconds);
    ~KKeyboard();
    KKeyboard(const KKeyboard&) = delete;
    KKeyboard& operator=(const KKeyboard&) = delete;

    // True when the key is down and at least the delay stored with its last press has passed
    // (or it never counted before); the new delay applies from this press on.
    bool IsPressed(int key, int delay);
    // Makes the key (or every key) count as pressed now with this delay; returns the present time.
    uint32_t SetRepeat(int key, int delay);

    // Name of a virtual-key code ("A", "RETURN", "F1"); empty for codes without a name.
    static KString KeyName(int code);
    static void FreeKeyNames();

private:
    struct KeyRepeat {
        bool counted = false;  // has counted as pressed at least once
        uint32_t last = 0;  // when it last counted
        uint32_t delay = 0;  // delay given with that press
    };
    static bool ValidKey(int key) { return key >= 0 && key < kKeyCount; }
    static void BuildKeyNames();

    KKeyStateSource keyDown_;
    KMillisecondSource clock_;
    std::array<KeyRepeat, kKeyCount> keys_{};
};
