#pragma once
// The Home page wizard's generator: the fields of its pages in, the lines of
// a complete page out (each line one paragraph of the new document). Field
// texts are copied unchanged; the tags' mixed case is the page's own and no
// tag-case setting applies to it.

#include <string>
#include <vector>

namespace homepage {

enum class Align { Left, Centre, Right };

// Every field of the wizard, with the defaults a fresh wizard shows.
struct Fields {
    // Document Title
    std::string title = "My Home Page";
    std::string subTitle;
    bool welcome = true;
    Align align = Align::Left;
    // Page Image
    std::string headerImage = "Image Name";
    int border = 1;
    bool headerSlashes = true;  // "\" becomes "/" in the image name
    bool includeImage = true;
    bool imageBeforeHeading = true;
    // Sections
    std::vector<std::string> sections{"Introduction", "About Me"};
    bool linesBetween = true;
    // Footer
    bool mailLink = true;
    bool address = true;
    std::vector<std::string> addressLines{"Your Address"};
    bool lastUpdated = true;
    // Appearance
    int foreground = 4;
    int background = 7;
    bool textColour = true;
    bool backgroundColour = true;
    std::string backgroundImage = "Image Name";
    bool useBackgroundImage = true;
    bool backgroundSlashes = true;
};

inline constexpr int kColourCount = 16;
inline constexpr int kMaxBorder = 50;

// "#RRGGBB" of a colour-grid index; "" for an index outside 0..15.
std::string colourCode(int index);

// The user's details as the footer names them.
struct User {
    std::string name;
    std::string email;
};

// The page, line by line; `date` is today's date as the user's locale writes
// it in short form.
std::vector<std::string> pageLines(const Fields& f, const User& user, const std::string& date);

}  // namespace homepage
