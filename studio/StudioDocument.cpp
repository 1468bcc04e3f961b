#include "studio/StudioDocument.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "document/DocumentConversion.h"
#include "document/DocumentFile.h"
#include "document/NewDocument.h"

namespace {

const std::filesystem::path kUnsavedName = "untitled.xml";

std::string ReadFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw DocumentError(path.string() + ": is a folder, not a rule document");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw DocumentError(path.string() + ": cannot be read: " + std::strerror(errno));
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

StudioDocument::StudioDocument(std::string text, std::optional<std::filesystem::path> path)
    : m_path(std::move(path)) {
    if (m_path) {
        m_onDisk = text;
    }
    Load(text);
}

std::unique_ptr<StudioDocument> StudioDocument::Open(const std::filesystem::path& path) {
    // Reading needs no lock: the document is checked against the file again when it is saved.
    return std::unique_ptr<StudioDocument>(new StudioDocument(ReadFile(path), path));
}

std::unique_ptr<StudioDocument> StudioDocument::New(bool casting) {
    const std::string text = MakeNewDocument({0, 0}, casting)->SaveText(kUnsavedName);
    return std::unique_ptr<StudioDocument>(new StudioDocument(text, std::nullopt));
}

std::filesystem::path StudioDocument::Name() const {
    return m_path.value_or(kUnsavedName);
}

std::string StudioDocument::DisplayName() const {
    return Name().filename().string();
}

void StudioDocument::Load(const std::string& text) {
    std::unique_ptr<RuleDocument> document = RuleDocument::Parse(text, Name());
    std::vector<LoadedRule> rules = document->LoadRules();
    m_document = std::move(document);
    m_rules = std::move(rules);
    m_text = text;
}

void StudioDocument::Restore(const std::string& text) {
    Load(text);
}

// As veritor-rules edit does: only the rule's element is written anew, every other byte kept.
// The document stands as reading that text would leave it, so it is read again only when the
// splice could not be made; reading a large document takes far longer than the edit.
void StudioDocument::RuleEdited(LoadedRule& loaded) {
    if (std::optional<std::string> text = m_document->ChangeRuleInPlace(loaded, m_rules, Name())) {
        m_text = std::move(*text);
        return;
    }
    Load(m_document->SaveTextChangingOnly(loaded, Name()));
}

std::vector<std::string> StudioDocument::ConvertUnits(const RuleUnitSystemStructure& to,
                                                      bool allowRounding) {
    std::vector<std::string> losses = ConvertRules(*m_document, m_rules, to);
    if (!losses.empty() && !allowRounding) {
        Load(m_text);
        return losses;
    }
    m_document->SetUnits(to);
    Load(m_document->SaveText(Name()));
    return {};
}

std::optional<std::string> StudioDocument::ChangedOnDisk() const {
    if (!m_path) {
        return std::nullopt;
    }
    try {
        std::string content = ReadFile(*m_path);
        if (content != m_onDisk) {
            return content;
        }
    } catch (const DocumentError&) {
        // A file gone or unreadable offers nothing to reload.
    }
    return std::nullopt;
}

StudioDocument::SaveResult StudioDocument::Save(const std::filesystem::path& path,
                                                bool overwriteChanged) {
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    DocumentFile file =
        exists ? DocumentFile::OpenToChange(path) : DocumentFile::OpenToCreate(path);
    const bool ours = m_path && std::filesystem::equivalent(*m_path, path, error);
    if (exists && ours && file.Content() != m_onDisk && !overwriteChanged) {
        return SaveResult::ChangedOnDisk;
    }
    file.Replace(m_text);
    m_path = path;
    m_onDisk = m_text;
    return SaveResult::Saved;
}
