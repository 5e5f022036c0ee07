// SPDX-License-Identifier: MIT
// What only the Qt side decides of the framework: the font that stands in for an absent
// face, and the dialog units that Qt's metrics give it.
#include "DialogFont.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace glyphsmith::ui {
namespace {

TEST(DialogFontTest, AnAbsentFaceFallsBackToDejaVuSansOf7By13Units) {
    const QFont font = DialogFont("No Such Face For Glyphsmith", 8);
    EXPECT_EQ(QFontInfo(font).family().toStdString(), "DejaVu Sans");
    const DialogUnits units = UnitsOf(font);
    EXPECT_EQ(units.BaseX(), 7);
    EXPECT_EQ(units.BaseY(), 13);
}

} // namespace
} // namespace glyphsmith::ui
