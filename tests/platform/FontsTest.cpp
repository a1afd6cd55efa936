#include <gtest/gtest.h>

#include <QFontDatabase>

#include "Fonts.h"

namespace {
bool installed(const char* family) { return QFontDatabase::families().contains(family); }
}  // namespace

TEST(Fonts, CourierNewIsAcceptedThroughTheFontSystemInAnyCase) {
    if (!installed("Liberation Mono")) GTEST_SKIP() << "needs fonts-liberation2 (Liberation Mono)";
    // Not a listed family, but fontconfig maps it to a fixed-pitch face.
    EXPECT_FALSE(fonts::fixedPitchFamilies().contains("Courier New"));
    EXPECT_TRUE(fonts::isFixedPitchName("Courier New"));
    EXPECT_TRUE(fonts::isFixedPitchName("COURIER NEW")); // as read back from old settings
    EXPECT_EQ(fonts::fixedPitchFamily("liberation MONO"), "Liberation Mono");
    EXPECT_EQ(fonts::resolvedFamily("Courier New"), "Liberation Mono");
}

TEST(Fonts, ProportionalAndEmptyNamesAreRefused) {
    // Families the set-up always installs (or aliases to them): a name that is
    // not installed would fall back to whatever the font system picks.
    for (const char* name : {"Liberation Sans", "Liberation Serif", "Arial", "Times New Roman"}) {
        EXPECT_FALSE(fonts::isFixedPitchName(name)) << name;
        EXPECT_EQ(fonts::fixedPitchFamily(name), QString()) << name;
    }
    EXPECT_FALSE(fonts::isFixedPitchName(""));
    EXPECT_FALSE(fonts::isFixedPitchName("   "));
}

TEST(Fonts, FamilyListIsMeasuredNotTakenFromTheFontFlags) {
    const QStringList fixed = fonts::fixedPitchFamilies();
    ASSERT_FALSE(fixed.isEmpty());
    for (const QString& f : fixed) EXPECT_TRUE(fonts::isFixedPitch(QFont(f))) << f.toStdString();
    if (installed("DejaVu Sans")) { EXPECT_FALSE(fixed.contains("DejaVu Sans")); }
    if (installed("DejaVu Sans Mono")) { EXPECT_TRUE(fixed.contains("DejaVu Sans Mono")); }
    // This face reports no fixed pitch through QFontInfo although it is one.
    if (installed("Noto Sans Mono")) { EXPECT_TRUE(fixed.contains("Noto Sans Mono")); }
    EXPECT_TRUE(std::is_sorted(fixed.begin(), fixed.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    }));
    EXPECT_TRUE(fonts::isFixedPitch(fonts::defaultFixedFont()));
}
