// Reads the statements of a preprocessed resource script into the model: DIALOG / DIALOGEX with
// STYLE, EXSTYLE, CAPTION and FONT and the control statements (CONTROL, EDITTEXT, LTEXT, RTEXT,
// CTEXT, PUSHBUTTON, DEFPUSHBUTTON, GROUPBOX, CHECKBOX, AUTOCHECKBOX, STATE3, AUTO3STATE,
// RADIOBUTTON, AUTORADIOBUTTON, COMBOBOX, LISTBOX, SCROLLBAR, ICON), STRINGTABLE, BITMAP and ICON
// files, MENU, and DLGINIT.
//
// A control statement's style is its default (EDITTEXT: ES_LEFT | WS_BORDER | WS_TABSTOP …, always
// with WS_CHILD | WS_VISIBLE) combined with the style written: terms are added, NOT terms removed,
// and a type written (BS_…, SS_…, CBS_DROPDOWN …) replaces the default's type.
//
// DLGINIT is written as text here, not as the platform's binary block: each entry is the id of a
// combo or list box of the dialog and the text of one list entry, added in order when the dialog
// initialises:
//
//     IDD_PAGE DLGINIT
//     BEGIN
//         IDC_SECTION, "矩形"
//         IDC_SECTION, "T形"
//     END
#pragma once

#include <vector>

#include "Model.h"
#include "Preprocessor.h"

namespace qelt::rc {

// A DLGINIT entry waiting for its dialog, which another script may hold.
struct PendingInit {
    ResourceName dialog;
    DialogInit entry;
};

class Parser {
public:
    Parser(std::vector<Token> tokens, Preprocessor& files, Model& model);
    void Run();
    std::vector<PendingInit>& PendingInits() { return m_pendingInits; }

private:
    const Token& Peek() const;
    Token Next();
    bool AcceptPunct(const char* punct);
    bool AcceptKeyword(const char* keyword);
    void ExpectComma(const char* what);
    std::string Found() const;
    static std::string Describe(const Token& token);
    std::string Gbk(const Token& token) const;
    std::string ExpectString(const char* what);
    void SkipMemoryOptions();
    void Begin(const char* what);
    bool AcceptEnd();

    bool StartsExpression() const;
    long long Primary();
    long long Sum();
    long long Expression();
    int Integer(const char* what);
    // A style expression: terms joined by '|', each OR'ed into `value`, or cleared with NOT; type
    // bits given (within typeMask) replace those of `value`.
    std::uint32_t Style(std::uint32_t value, std::uint32_t typeMask = 0);
    ResourceName Name();

    void DialogResource(const ResourceName& name, const Location& where);
    Control ControlStatement();
    void ControlText(Control& control);
    void Rectangle(Control& control, bool sizeOptional);
    void OptionalStyles(Control& control);
    void StringTable();
    void FileResource(const ResourceName& name, std::uint32_t type, const Location& where);
    void MenuResource(const ResourceName& name, const Location& where);
    void MenuItems(Menu& menu, int depth);
    void MenuOptions(MenuItem& item);
    void DialogInitResource(const ResourceName& name, const Location& where);

    std::vector<Token> m_tokens;
    size_t m_at = 0;
    Preprocessor& m_files;
    Model& m_model;
    std::vector<PendingInit> m_pendingInits;
};

}  // namespace qelt::rc
