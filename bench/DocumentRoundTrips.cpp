#include "bench/DocumentRoundTrips.h"

#include <pugixml.hpp>

#include <iostream>
#include <streambuf>
#include <string>

#include "cli/Commands.h"
#include "document/DocumentFile.h"

namespace {

struct StringWriter : pugi::xml_writer {
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

// Standard output taken away for as long as the object lives: the benchmark's own table goes
// there too.
class DroppedOutput {
public:
    DroppedOutput() : m_saved(std::cout.rdbuf(&m_nowhere)) {}
    ~DroppedOutput() { std::cout.rdbuf(m_saved); }
    DroppedOutput(const DroppedOutput&) = delete;
    DroppedOutput& operator=(const DroppedOutput&) = delete;

private:
    struct Nowhere : std::streambuf {
        int overflow(int c) override { return traits_type::not_eof(c); }
    };
    Nowhere m_nowhere;
    std::streambuf* m_saved;
};

}  // namespace

int ModuleUnits(const std::filesystem::path& file) {
    const DroppedOutput dropped;
    return RunUnits({.file = file, .unit = "in", .angle = "rad", .allowRounding = true});
}

int ModuleShow(const std::filesystem::path& file) {
    const DroppedOutput dropped;
    return RunShow(file);
}

bool PugixmlUnits(const std::filesystem::path& file) {
    DocumentFile document = DocumentFile::OpenToChange(file);
    pugi::xml_document parsed;
    const std::string& content = document.Content();
    if (!parsed.load_buffer(content.data(), content.size(),
                            pugi::parse_default | pugi::parse_declaration)) {
        return false;
    }
    StringWriter writer;
    parsed.save(writer, "  ", pugi::format_indent);
    document.Replace(writer.text);
    return true;
}
