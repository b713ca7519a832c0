#include "com/Bstr.h"

#include <iconv.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "com/ComBase.h"
#include "com/ComError.h"

namespace {

// The header before the characters: the byte length, padded so that the text stays aligned.
struct BstrHeader {
    std::uint32_t padding;
    std::uint32_t byteLength;
};

BstrHeader* HeaderOf(BSTR text) { return reinterpret_cast<BstrHeader*>(text) - 1; }

// Converts bytes between two encodings; false when the input holds what the target cannot.
bool Convert(const char* to, const char* from, const char* input, std::size_t size, std::string& output)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    output.assign(size * 4 + 4, '\0');
    char* in = const_cast<char*>(input);
    char* out = output.data();
    std::size_t inLeft = size, outLeft = output.size();
    const bool ok = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) &&
                    iconv(cd, nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    output.resize(output.size() - outLeft);
    return ok;
}

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT length)
{
    void* block = std::malloc(sizeof(BstrHeader) + (static_cast<std::size_t>(length) + 1) * sizeof(OLECHAR));
    if (!block) return nullptr;
    BstrHeader* header = static_cast<BstrHeader*>(block);
    header->padding = 0;
    header->byteLength = length * sizeof(OLECHAR);
    BSTR result = reinterpret_cast<BSTR>(header + 1);
    if (text) std::memcpy(result, text, length * sizeof(OLECHAR));
    else std::memset(result, 0, length * sizeof(OLECHAR));
    result[length] = 0;
    return result;
}

void SysFreeString(BSTR text)
{
    if (text) std::free(HeaderOf(text));
}

UINT SysStringLen(BSTR text) { return text ? HeaderOf(text)->byteLength / sizeof(OLECHAR) : 0; }

namespace _com_util {

BSTR ConvertStringToBSTR(const char* text)
{
    if (!text) return nullptr;
    std::string utf16;
    if (!Convert("UTF-16LE", "GBK", text, std::strlen(text), utf16)) _com_issue_error(E_INVALIDARG);
    BSTR result = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(utf16.data()),
                                    static_cast<UINT>(utf16.size() / sizeof(OLECHAR)));
    if (!result) _com_issue_error(E_OUTOFMEMORY);
    return result;
}

std::string ConvertBSTRToString(BSTR text)
{
    std::string gbk;
    if (!text) return gbk;
    if (!Convert("GBK", "UTF-16LE", reinterpret_cast<const char*>(text), SysStringLen(text) * sizeof(OLECHAR), gbk))
        _com_issue_error(E_INVALIDARG);
    return gbk;
}

}  // namespace _com_util
