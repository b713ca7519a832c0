// One row of a report: a formatted text (its packed record), a picture, or a table directive.
#pragma once

#include <vector>

#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CWordRow {
public:
    enum {
        kindText = 0,     // the text is a packed text record (MuitByteConvert.h)
        kindPicture = 1,  // the text names the picture; the row holds its own PNG copy
        kindTable = 2,    // the text is a table directive: "INS_r,c", "SET_r,c,text" or an end
    };

    CWordRow(int nKind, const CString& strText);
    // A picture row: the PNG bytes of the picture, its size in pixels and whether it is centred.
    CWordRow(const CString& strName, std::vector<unsigned char> png, int nWidth, int nHeight, BOOL bCentred);

    int GetKind() const { return m_nKind; }
    const CString& GetText() const { return m_strText; }

    // Picture rows only (empty or 0 on other rows).
    const std::vector<unsigned char>& GetPng() const { return m_png; }
    int GetPictureWidth() const { return m_nWidth; }
    int GetPictureHeight() const { return m_nHeight; }
    BOOL IsPictureCentred() const { return m_bCentred; }

private:
    int m_nKind;
    CString m_strText;
    std::vector<unsigned char> m_png;
    int m_nWidth = 0;
    int m_nHeight = 0;
    BOOL m_bCentred = FALSE;
};
