#include "Printers.h"

#include "mfc/base/Encoding.h"

void PrintTo(const CString& text, std::ostream* os) {
    *os << '"' << qelt::text::GbkToUtf8ForDisplay(text.Str()) << '"';
}
