#include "Parser.h"

#include "mfc/base/Encoding.h"
#include "win/Windows.h"

namespace qelt::rc {
namespace {

struct ControlKind {
    const char* keyword;
    const char* className;
    std::uint32_t style;  // besides WS_CHILD | WS_VISIBLE
};

// The bits of a class's style that make its type (a button's kind, a static's kind, a combo box's).
std::uint32_t TypeMask(const std::string& className) {
    if (className == "Button") return BS_TYPEMASK;
    if (className == "Static") return SS_TYPEMASK;
    if (className == "ComboBox") return 3;
    return 0;
}

// Statements that begin with the control's text.
const ControlKind kTextFirst[] = {
    {"LTEXT", "Static", SS_LEFT | WS_GROUP},
    {"RTEXT", "Static", SS_RIGHT | WS_GROUP},
    {"CTEXT", "Static", SS_CENTER | WS_GROUP},
    {"PUSHBUTTON", "Button", BS_PUSHBUTTON | WS_TABSTOP},
    {"DEFPUSHBUTTON", "Button", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"GROUPBOX", "Button", BS_GROUPBOX},
    {"CHECKBOX", "Button", BS_CHECKBOX | WS_TABSTOP},
    {"AUTOCHECKBOX", "Button", BS_AUTOCHECKBOX | WS_TABSTOP},
    {"STATE3", "Button", BS_3STATE | WS_TABSTOP},
    {"AUTO3STATE", "Button", BS_AUTO3STATE | WS_TABSTOP},
    {"RADIOBUTTON", "Button", BS_RADIOBUTTON | WS_TABSTOP},
    {"AUTORADIOBUTTON", "Button", BS_AUTORADIOBUTTON | WS_TABSTOP},
};

// Statements that begin with the control's id.
const ControlKind kIdFirst[] = {
    {"EDITTEXT", "Edit", ES_LEFT | WS_BORDER | WS_TABSTOP},
    {"COMBOBOX", "ComboBox", CBS_SIMPLE | WS_TABSTOP},
    {"LISTBOX", "ListBox", LBS_NOTIFY | WS_BORDER},
    {"SCROLLBAR", "ScrollBar", SBS_HORZ},
};

// The class keywords that CONTROL accepts in place of a quoted class name.
const char* const kClassKeywords[][2] = {
    {"BUTTON", "Button"}, {"EDIT", "Edit"},         {"STATIC", "Static"},
    {"LISTBOX", "ListBox"}, {"COMBOBOX", "ComboBox"}, {"SCROLLBAR", "ScrollBar"},
};

const char* const kMemoryOptions[] = {"DISCARDABLE", "MOVEABLE", "FIXED", "PURE", "IMPURE", "PRELOAD", "LOADONCALL"};

constexpr std::uint32_t kControlBase = WS_CHILD | WS_VISIBLE;

}  // namespace

Parser::Parser(std::vector<Token> tokens, Preprocessor& files, Model& model)
    : m_tokens(std::move(tokens)), m_files(files), m_model(model) {}

const Token& Parser::Peek() const { return m_tokens[m_at]; }

Token Parser::Next() {
    Token token = m_tokens[m_at];
    if (token.kind != Token::Kind::End) ++m_at;
    return token;
}

bool Parser::AcceptPunct(const char* punct) {
    if (!Peek().IsPunct(punct)) return false;
    Next();
    return true;
}

bool Parser::AcceptKeyword(const char* keyword) {
    if (!Peek().IsKeyword(keyword)) return false;
    Next();
    return true;
}

void Parser::ExpectComma(const char* what) {
    if (!AcceptPunct(",")) throw CompileError(Peek().where, std::string("expected ',' before ") + what + Found());
}

std::string Parser::Found() const { return Describe(Peek()); }

std::string Parser::Describe(const Token& token) {
    switch (token.kind) {
    case Token::Kind::End: return ", found the end of the file";
    case Token::Kind::String: return ", found \"" + token.text + "\"";
    case Token::Kind::Number: return ", found " + std::to_string(token.number);
    default: return ", found '" + token.text + "'";
    }
}

std::string Parser::Gbk(const Token& token) const {
    text::Conversion converted = text::Utf8ToGbk(token.text);
    if (!converted.ok) throw CompileError(token.where, "text \"" + token.text + "\" has no GBK form: " + converted.error);
    return converted.text;
}

std::string Parser::ExpectString(const char* what) {
    if (Peek().kind != Token::Kind::String) throw CompileError(Peek().where, std::string("expected ") + what + Found());
    return Gbk(Next());
}

void Parser::SkipMemoryOptions() {
    for (bool again = true; again;) {
        again = false;
        for (const char* option : kMemoryOptions) {
            if (AcceptKeyword(option)) again = true;
        }
    }
}

void Parser::Begin(const char* what) {
    if (!AcceptKeyword("BEGIN") && !AcceptPunct("{")) {
        throw CompileError(Peek().where, std::string("expected BEGIN of ") + what + Found());
    }
}

bool Parser::AcceptEnd() { return AcceptKeyword("END") || AcceptPunct("}"); }

bool Parser::StartsExpression() const {
    const Token& token = Peek();
    return token.kind == Token::Kind::Number || token.IsPunct("(") || token.IsPunct("-") || token.IsPunct("~");
}

long long Parser::Primary() {
    Token token = Next();
    if (token.kind == Token::Kind::Number) return token.number;
    if (token.IsPunct("-")) return -Primary();
    if (token.IsPunct("~")) return ~Primary();
    if (token.IsPunct("(")) {
        long long value = Expression();
        if (!AcceptPunct(")")) throw CompileError(Peek().where, "expected ')'" + Found());
        return value;
    }
    if (token.kind == Token::Kind::Identifier) throw CompileError(token.where, "undefined symbol " + token.text);
    throw CompileError(token.where, "expected a number" + Describe(token));
}

long long Parser::Sum() {
    long long value = Primary();
    for (;;) {
        if (AcceptPunct("+")) value += Primary();
        else if (AcceptPunct("-")) value -= Primary();
        else if (AcceptPunct("*")) value *= Primary();
        else return value;
    }
}

long long Parser::Expression() {
    long long value = Sum();
    for (;;) {
        if (AcceptPunct("|")) value |= Sum();
        else if (AcceptPunct("&")) value &= Sum();
        else return value;
    }
}

int Parser::Integer(const char* what) {
    if (!StartsExpression() && Peek().kind != Token::Kind::Identifier) {
        throw CompileError(Peek().where, std::string("expected ") + what + Found());
    }
    return static_cast<int>(Expression());
}

std::uint32_t Parser::Style(std::uint32_t value, std::uint32_t typeMask) {
    std::uint32_t added = 0;
    do {
        const bool clear = AcceptKeyword("NOT");
        const std::uint32_t term = static_cast<std::uint32_t>(Sum());
        if (clear) {
            value &= ~term;
            added &= ~term;
        } else {
            value |= term;
            added |= term;
        }
    } while (AcceptPunct("|"));
    // A type given replaces the statement's default type instead of mixing with it.
    if (added & typeMask) value = (value & ~typeMask) | (added & typeMask);
    return value;
}

ResourceName Parser::Name() {
    ResourceName name;
    if (Peek().kind == Token::Kind::Identifier) name.name = Next().text;
    else if (Peek().kind == Token::Kind::String) name.name = Next().text;
    else name.number = static_cast<std::uint32_t>(Integer("a resource id"));
    return name;
}

void Parser::Run() {
    while (Peek().kind != Token::Kind::End) {
        const Location where = Peek().where;
        if (AcceptKeyword("LANGUAGE")) {
            Integer("a language");
            ExpectComma("the sublanguage");
            Integer("a sublanguage");
        } else if (AcceptKeyword("STRINGTABLE")) {
            SkipMemoryOptions();
            StringTable();
        } else {
            ResourceName name = Name();
            const Token type = Next();
            SkipMemoryOptions();
            if (type.IsKeyword("DIALOGEX") || type.IsKeyword("DIALOG")) DialogResource(name, where);
            else if (type.IsKeyword("BITMAP")) FileResource(name, 2, where);
            else if (type.IsKeyword("ICON")) FileResource(name, 3, where);
            else if (type.IsKeyword("CURSOR")) FileResource(name, 1, where);
            else if (type.IsKeyword("MENU")) MenuResource(name, where);
            else if (type.IsKeyword("DLGINIT")) DialogInitResource(name, where);
            else if (type.kind == Token::Kind::Identifier) {
                throw CompileError(type.where, "unsupported resource type " + type.text);
            } else {
                throw CompileError(type.where, "expected a resource type after " + name.Describe());
            }
        }
    }
}

void Parser::DialogResource(const ResourceName& name, const Location& where) {
    Dialog dialog;
    dialog.id = name;
    dialog.where = where;
    dialog.x = Integer("the dialog's x");
    ExpectComma("the dialog's y");
    dialog.y = Integer("the dialog's y");
    ExpectComma("the dialog's width");
    dialog.cx = Integer("the dialog's width");
    ExpectComma("the dialog's height");
    dialog.cy = Integer("the dialog's height");
    if (AcceptPunct(",")) Integer("a help id");
    bool hasStyle = false, hasCaption = false;
    for (;;) {
        if (AcceptKeyword("STYLE")) {
            dialog.style = Style(0);
            hasStyle = true;
        } else if (AcceptKeyword("EXSTYLE")) {
            dialog.exStyle = Style(0);
        } else if (AcceptKeyword("CAPTION")) {
            dialog.caption = ExpectString("the caption in double quotes");
            hasCaption = true;
        } else if (AcceptKeyword("FONT")) {
            dialog.fontSize = Integer("the font size");
            ExpectComma("the font name");
            dialog.fontFace = ExpectString("the font name in double quotes");
            dialog.hasFont = true;
            for (int extra = 0; extra < 3 && AcceptPunct(","); ++extra) Integer("a font weight, italic flag or charset");
        } else if (AcceptKeyword("LANGUAGE")) {
            Integer("a language");
            ExpectComma("the sublanguage");
            Integer("a sublanguage");
        } else if (AcceptKeyword("CHARACTERISTICS") || AcceptKeyword("VERSION")) {
            Integer("a number");
        } else if (Peek().IsKeyword("MENU") || Peek().IsKeyword("CLASS")) {
            throw CompileError(Peek().where, "dialog option " + Peek().text + " is not supported");
        } else {
            break;
        }
    }
    if (!hasStyle) dialog.style = WS_POPUP | WS_BORDER | WS_SYSMENU;
    if (hasCaption) dialog.style |= WS_CAPTION;
    if (dialog.hasFont) dialog.style |= DS_SETFONT;
    Begin("the dialog's controls");
    while (!AcceptEnd()) dialog.controls.push_back(ControlStatement());
    m_model.dialogs.push_back(std::move(dialog));
}

// The text of CONTROL and ICON: a string, or the id of the image it shows.
void Parser::ControlText(Control& control) {
    if (Peek().kind == Token::Kind::String) {
        control.text = Gbk(Next());
    } else {
        control.hasImage = true;
        control.image = Name();
    }
}

void Parser::Rectangle(Control& control, bool sizeOptional) {
    control.x = Integer("the control's x");
    ExpectComma("the control's y");
    control.y = Integer("the control's y");
    if (sizeOptional && !Peek().IsPunct(",")) return;
    if (sizeOptional) {
        Next();
        control.cx = Integer("the control's width");
    } else {
        ExpectComma("the control's width");
        control.cx = Integer("the control's width");
    }
    ExpectComma("the control's height");
    control.cy = Integer("the control's height");
}

// The optional style and extended style that end most control statements.
void Parser::OptionalStyles(Control& control) {
    if (AcceptPunct(",")) control.style = Style(control.style, TypeMask(control.className));
    if (AcceptPunct(",")) control.exStyle = Style(0);
    if (AcceptPunct(",")) Integer("a help id");
}

Control Parser::ControlStatement() {
    const Token keyword = Next();
    Control control;
    control.where = keyword.where;
    if (keyword.kind != Token::Kind::Identifier) {
        throw CompileError(keyword.where, "expected a control statement or END" + std::string(keyword.kind == Token::Kind::End ? " before the end of the file" : ""));
    }
    for (const ControlKind& kind : kTextFirst) {
        if (!keyword.IsKeyword(kind.keyword)) continue;
        control.className = kind.className;
        control.style = kControlBase | kind.style;
        control.text = ExpectString("the control's text in double quotes");
        ExpectComma("the control's id");
        control.id = Integer("the control's id");
        ExpectComma("the control's x");
        Rectangle(control, false);
        OptionalStyles(control);
        return control;
    }
    for (const ControlKind& kind : kIdFirst) {
        if (!keyword.IsKeyword(kind.keyword)) continue;
        control.className = kind.className;
        control.style = kControlBase | kind.style;
        control.id = Integer("the control's id");
        ExpectComma("the control's x");
        Rectangle(control, false);
        OptionalStyles(control);
        return control;
    }
    if (keyword.IsKeyword("ICON")) {
        control.className = "Static";
        control.style = kControlBase | SS_ICON;
        ControlText(control);
        ExpectComma("the control's id");
        control.id = Integer("the control's id");
        ExpectComma("the control's x");
        Rectangle(control, true);
        OptionalStyles(control);
        return control;
    }
    if (keyword.IsKeyword("CONTROL")) {
        ControlText(control);
        ExpectComma("the control's id");
        control.id = Integer("the control's id");
        ExpectComma("the control's class");
        if (Peek().kind == Token::Kind::String) {
            control.className = Next().text;
        } else {
            for (const auto& pair : kClassKeywords) {
                if (AcceptKeyword(pair[0])) control.className = pair[1];
            }
            if (control.className.empty()) throw CompileError(Peek().where, "expected the control's class" + Found());
        }
        ExpectComma("the control's style");
        control.style = Style(kControlBase);
        ExpectComma("the control's x");
        Rectangle(control, false);
        if (AcceptPunct(",")) control.exStyle = Style(0);
        if (AcceptPunct(",")) Integer("a help id");
        return control;
    }
    throw CompileError(keyword.where, "unknown control statement " + keyword.text);
}

void Parser::StringTable() {
    Begin("the string table");
    while (!AcceptEnd()) {
        StringResource entry;
        entry.where = Peek().where;
        entry.id = static_cast<std::uint32_t>(Integer("a string id or END"));
        AcceptPunct(",");
        entry.text = ExpectString("the string in double quotes");
        m_model.strings.push_back(std::move(entry));
    }
}

void Parser::FileResource(const ResourceName& name, std::uint32_t type, const Location& where) {
    if (Peek().kind != Token::Kind::String) throw CompileError(Peek().where, "expected a file name in double quotes" + Found());
    const Token file = Next();
    BinaryResource resource;
    resource.id = name;
    resource.type = type;
    resource.where = where;
    resource.fileName = file.text;
    resource.bytes = m_files.ReadFile(m_files.Resolve(file.text, file.where), file.where);
    m_model.binaries.push_back(std::move(resource));
}

void Parser::MenuItems(Menu& menu, int depth) {
    Begin("the menu's items");
    while (!AcceptEnd()) {
        MenuItem item;
        item.depth = depth;
        if (AcceptKeyword("MENUITEM")) {
            if (AcceptKeyword("SEPARATOR")) {
                item.separator = true;
                menu.items.push_back(item);
                continue;
            }
            item.text = ExpectString("the item's text in double quotes");
            ExpectComma("the item's id");
            item.id = static_cast<std::uint32_t>(Integer("the item's id"));
            MenuOptions(item);
            menu.items.push_back(item);
        } else if (AcceptKeyword("POPUP")) {
            item.popup = true;
            item.text = ExpectString("the popup's text in double quotes");
            MenuOptions(item);
            menu.items.push_back(item);
            MenuItems(menu, depth + 1);
        } else {
            throw CompileError(Peek().where, "expected MENUITEM, POPUP or END" + Found());
        }
    }
}

void Parser::MenuOptions(MenuItem& item) {
    while (AcceptPunct(",") || Peek().kind == Token::Kind::Identifier) {
        if (AcceptKeyword("GRAYED")) item.grayed = true;
        else if (AcceptKeyword("CHECKED")) item.checked = true;
        else if (AcceptKeyword("INACTIVE") || AcceptKeyword("MENUBARBREAK") || AcceptKeyword("MENUBREAK") ||
                 AcceptKeyword("HELP")) {
        } else if (Peek().IsKeyword("MENUITEM") || Peek().IsKeyword("POPUP") || Peek().IsKeyword("BEGIN") ||
                   Peek().IsKeyword("END")) {
            return;
        } else {
            throw CompileError(Peek().where, "unknown menu option" + Found());
        }
    }
}

void Parser::MenuResource(const ResourceName& name, const Location& where) {
    Menu menu;
    menu.id = name;
    menu.where = where;
    MenuItems(menu, 0);
    m_model.menus.push_back(std::move(menu));
}

void Parser::DialogInitResource(const ResourceName& name, const Location&) {
    Begin("the list entries");
    while (!AcceptEnd()) {
        PendingInit pending;
        pending.dialog = name;
        pending.entry.where = Peek().where;
        pending.entry.controlId = Integer("a control id or END");
        ExpectComma("the entry's text");
        pending.entry.text = ExpectString("the entry's text in double quotes");
        m_pendingInits.push_back(std::move(pending));
    }
}

}  // namespace qelt::rc
