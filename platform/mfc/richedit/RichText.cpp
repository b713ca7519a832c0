#include "mfc/richedit/RichText.h"

#include <algorithm>

namespace qelt::rich {

bool CharFormat::operator==(const CharFormat& other) const {
    return effects == other.effects && height == other.height && offset == other.offset &&
           color == other.color && charSet == other.charSet && pitchAndFamily == other.pitchAndFamily &&
           face == other.face;
}

size_t GbkCharWidth(std::string_view text, size_t index) {
    const auto lead = static_cast<unsigned char>(text[index]);
    if (lead >= 0x81 && lead <= 0xFE && index + 1 < text.size()) {
        const auto trail = static_cast<unsigned char>(text[index + 1]);
        if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) return 2;
    }
    return 1;
}

void Document::Clamp(int& first, int& last) const {
    first = std::clamp(first, 0, Length());
    last = std::clamp(last, first, Length());
}

std::string Document::Text(int first, int last, bool crlf) const {
    Clamp(first, last);
    std::string text;
    text.reserve(static_cast<size_t>(ByteLength(first, last, crlf)));
    for (int i = first; i < last; ++i) {
        const Char& c = m_chars[static_cast<size_t>(i)];
        if (crlf && c.size == 1 && c.bytes[0] == '\r') {
            text += "\r\n";
        } else {
            text.append(c.bytes, c.size);
        }
    }
    return text;
}

int Document::ByteLength(int first, int last, bool crlf) const {
    Clamp(first, last);
    int bytes = 0;
    for (int i = first; i < last; ++i) {
        const Char& c = m_chars[static_cast<size_t>(i)];
        bytes += (crlf && c.size == 1 && c.bytes[0] == '\r') ? 2 : c.size;
    }
    return bytes;
}

std::uint32_t Document::FormatIndex(const CharFormat& format) {
    auto found = std::find(m_formats.begin(), m_formats.end(), format);
    if (found != m_formats.end()) return static_cast<std::uint32_t>(found - m_formats.begin());
    m_formats.push_back(format);
    return static_cast<std::uint32_t>(m_formats.size() - 1);
}

int Document::Insert(int at, std::string_view gbk, const CharFormat& format) {
    at = std::clamp(at, 0, Length());
    const std::uint32_t index = FormatIndex(format);
    std::vector<Char> chars;
    for (size_t i = 0; i < gbk.size();) {
        if (gbk[i] == '\r' || gbk[i] == '\n') {
            // "\r\n", "\n" and "\r" all end a paragraph.
            i += (gbk[i] == '\r' && i + 1 < gbk.size() && gbk[i + 1] == '\n') ? 2 : 1;
            chars.push_back(Char{{'\r', 0}, 1, index});
            continue;
        }
        const size_t width = GbkCharWidth(gbk, i);
        Char c{{gbk[i], width == 2 ? gbk[i + 1] : '\0'}, static_cast<std::uint8_t>(width), index};
        chars.push_back(c);
        i += width;
    }
    m_chars.insert(m_chars.begin() + at, chars.begin(), chars.end());
    ShiftPictures(at, static_cast<int>(chars.size()));
    return static_cast<int>(chars.size());
}

int Document::Insert(int at, const Document& other) {
    at = std::clamp(at, 0, Length());
    std::vector<std::uint32_t> remap;
    remap.reserve(other.m_formats.size());
    for (const CharFormat& format : other.m_formats) remap.push_back(FormatIndex(format));
    std::vector<Char> chars = other.m_chars;
    for (Char& c : chars) c.format = remap[c.format];
    m_chars.insert(m_chars.begin() + at, chars.begin(), chars.end());
    ShiftPictures(at, static_cast<int>(chars.size()));
    for (Picture picture : other.m_pictures) {
        picture.position += at;
        AddPicture(std::move(picture));
    }
    return static_cast<int>(chars.size());
}

void Document::AddPicture(Picture picture) {
    picture.position = std::clamp(picture.position, 0, Length());
    auto after = std::upper_bound(m_pictures.begin(), m_pictures.end(), picture.position,
                                  [](int position, const Picture& p) { return position < p.position; });
    m_pictures.insert(after, std::move(picture));
}

void Document::ShiftPictures(int at, int count) {
    for (Picture& picture : m_pictures)
        if (picture.position > at) picture.position += count;
}

void Document::Append(std::string_view character, const CharFormat& format) {
    Char c{{character.empty() ? '\0' : character[0], character.size() > 1 ? character[1] : '\0'},
           static_cast<std::uint8_t>(std::min<size_t>(character.size(), 2)), FormatIndex(format)};
    if (c.size > 0) m_chars.push_back(c);
}

void Document::Erase(int first, int last) {
    Clamp(first, last);
    if (first == last) return;
    m_chars.erase(m_chars.begin() + first, m_chars.begin() + last);
    m_pictures.erase(std::remove_if(m_pictures.begin(), m_pictures.end(),
                                    [&](const Picture& p) { return p.position >= first && p.position < last; }),
                     m_pictures.end());
    ShiftPictures(last - 1, first - last);
}

void Document::Clear() {
    m_chars.clear();
    m_formats.clear();
    m_pictures.clear();
}

const CharFormat& Document::FormatAt(int index) const {
    return m_formats[m_chars[static_cast<size_t>(index)].format];
}

void Document::Reformat(int first, int last, const std::function<CharFormat(const CharFormat&)>& change) {
    Clamp(first, last);
    // Each distinct format is changed once; the table may grow meanwhile, so work on a copy.
    const std::vector<CharFormat> formats = m_formats;
    std::vector<std::int64_t> changed(formats.size(), -1);
    for (int i = first; i < last; ++i) {
        std::uint32_t& index = m_chars[static_cast<size_t>(i)].format;
        if (changed[index] < 0) changed[index] = FormatIndex(change(formats[index]));
        index = static_cast<std::uint32_t>(changed[index]);
    }
}

char Document::LastByte() const {
    if (m_chars.empty()) return 0;
    const Char& c = m_chars.back();
    return c.bytes[c.size - 1];
}

void Document::ReplaceLast(std::string_view character) {
    if (m_chars.empty() || character.empty()) return;
    Char& c = m_chars.back();
    c.bytes[0] = character[0];
    c.bytes[1] = character.size() > 1 ? character[1] : '\0';
    c.size = static_cast<std::uint8_t>(std::min<size_t>(character.size(), 2));
}

}  // namespace qelt::rich
