// The tables that the resource compiler (platform/mfc/rc) generates from resource scripts, and the
// registration through which each binary hands its tables to the class library. Texts are GBK.
#pragma once

#include "win/Windows.h"

namespace qelt::res {

// A resource's id: a number, or a name when `name` is not null.
struct ResourceId {
    UINT number;
    const char* name;
};

struct DialogItem {
    const char* className;
    const char* text;
    ResourceId image;   // the icon or bitmap of an image static; {0, nullptr} for none
    DWORD style;        // WS_CHILD is always set
    DWORD exStyle;
    short x, y, cx, cy; // dialog units
    int id;
};

// One list entry of a combo box or a list box, added when the dialog initialises.
struct DialogInitEntry {
    int controlId;
    const char* text;
};

struct DialogTemplate {
    ResourceId id;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;  // dialog units
    const char* caption;
    const char* fontFace;  // null without FONT
    WORD fontSize;
    const DialogItem* items;
    int itemCount;
    const DialogInitEntry* init;
    int initCount;
};

struct StringEntry {
    UINT id;
    const char* text;
};

// A file's bytes embedded as a resource of a type (RT_BITMAP, RT_ICON).
struct BinaryResource {
    ResourceId id;
    UINT type;
    const unsigned char* data;
    unsigned size;
    const char* fileName;
};

enum MenuItemFlags : unsigned char {
    kMenuPopup = 1,
    kMenuSeparator = 2,
    kMenuGrayed = 4,
    kMenuChecked = 8,
};

// A menu as a flat list: items of a popup follow it with a depth one greater.
struct MenuItem {
    const char* text;
    UINT id;
    unsigned char depth;
    unsigned char flags;
};

struct MenuTemplate {
    ResourceId id;
    const MenuItem* items;
    int itemCount;
};

struct ModuleResources {
    const DialogTemplate* dialogs;
    int dialogCount;
    const StringEntry* strings;
    int stringCount;
    const BinaryResource* binaries;
    int binaryCount;
    const MenuTemplate* menus;
    int menuCount;
};

// Registers a binary's tables under the binary's module handle for its lifetime (a generated
// file defines one).
class Registration {
public:
    explicit Registration(const ModuleResources& resources);
    ~Registration();
    Registration(const Registration&) = delete;
    Registration& operator=(const Registration&) = delete;

private:
    const ModuleResources& m_resources;
};

}  // namespace qelt::res
