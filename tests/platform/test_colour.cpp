#include <gtest/gtest.h>

#include "platform/colour.h"

namespace {

struct ColourCase {
    const char* name;
    TColor stored;
    int red, green, blue;
};

class ColourConversion : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourConversion, ReadsBlueGreenRedFromHighToLowByte) {
    const ColourCase& c = GetParam();
    const QColor colour = toQColor(c.stored);
    EXPECT_EQ(colour.red(), c.red);
    EXPECT_EQ(colour.green(), c.green);
    EXPECT_EQ(colour.blue(), c.blue);
    EXPECT_EQ(fromQColor(colour), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    NamedColours, ColourConversion,
    ::testing::Values(ColourCase{"blue", clBlue, 0, 0, 255}, ColourCase{"red", clRed, 255, 0, 0},
                      ColourCase{"lime", clLime, 0, 255, 0}, ColourCase{"aqua", clAqua, 0, 255, 255},
                      ColourCase{"fuchsia", clFuchsia, 255, 0, 255}, ColourCase{"maroon", clMaroon, 128, 0, 0},
                      ColourCase{"silver", clSilver, 192, 192, 192},
                      ColourCase{"main_background", clMainBackground, 255, 255, 157},
                      ColourCase{"mixed", 0x00123456, 0x56, 0x34, 0x12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColourConversionTest, IgnoresTheHighByte) { EXPECT_EQ(toQColor(0x7F0000FF), toQColor(clRed)); }

}  // namespace
