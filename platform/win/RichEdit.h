// The rich edit control's records, flags and messages, with the platform's values. The messages
// that were needed earlier live in win/WinMessages.h.
#pragma once

#include "win/WinTypes.h"
#include "win/WinMessages.h"
#include "win/WinGdi.h"

#define RICHEDIT_CLASS "RichEdit20A"

typedef DWORD LCID;

#define EM_EXLINEFROMCHAR (WM_USER + 54)
#define EM_GETPARAFORMAT (WM_USER + 61)
#define EM_GETSELTEXT (WM_USER + 62)
#define EM_SETPARAFORMAT (WM_USER + 71)

// Character format masks (which fields of a CHARFORMAT count).
#define CFM_BOLD 0x00000001
#define CFM_ITALIC 0x00000002
#define CFM_UNDERLINE 0x00000004
#define CFM_STRIKEOUT 0x00000008
#define CFM_PROTECTED 0x00000010
#define CFM_LINK 0x00000020
#define CFM_SIZE 0x80000000
#define CFM_COLOR 0x40000000
#define CFM_FACE 0x20000000
#define CFM_OFFSET 0x10000000
#define CFM_CHARSET 0x08000000
#define CFM_BACKCOLOR 0x04000000
#define CFM_WEIGHT 0x00400000
#define CFM_SUBSCRIPT (CFE_SUBSCRIPT | CFE_SUPERSCRIPT)
#define CFM_SUPERSCRIPT CFM_SUBSCRIPT
#define CFM_EFFECTS (CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_COLOR | CFM_STRIKEOUT | CFE_PROTECTED | CFM_LINK)
#define CFM_ALL (CFM_EFFECTS | CFM_SIZE | CFM_FACE | CFM_OFFSET | CFM_CHARSET)

// Character effects.
#define CFE_BOLD 0x00000001
#define CFE_ITALIC 0x00000002
#define CFE_UNDERLINE 0x00000004
#define CFE_STRIKEOUT 0x00000008
#define CFE_PROTECTED 0x00000010
#define CFE_LINK 0x00000020
#define CFE_SUBSCRIPT 0x00010000
#define CFE_SUPERSCRIPT 0x00020000
#define CFE_AUTOBACKCOLOR CFM_BACKCOLOR
#define CFE_AUTOCOLOR 0x40000000

// Which text EM_SETCHARFORMAT / EM_GETCHARFORMAT address.
#define SCF_DEFAULT 0x0000
#define SCF_SELECTION 0x0001
#define SCF_WORD 0x0002
#define SCF_ALL 0x0004

// Stream formats.
#define SF_TEXT 0x0001
#define SF_RTF 0x0002
#define SF_RTFNOOBJS 0x0003
#define SF_TEXTIZED 0x0004
#define SF_UNICODE 0x0010
#define SFF_PLAINRTF 0x4000
#define SFF_SELECTION 0x8000

// EDITSTREAM's dwError for data that is not what the format says (the system's error code).
#define ERROR_INVALID_DATA 13L

// EM_GETTEXTLENGTHEX.
#define GTL_DEFAULT 0
#define GTL_USECRLF 1
#define GTL_PRECISE 2
#define GTL_CLOSE 4
#define GTL_NUMCHARS 8
#define GTL_NUMBYTES 16

struct CHARFORMAT {
    UINT cbSize;
    DWORD dwMask;
    DWORD dwEffects;
    LONG yHeight;   // twips
    LONG yOffset;   // twips, positive raises the text
    COLORREF crTextColor;
    BYTE bCharSet;
    BYTE bPitchAndFamily;
    char szFaceName[LF_FACESIZE];
};
typedef CHARFORMAT CHARFORMATA;

struct CHARFORMAT2 : CHARFORMAT {
    WORD wWeight;
    short sSpacing;
    COLORREF crBackColor;
    LCID lcid;
    DWORD dwReserved;
    short sStyle;
    WORD wKerning;
    BYTE bUnderlineType;
    BYTE bAnimation;
    BYTE bRevAuthor;
    BYTE bReserved1;
};
typedef CHARFORMAT2 CHARFORMAT2A;

struct CHARRANGE {
    LONG cpMin;
    LONG cpMax;
};

struct TEXTRANGE {
    CHARRANGE chrg;
    LPSTR lpstrText;
};
typedef TEXTRANGE TEXTRANGEA;

struct GETTEXTLENGTHEX {
    DWORD flags;
    UINT codepage;
};

// The stream callback: fills (reading in) or takes (writing out) up to cb bytes, sets *pcb to the
// bytes handled and returns 0, or a nonzero error code that ends the transfer.
typedef DWORD(CALLBACK* EDITSTREAMCALLBACK)(DWORD_PTR dwCookie, BYTE* pbBuff, LONG cb, LONG* pcb);

struct EDITSTREAM {
    DWORD_PTR dwCookie;
    DWORD dwError;
    EDITSTREAMCALLBACK pfnCallback;
};
