#include "scenario/texto_visible.h"

#include "support/archivos.h"

#include <gtest/gtest.h>

#include <string>

using namespace hortelia;

// Each file's bytes of tests/data/texto_visible.tsv as a message shows them.
TEST(TextoVisible, EscapesWhatATerminalWouldActOnAndKeepsSpanishLetters) {
    const auto casos = prueba::LeeTablaDato("texto_visible.tsv");
    ASSERT_EQ(casos.size(), 17U);
    for (const auto& c : casos) EXPECT_EQ(TextoVisible(c.at(0), std::stoul(c.at(1))), c.at(2)) << c[2];
}
