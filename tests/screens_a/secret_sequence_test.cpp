// The development menu's secret word: each key pressed and released in order, any other
// letter starting it again.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/keys.h"
#include "screens/menu.h"

namespace {

int LetterCode(char c)
{
    static const struct {
        char letter;
        int code;
    } codes[] = {{'T', DIK_T}, {'A', DIK_A}, {'L', DIK_L}, {'R', DIK_R}, {'I', DIK_I},
                 {'X', DIK_X}, {'Q', DIK_Q}, {'M', DIK_M}, {'1', DIK_1}, {' ', DIK_SPACE}};
    for (const auto& entry : codes)
        if (entry.letter == c)
            return entry.code;
    return 0;
}

// Types the text from the start of the word, each key held for two frames and released
// for one. True when the word was completed.
bool Type(const std::string& text)
{
    ResetSecretSequence();
    bool opened = false;
    uint8_t keys[256] = {};
    for (char c : text) {
        keys[LetterCode(c)] = 0x80;
        opened |= SecretSequenceStep(keys);
        opened |= SecretSequenceStep(keys);
        std::memset(keys, 0, sizeof keys);
        opened |= SecretSequenceStep(keys);
    }
    return opened;
}

TEST(SecretSequence, OpensOnlyWhenTheWordIsTypedInOrder)
{
    const struct {
        const char* typed;
        bool opens;
    } cases[] = {
        {"TALTRIX", true},
        {"TALTRI", false},        // one key short
        {"TALQTRIX", false},      // a wrong letter in the middle starts it again
        {"TALQTALTRIX", true},    // and typing it again from the start works
        {"TAL1 TRIX", true},      // keys that are not letters do not disturb it
        {"TATALTRIX", true},      // a wrong letter that starts the word counts as its start
        {"MTALTRIX", true},
        {"TALTRIXTALTRIX", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Type(c.typed), c.opens) << c.typed;
}

TEST(SecretSequence, TheLastKeyOpensOnItsReleaseAndTheWordStartsAgain)
{
    uint8_t keys[256] = {};
    ResetSecretSequence();
    for (char c : std::string("TALTRI")) {
        keys[LetterCode(c)] = 0x80;
        ASSERT_FALSE(SecretSequenceStep(keys));
        keys[LetterCode(c)] = 0;
        ASSERT_FALSE(SecretSequenceStep(keys));
    }
    keys[DIK_X] = 0x80;
    EXPECT_FALSE(SecretSequenceStep(keys));
    EXPECT_FALSE(SecretSequenceStep(keys));
    keys[DIK_X] = 0;
    EXPECT_TRUE(SecretSequenceStep(keys));
    EXPECT_FALSE(SecretSequenceStep(keys));
    EXPECT_FALSE(Type("ALTRIX"));
}

}  // namespace
