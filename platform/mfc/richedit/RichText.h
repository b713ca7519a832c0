// The text of a rich edit control: a sequence of characters, each with its character format.
// Positions count characters, as the rich edit control does: a GBK character of two bytes is one
// position, and a paragraph end is one character, '\r'. Texts given in may end their lines with
// "\r\n", "\n" or "\r"; texts read out end paragraphs with "\r\n" when asked to.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "win/WinTypes.h"

namespace qelt::rich {

// One character format: the CFE_* effects, the size and the vertical offset in twips, the colour
// (ignored while CFE_AUTOCOLOR is set), the character set, pitch and family, and the face (GBK).
struct CharFormat {
    DWORD effects = 0;
    LONG height = 180;
    LONG offset = 0;
    COLORREF color = 0;
    BYTE charSet = 0;
    BYTE pitchAndFamily = 0;
    std::string face;

    bool operator==(const CharFormat& other) const;
    bool operator!=(const CharFormat& other) const { return !(*this == other); }
};

// A picture in the text, PNG data shown at width × height pixels. It stands before the character at
// `position` (at the end when that is the length) and takes no position of its own: positions
// count characters only.
struct Picture {
    int position = 0;
    std::shared_ptr<const std::string> png;
    int width = 0, height = 0;
};

// The byte length (1 or 2) of the GBK character that begins at text[index].
size_t GbkCharWidth(std::string_view text, size_t index);

class Document {
public:
    int Length() const { return static_cast<int>(m_chars.size()); }
    bool Empty() const { return m_chars.empty(); }

    // The text of the characters [first, last) (clamped into the document); crlf writes each
    // paragraph end as "\r\n", otherwise as "\r".
    std::string Text(int first, int last, bool crlf) const;
    std::string Text(bool crlf) const { return Text(0, Length(), crlf); }
    // How many bytes Text(first, last, crlf) has, without building it.
    int ByteLength(int first, int last, bool crlf) const;

    // Inserts GBK text with one format at a position (clamped); returns the characters inserted.
    int Insert(int at, std::string_view gbk, const CharFormat& format);
    // Inserts another document's characters with their formats.
    int Insert(int at, const Document& other);
    // Appends one character (1 or 2 bytes; "\r" for a paragraph end).
    void Append(std::string_view character, const CharFormat& format);
    void Erase(int first, int last);
    void Clear();

    const CharFormat& FormatAt(int index) const;  // index must lie in the document
    // A number of the character's format, the same for every character of that format while the
    // document is not cleared.
    std::uint32_t FormatIdAt(int index) const { return m_chars[static_cast<size_t>(index)].format; }
    // Gives each character of [first, last) the format that change makes of its own.
    void Reformat(int first, int last, const std::function<CharFormat(const CharFormat&)>& change);
    // A picture at its position (clamped), after the pictures already there. Inserting text moves
    // the pictures after the place on; erasing characters takes the pictures before them along.
    void AddPicture(Picture picture);
    const std::vector<Picture>& Pictures() const { return m_pictures; }  // by position

    char LastByte() const;                        // 0 for an empty document
    void ReplaceLast(std::string_view character); // the last character becomes another one

private:
    struct Char {
        char bytes[2];
        std::uint8_t size;
        std::uint32_t format;
    };
    std::uint32_t FormatIndex(const CharFormat& format);
    void Clamp(int& first, int& last) const;

    // Moves the pictures after position `at` on by `count` characters.
    void ShiftPictures(int at, int count);

    std::vector<Char> m_chars;
    std::vector<CharFormat> m_formats;
    std::vector<Picture> m_pictures;
};

}  // namespace qelt::rich
