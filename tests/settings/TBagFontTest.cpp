// The font text of the bag: "style,pitch<size>height;colour:face".

#include <gtest/gtest.h>

#include "SettingsErrors.h"
#include "TBag.h"

namespace {

TBagFont courier10() {
    TBagFont f;
    f.font = QFont("Courier New");
    f.font.setPointSize(10);
    f.color = 0;
    return f;
}

TBagFont defaultFont() {
    TBagFont f;
    f.font = QFont("Sans Serif");
    f.font.setPointSize(8);
    f.color = 0x00FF00;
    return f;
}

TEST(BagFont, WritesTheDocumentedExample) { EXPECT_EQ(TBag::FontText(courier10()), "0,0<10>-13;0:Courier New"); }

TEST(BagFont, StylePitchColourAndPixelHeightRoundTrip) {
    TBagFont f = courier10();
    f.font.setBold(true);
    f.font.setItalic(true);
    f.font.setUnderline(true);
    f.font.setStrikeOut(true);
    f.font.setFixedPitch(true);
    f.font.setPointSize(12);
    f.color = static_cast<std::int32_t>(0x8000000F);  // a system colour: negative
    const std::string text = TBag::FontText(f);
    EXPECT_EQ(text, "15,2<12>-16;-2147483633:Courier New");

    TBag bag;
    bag.SetItem("Edit_Font", text);
    const TBagFont& got = bag.GetFont("edit_font", defaultFont());
    EXPECT_EQ(got.font.family(), "Courier New");
    EXPECT_EQ(got.font.pointSize(), 12);
    EXPECT_TRUE(got.font.bold() && got.font.italic() && got.font.underline() && got.font.strikeOut());
    EXPECT_TRUE(got.font.fixedPitch());
    EXPECT_EQ(got.color, static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(TBag::FontText(got), text);

    // Variable pitch and a font sized in pixels.
    TBagFont pixels = courier10();
    pixels.font.setPixelSize(20);
    pixels.font.setFixedPitch(false);
    EXPECT_EQ(TBag::FontText(pixels), "0,1<15>-20;0:Courier New");
}

TEST(BagFont, StyleBitsAreClearedWhenAbsent) {
    TBagFont boldDefault = defaultFont();
    boldDefault.font.setBold(true);
    boldDefault.font.setUnderline(true);
    TBag bag;
    bag.SetItem("F", "2,0<9>-12;255:COURIER NEW");  // as a load brings it back
    const TBagFont& got = bag.GetFont("F", boldDefault);
    EXPECT_FALSE(got.font.bold());
    EXPECT_FALSE(got.font.underline());
    EXPECT_TRUE(got.font.italic());
    EXPECT_EQ(got.font.family().toUpper(), "COURIER NEW");
    EXPECT_EQ(got.color, 255);
    EXPECT_EQ(TBag::FontText(got), "2,0<9>-12;255:COURIER NEW");
}

TEST(BagFont, MissingItemGivesACopyOfTheDefault) {
    TBag bag;
    const TBagFont& got = bag.GetFont("Edit_Font", defaultFont());
    EXPECT_EQ(got.font, defaultFont().font);
    EXPECT_EQ(got.color, 0x00FF00);
}

TEST(BagFont, MalformedTextIsAnInvalidFont) {
    for (const char* text : {
             "0,0<10>-13;0:",              // empty face name
             "0,0<10;-13>0:Courier New",   // separators out of order
             "0,0<10>-13,0:Courier New",   // ";" missing
             "0,0<10>-13;0 Courier New",   // ":" missing
             ",0<10>-13;0:Courier New",    // "," at the very start
             "Courier New",
         }) {
        TBag bag;
        bag.SetItem("F", text);
        try {
            bag.GetFont("F", defaultFont());
            ADD_FAILURE() << "accepted " << text;
        } catch (const EBagError& e) {
            EXPECT_STREQ(e.what(), "Invalid font in INI file") << text;
        }
    }
}

// The message of the conversion error GetFont raises for text.
std::string convertError(const std::string& text) {
    TBag bag;
    bag.SetItem("F", text);
    try {
        bag.GetFont("F", defaultFont());
    } catch (const EConvertError& e) {
        return e.what();
    }
    return "(no EConvertError)";
}

TEST(BagFont, FieldThatIsNoNumberRaises) {
    EXPECT_EQ(convertError("B,0<10>-13;0:Courier New"), "'B' is not a valid integer value");
    EXPECT_EQ(convertError("0,0<ten>-13;0:Courier New"), "'ten' is not a valid integer value");
    // The colour is converted before the style, as it is applied first.
    EXPECT_EQ(convertError("B,0<10>-13;red:Courier New"), "'red' is not a valid integer value");
}

}  // namespace
