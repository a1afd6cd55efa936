// Client-side image maps: typed coordinates, areas as drawn, and the HTML.

#include <gtest/gtest.h>

#include "ImageMap.h"

using imagemap::Shape;

TEST(ImageMap, TypedCoordinatesAreCheckedPerShape) {
    const struct {
        Shape shape;
        const char* text;
        std::optional<std::vector<int>> expected;
    } cases[] = {
        {Shape::Rect, "10,20,110,80", std::vector<int>{10, 20, 110, 80}},
        {Shape::Rect, " 10, 20  110,80 ", std::vector<int>{10, 20, 110, 80}},
        {Shape::Rect, "10,20,110", std::nullopt},
        {Shape::Rect, "10,-20,110,80", std::nullopt},
        {Shape::Rect, "10,2x,110,80", std::nullopt},
        {Shape::Rect, "10,20,110,99999999999", std::nullopt},
        {Shape::Circle, "50,50,10", std::vector<int>{50, 50, 10}},
        {Shape::Circle, "50,50,0", std::nullopt},
        {Shape::Poly, "0,0,10,0,5,8", std::vector<int>{0, 0, 10, 0, 5, 8}},
        {Shape::Poly, "0,0,10,0", std::nullopt},
        {Shape::Poly, "0,0,10,0,5,8,1", std::nullopt},
        {Shape::Poly, "", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(imagemap::parseCoords(c.shape, c.text), c.expected) << c.text;
}

TEST(ImageMap, DrawnAreasAreOrderedAndKeptInsideTheImage) {
    const struct {
        Shape shape;
        std::vector<int> drawn, expected;
    } cases[] = {
        {Shape::Rect, {110, 80, 10, 20}, {10, 20, 110, 80}},      // dragged up and left
        {Shape::Rect, {-5, 10, 500, 300}, {0, 10, 399, 199}},     // beyond a 400 x 200 image
        {Shape::Circle, {420, -3, 0}, {399, 0, 1}},               // centre inside, radius at least 1
        {Shape::Poly, {-1, 5, 450, 5, 200, 250}, {0, 5, 399, 5, 200, 199}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(imagemap::normalised(c.shape, c.drawn, 400, 200), c.expected) << imagemap::coordsText(c.drawn);
}

TEST(ImageMap, NamesAndValuesAreSafeInTheTag) {
    EXPECT_EQ(imagemap::nameFor("images/Site map.v2.png"), "Site_map_v2");
    EXPECT_EQ(imagemap::nameFor("C:\\web\\nav-bar.gif"), "nav-bar");
    EXPECT_EQ(imagemap::nameFor(".png"), "_png");
    EXPECT_EQ(imagemap::nameFor(""), "map");
    EXPECT_EQ(imagemap::attributeValue("a.html?x=1&y=\"2\"&amp;z&#160;<b>"),
              "a.html?x=1&amp;y=&quot;2&quot;&amp;z&#160;&lt;b&gt;");
}

TEST(ImageMap, WritesTheImageAndItsMap) {
    imagemap::Map m;
    m.src = "images/nav.png";
    m.width = 400;
    m.height = 200;
    m.name = "nav";
    m.areas = {{Shape::Rect, {10, 20, 110, 80}, "Home.html", "Home"},
               {Shape::Circle, {200, 100, 40}, "", "Nothing"},
               {Shape::Poly, {0, 0, 10, 0, 5, 8}, "Mail.html", ""}};
    EXPECT_EQ(imagemap::html(m),
              "<IMG SRC=\"images/nav.png\" WIDTH=\"400\" HEIGHT=\"200\" ALT=\"\" USEMAP=\"#nav\" BORDER=\"0\">\r\n"
              "<MAP NAME=\"nav\">\r\n"
              "<AREA SHAPE=\"RECT\" COORDS=\"10,20,110,80\" HREF=\"Home.html\" ALT=\"Home\">\r\n"
              "<AREA SHAPE=\"CIRCLE\" COORDS=\"200,100,40\" NOHREF ALT=\"Nothing\">\r\n"
              "<AREA SHAPE=\"POLY\" COORDS=\"0,0,10,0,5,8\" HREF=\"Mail.html\" ALT=\"\">\r\n"
              "</MAP>\r\n");
    // Lower case changes the names only: the links keep their case.
    m.lowerCase = true;
    m.areas.resize(1);
    EXPECT_EQ(imagemap::html(m),
              "<img src=\"images/nav.png\" width=\"400\" height=\"200\" alt=\"\" usemap=\"#nav\" border=\"0\">\r\n"
              "<map name=\"nav\">\r\n"
              "<area shape=\"rect\" coords=\"10,20,110,80\" href=\"Home.html\" alt=\"Home\">\r\n"
              "</map>\r\n");
}
