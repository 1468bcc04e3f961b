#include "document/DocumentEncoding.h"

#include <iconv.h>

#include <fmt/format.h>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <optional>

#include "document/DocumentError.h"
#include "platform/Utf.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

std::string Upper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return upper;
}

// The encoding an XML declaration at the start names, if it names one.
std::optional<std::string> DeclaredEncoding(std::string_view bytes) {
    if (!bytes.starts_with("<?xml")) {
        return std::nullopt;
    }
    const std::string_view declaration = bytes.substr(0, bytes.find("?>"));
    const std::size_t key = declaration.find("encoding");
    const std::size_t quote = declaration.find_first_of("\"'", key);
    if (key == std::string_view::npos || quote == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t end = declaration.find(declaration[quote], quote + 1);
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(declaration.substr(quote + 1, end - quote - 1));
}

}  // namespace

// An iconv conversion, closed when it goes.
class DocumentEncoding::Converter {
public:
    Converter(const std::string& to, const std::string& from)
        : m_handle(::iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (IsOpen()) {
            ::iconv_close(m_handle);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool IsOpen() const { return m_handle != reinterpret_cast<iconv_t>(-1); }
    // Converts as much as it can; false at a character it cannot (errno says why).
    bool Convert(char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) const {
        return ::iconv(m_handle, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    }
    // Ends the text: an encoding with shift states (UTF-7, ISO-2022-JP) writes its closing bytes.
    std::string Finish() const {
        char buffer[64];
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        ::iconv(m_handle, nullptr, nullptr, &out, &outLeft);
        return std::string(buffer, sizeof buffer - outLeft);
    }

private:
    iconv_t m_handle;
};

namespace {

// The length of the UTF-8 sequence that starts with this byte (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

std::uint32_t CodePoint(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    const std::size_t length = SequenceLength(lead);
    std::uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length && i < sequence.size(); ++i) {
        point = (point << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    }
    return point;
}

}  // namespace

DocumentEncoding DocumentEncoding::Of(std::string_view bytes, const std::filesystem::path& path) {
    if (bytes.starts_with(kUtf8Mark)) {
        return {"UTF-8", "UTF-8", std::string(kUtf8Mark)};
    }
    if (bytes.starts_with(kUtf16LittleMark)) {
        return {"UTF-16", "UTF-16LE", std::string(kUtf16LittleMark)};
    }
    if (bytes.starts_with(kUtf16BigMark)) {
        return {"UTF-16", "UTF-16BE", std::string(kUtf16BigMark)};
    }
    const std::string declared = DeclaredEncoding(bytes).value_or("UTF-8");
    DocumentEncoding encoding(declared, declared, "");
    if (!encoding.IsUtf8() && !encoding.KeepsMarkupReadable()) {
        throw DocumentError(fmt::format("{}: declares the encoding \"{}\", which cannot be read",
                                        path.string(), encoding.m_name));
    }
    return encoding;
}

// The declaration is found by its ASCII bytes, so only an encoding that writes markup as ASCII
// (not UTF-7, whose "<" is "+ADw-") gives back a document that reads again.
bool DocumentEncoding::KeepsMarkupReadable() const {
    const Converter reader("UTF-8", m_converterName);
    const Converter writer(m_converterName, "UTF-8");
    if (!reader.IsOpen() || !writer.IsOpen()) {
        return false;
    }
    const std::string markup = "<?xml version=\"1.0\" encoding=\"" + m_name + "\"?><a b='c'/>";
    std::string written;
    Encode(writer, markup, written);
    return written + writer.Finish() == markup;
}

bool DocumentEncoding::IsUtf8() const {
    const std::string upper = Upper(m_converterName);
    return upper == "UTF-8" || upper == "UTF8";
}

std::string DocumentEncoding::ToUtf8(std::string_view bytes,
                                     const std::filesystem::path& path) const {
    if (const std::optional<std::string_view> utf8 = Utf8AsItStands(bytes, path)) {
        return std::string(*utf8);
    }
    bytes.remove_prefix(m_byteOrderMark.size());
    const Converter converter("UTF-8", m_converterName);
    std::string utf8(bytes.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = utf8.data();
    std::size_t outLeft = utf8.size();
    if (!converter.Convert(in, inLeft, out, outLeft)) {
        throw DocumentError(fmt::format("{}: not {} text at byte {}", path.string(), m_name,
                                        bytes.size() - inLeft + m_byteOrderMark.size()));
    }
    utf8.resize(utf8.size() - outLeft);
    return utf8;
}

std::optional<std::string_view> DocumentEncoding::Utf8AsItStands(
    std::string_view bytes, const std::filesystem::path& path) const {
    if (!IsUtf8()) {
        return std::nullopt;
    }
    bytes.remove_prefix(m_byteOrderMark.size());
    if (const std::optional<std::size_t> invalid = platform::FirstInvalidUtf8(bytes)) {
        const std::size_t offset = *invalid + m_byteOrderMark.size();
        throw DocumentError(fmt::format("{}: not UTF-8 text: byte 0x{:02X} at offset {}",
                                        path.string(), static_cast<unsigned char>(bytes[*invalid]),
                                        offset));
    }
    return bytes;
}

std::string DocumentEncoding::FromUtf8(std::string utf8) const {
    if (IsUtf8()) {
        return m_byteOrderMark.empty() ? std::move(utf8) : m_byteOrderMark + utf8;
    }
    const Converter converter(m_converterName, "UTF-8");
    std::string encoded = m_byteOrderMark;
    Encode(converter, utf8, encoded);
    return encoded + converter.Finish();
}

// A character the encoding lacks is written as a reference to it, through the same conversion,
// so that an encoding with shift states first returns to the state its ASCII is written in.
void DocumentEncoding::Encode(const Converter& converter, std::string_view utf8,
                              std::string& encoded) {
    char buffer[4096];
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const bool converted = converter.Convert(in, inLeft, out, outLeft);
        encoded.append(buffer, sizeof buffer - outLeft);
        if (!converted && errno != E2BIG) {
            const std::size_t length =
                std::min(SequenceLength(static_cast<unsigned char>(*in)), inLeft);
            Encode(converter, fmt::format("&#{};", CodePoint(std::string_view(in, length))),
                   encoded);
            in += length;
            inLeft -= length;
        }
    }
}
