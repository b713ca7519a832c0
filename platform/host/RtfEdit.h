// CRtfEdit: a rich edit control that shows report rows. Besides what the control shows, it keeps
// its content as a complete RTF document with the pictures and tables that the control itself
// does not hold (GetRTF), in the same RTF as the Word output.
#pragma once

#include <string>
#include <vector>

#include "host/RtfDocument.h"
#include "host/WordRow.h"
#include "mfc/richedit/RichEditCtrl.h"
#include "mfc/base/String.h"

class CRtfEdit : public CRichEditCtrl {
public:
    CRtfEdit();
    ~CRtfEdit() override;

    // Appends a text with its report markup at the end: style bits (1 bold, 2 italic, 4 underline),
    // alignment (0 left, 1 centred, 2 right), c and d without effect, colour, size in points (above
    // 0, at most 1638) and font. FALSE, with a diagnostic, for refused arguments or no window.
    BOOL WriteText(LPCTSTR pszText, long lStyle, int nAlign, int nC, int nD, COLORREF crColor, double dSize,
                   LPCTSTR pszFont);
    // Appends the picture of a picture row, on a line of its own.
    BOOL WritePhotograph(const CWordRow* pRow);
    // The RTF of a text with its markup in that size and font (the font entered in the control's
    // font table), for a document that the caller hands to SetRTF.
    CString TransToRTF(LPCTSTR pszText, double dSize, LPCTSTR pszFont);
    // Inserts a complete RTF document at the insertion point (moved forward to the end of the
    // piece written there, when it lies inside one). FALSE for a text that is no RTF document.
    BOOL SetRTF(LPCTSTR pszRtf);

    // The content as a complete RTF document. Text that was changed through the control's own
    // operations is taken as the control holds it.
    CString GetRTF();

private:
    struct Piece {
        std::string rtf;  // body of the document
        long chars;       // characters it put into the control
        bool lineOpen;    // it left its line open
    };

    long CharCount() const;
    // Puts a document into the control at a position; the characters it added.
    long StreamAt(long position, const std::string& document);
    // Drops the pieces when the control's text no longer is theirs, keeping what the control holds.
    void Follow();

    qelt::report::RtfDocument m_document;
    std::vector<Piece> m_pieces;
};
