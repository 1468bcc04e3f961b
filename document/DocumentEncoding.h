#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The character encoding of a rule document, as its byte-order mark or its XML declaration gives
// it. Reading turns the bytes into UTF-8 for the parser; saving turns UTF-8 back into the same
// encoding, writing a character the encoding lacks as a character reference (&#8594;), so that
// the bytes always say what the declaration says.
class DocumentEncoding {
public:
    // Throws DocumentError, naming the file and the encoding, for one that cannot be read.
    static DocumentEncoding Of(std::string_view bytes, const std::filesystem::path& path);

    // The name the document declares; UTF-8 when it declares none.
    const std::string& Name() const { return m_name; }

    // The text in UTF-8 without a byte-order mark; throws DocumentError for bytes that are not
    // text in the encoding.
    std::string ToUtf8(std::string_view bytes, const std::filesystem::path& path) const;
    // The text as it stands in the bytes, without a byte-order mark, when they are UTF-8
    // already; nothing when they are to be converted with ToUtf8. Throws DocumentError, naming
    // the first byte that is not UTF-8 and its offset, for bytes that claim to be and are not.
    std::optional<std::string_view> Utf8AsItStands(std::string_view bytes,
                                                   const std::filesystem::path& path) const;
    // The UTF-8 text in the document's encoding, with the byte-order mark it was read with; a
    // UTF-8 text without a mark is handed back as it is, without a copy.
    std::string FromUtf8(std::string utf8) const;

private:
    class Converter;

    DocumentEncoding(std::string name, std::string converterName, std::string byteOrderMark)
        : m_name(std::move(name)),
          m_converterName(std::move(converterName)),
          m_byteOrderMark(std::move(byteOrderMark)) {}
    bool IsUtf8() const;
    bool KeepsMarkupReadable() const;
    static void Encode(const Converter& converter, std::string_view utf8, std::string& encoded);

    std::string m_name;           // as a declaration says it
    std::string m_converterName;  // as iconv knows it: with its byte order for UTF-16
    std::string m_byteOrderMark;
};
