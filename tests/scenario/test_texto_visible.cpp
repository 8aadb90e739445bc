#include "scenario/texto_visible.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace hortelia;

// What a message may show of a file's bytes: letters as they are, anything a terminal acts on
// as \xNN.
TEST(TextoVisible, EscapesWhatATerminalWouldActOnAndKeepsSpanishLetters) {
    const std::vector<std::tuple<std::string, std::size_t, std::string>> casos{
        {"Leña 35,5 °C", 40, "Leña 35,5 °C"},
        {"\x1b[2J\x1b]0;x\x07", 40, "\\x1B[2J\\x1B]0;x\\x07"},
        {std::string("a\0b", 3), 40, "a\\x00b"},
        {"\t\r\n\x7f", 40, "\\x09\\x0D\\x0A\\x7F"},
        {"\xc2\x9b"
         "31m",
         40, "\\xC2\\x9B31m"},  // C1 control CSI in UTF-8
        {"\xc2\x9f\xc2\xa0", 40, "\\xC2\\x9F\xc2\xa0"},  // the last C1 control; a no-break space is kept
        {"Le\xf1"
         "a",
         40, "Le\\xF1a"},                               // Latin-1, not UTF-8
        {"\xc0\xaf \xed\xa0\x80 \xf4\x90\x80\x80", 40,  // overlong, surrogate, past U+10FFFF
         "\\xC0\\xAF \\xED\\xA0\\x80 \\xF4\\x90\\x80\\x80"},
        {"\xe0\x9f\xbf\xe0\xa0\x80", 40, "\\xE0\\x9F\\xBF\xe0\xa0\x80"},  // U+07FF written long; U+0800 kept
        {"\xe2\x80\xae"
         "abc",
         40, "\\xE2\\x80\\xAEabc"},                    // right-to-left override
        {"\xe2\x82", 40, "\\xE2\\x82"},                // a letter cut short
        {"\xf0\x9f\x8c\xb1", 40, "\xf0\x9f\x8c\xb1"},  // four bytes, valid
        {"0123456789", 4, "0123…"},
        {"añob", 2, "a…"},  // never half a letter
        {"añob", 3, "añ…"},
        {"", 4, ""},
    };
    for (const auto& [bytes, maximo, visible] : casos) EXPECT_EQ(TextoVisible(bytes, maximo), visible) << visible;
}
