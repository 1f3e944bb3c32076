#include "platform/SendKeys.h"

#include "platform/VbError.h"

#include <gtest/gtest.h>

using namespace qm::platform;

namespace {

// Parses and writes the chords back canonically, so a table can show what each text presses.
std::string roundTrip(std::string_view keys)
{
    return describeChords(parseSendKeys(keys));
}

} // namespace

TEST(SendKeysTest, ParsesTheKeystrokesTheProductSends)
{
    struct Case
    {
        const char *keys;
        const char *pressed;
    };
    const Case cases[] = {
        {"^s", "^s"},
        {"^{DEL}", "^{DEL}"},
        {"^+{F2}", "+^{F2}"},
        {"+^({F2})", "+^{F2}"},
        {"{F7}^{HOME}^+({END})", "{F7}^{HOME}+^{END}"},
        {"{F7}^({HOME})^+({END})", "{F7}^{HOME}+^{END}"},
        {"{TAB}C{ENTER}", "{TAB}C{ENTER}"},
        {"{Enter}", "{ENTER}"},
        {"{enter}~", "{ENTER}{ENTER}"},
        {"+({F7})", "+{F7}"},
        {"{DOWN 3}", "{DOWN}{DOWN}{DOWN}"},
        {"+(ab)c", "+a+bc"},
        {"^(+(x)y)", "+^x^y"},
        {"%{F4}", "%{F4}"},
        {"{{}{}}{+}{^}{%}{~}{(}{)}{[}{]}", "{{}{}}{+}{^}{%}{~}{(}{)}{[}{]}"},
        {"{} 2}", "{}}{}}"},
        {"{a 2}", "aa"},
        {"{ }", " "},
        {"a b", "a b"},
        {"{BS}{BKSP}{BACKSPACE}", "{BACKSPACE}{BACKSPACE}{BACKSPACE}"},
        {"{DELETE}{INSERT}{ESC}{PGDN}", "{DEL}{INS}{ESC}{PGDN}"},
        {"", ""},
        {"{DOWN 0}", ""},
        {"Form_Load()", "Form_Load"},
        {"+()a", "a"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(roundTrip(c.keys), c.pressed) << c.keys;
}

TEST(SendKeysTest, KeepsCharacterAndModifiers)
{
    auto chords = parseSendKeys("^C");
    ASSERT_EQ(chords.size(), 1u);
    EXPECT_EQ(chords[0], (KeyChord{Key::Char, 'C', keymod::Ctrl}));
    chords = parseSendKeys("\xe9\r\nx");
    ASSERT_EQ(chords.size(), 4u); // CR and LF each press Enter
    EXPECT_EQ(chords[0], (KeyChord{Key::Char, '\xe9', keymod::None}));
    EXPECT_EQ(chords[1].key, Key::Enter);
}

TEST(SendKeysTest, MalformedTextIsError5)
{
    const char *bad[] = {
        "{",
        "}",
        "{}",
        "{ENTER",
        "{NOSUCHKEY}",
        "(ab",
        "ab)",
        "^",
        "a+",
        "(+)",
        "{DOWN x}",
        "{DOWN }",
        "{DOWN 999999}",
        "{DOWN -1}",
        "{F17}",
        "{TAB 32767}{TAB 32767}{TAB 32767}",
    };
    for (const char *keys : bad) {
        try {
            parseSendKeys(keys);
            ADD_FAILURE() << "accepted " << keys;
        } catch (const VbError &e) {
            EXPECT_EQ(e.number, 5) << keys;
        }
    }
}

TEST(SendKeysTest, EscapedTextTypesItself)
{
    const std::string text = "If a(1) + b^2 > {x} ~ [y] % 3 Then";
    std::string escaped = escapeSendKeys(text);
    EXPECT_EQ(escaped, "If a{(}1{)} {+} b{^}2 > {{}x{}} {~} {[}y{]} {%} 3 Then");
    std::string typed;
    for (const KeyChord &chord : parseSendKeys(escaped)) {
        ASSERT_EQ(chord.key, Key::Char);
        ASSERT_EQ(chord.modifiers, keymod::None);
        typed += chord.ch;
    }
    EXPECT_EQ(typed, text);
}
