#include "host/WordRow.h"

#include <utility>

CWordRow::CWordRow(int nKind, const CString& strText) : m_nKind(nKind), m_strText(strText) {}

CWordRow::CWordRow(const CString& strName, std::vector<unsigned char> png, int nWidth, int nHeight,
                   BOOL bCentred)
    : m_nKind(kindPicture), m_strText(strName), m_png(std::move(png)), m_nWidth(nWidth),
      m_nHeight(nHeight), m_bCentred(bCentred) {}
