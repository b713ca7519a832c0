// What the resource compiler read from the scripts, before it is written out as tables. Texts are
// GBK already.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Token.h"

namespace qelt::rc {

struct ResourceName {
    std::uint32_t number = 0;
    std::string name;  // empty: by number

    std::string Describe() const { return name.empty() ? std::to_string(number) : name; }
    bool operator==(const ResourceName& other) const { return number == other.number && name == other.name; }
};

struct Control {
    std::string className;
    std::string text;
    bool hasImage = false;
    ResourceName image;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    Location where;
};

struct DialogInit {
    int controlId = 0;
    std::string text;
    Location where;
};

struct Dialog {
    ResourceName id;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    bool hasFont = false;
    std::string fontFace;
    int fontSize = 0;
    std::vector<Control> controls;
    std::vector<DialogInit> init;
    Location where;
};

struct StringResource {
    std::uint32_t id = 0;
    std::string text;
    Location where;
};

struct BinaryResource {
    ResourceName id;
    std::uint32_t type = 0;  // 2 bitmap, 3 icon
    std::string fileName;
    std::string bytes;
    Location where;
};

struct MenuItem {
    std::string text;
    std::uint32_t id = 0;
    int depth = 0;
    bool popup = false, separator = false, grayed = false, checked = false;
};

struct Menu {
    ResourceName id;
    std::vector<MenuItem> items;
    Location where;
};

struct Model {
    std::vector<Dialog> dialogs;
    std::vector<StringResource> strings;
    std::vector<BinaryResource> binaries;
    std::vector<Menu> menus;
};

}  // namespace qelt::rc
