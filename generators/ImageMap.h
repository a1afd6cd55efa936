#pragma once
// Client-side image maps: areas drawn over an image (rectangles, circles,
// polygons in image pixels), each with a link and a text, written out as an
// IMG tag that uses a MAP of AREA tags.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace imagemap {

enum class Shape { Rect, Circle, Poly };

struct Area {
    Shape shape = Shape::Rect;
    // As the COORDS attribute holds them: x1,y1,x2,y2 for a rectangle,
    // x,y,r for a circle, x1,y1,x2,y2,... for a polygon.
    std::vector<int> coords;
    std::string href;  // empty: the area links nowhere (NOHREF)
    std::string alt;
};

struct Map {
    std::string src;  // the image's name as the page refers to it
    int width = 0, height = 0;
    std::string name;  // the MAP's name, USEMAP="#name"
    std::vector<Area> areas;
    bool lowerCase = false;  // tag and attribute names in lower case
};

// "RECT", "CIRCLE", "POLY".
std::string_view shapeName(Shape s);

// Coordinates typed by the user: whole numbers separated by commas and/or
// blanks; a rectangle needs 4, a circle 3 with a radius above 0, a polygon
// at least 3 points (an even count of 6 or more). Negative numbers and
// anything else give no result.
std::optional<std::vector<int>> parseCoords(Shape s, std::string_view text);
// "10,20,110,80".
std::string coordsText(const std::vector<int>& coords);

// An area as drawn: a rectangle's corners in order (left, top, right,
// bottom), every point kept inside an image of the given size (a circle's
// centre too; its radius at least 1).
std::vector<int> normalised(Shape s, std::vector<int> coords, int width, int height);

// A map name from the image's file name: its base name with every character
// other than a letter, digit, "-" or "_" made "_"; "map" when nothing is left.
std::string nameFor(std::string_view imagePath);

// An attribute value with ", <, > and a bare & written as entities (an
// entity already written, such as &amp; or &#160;, stays as it is).
std::string attributeValue(std::string_view text);

// The IMG tag followed by the MAP, one tag a line, CR LF line ends.
std::string html(const Map& m);

}  // namespace imagemap
