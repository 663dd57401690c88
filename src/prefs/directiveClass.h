#pragma once

// One directive line of the preferences file: its name, lower-cased, and its text
// as written. A plain record; extractDirectives() fills it.

#include <string>

class directiveClass {
public:
    std::string name;
    std::string text;
};
