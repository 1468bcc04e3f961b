#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/RuleDocument.h"

// The rule document the editor holds open. Unlike a command it keeps the document for long, so
// it reads the file without holding it and locks it only while saving; a save first checks that
// the file is still the one it read, so a change made meanwhile by someone else is not lost
// unasked. Every change goes through the document's text, made as veritor-rules makes it (an
// edited rule spliced into the text read, every other byte kept; a unit change writing the whole
// document), and the rules are loaded anew from it, so what the window shows is what the file
// will hold.
class StudioDocument {
public:
    // Throws DocumentError naming the file.
    static std::unique_ptr<StudioDocument> Open(const std::filesystem::path& path);
    // Every rule at its defaults, not yet saved anywhere.
    static std::unique_ptr<StudioDocument> New(bool casting);

    const std::optional<std::filesystem::path>& Path() const { return m_path; }
    // A name for titles and messages.
    std::string DisplayName() const;
    RuleUnitSystemStructure Units() const { return m_document->Units(); }
    std::vector<LoadedRule>& Rules() { return m_rules; }
    const std::vector<std::string>& Warnings() const { return m_document->Warnings(); }

    // The text a save would write now; Restore goes back to it exactly.
    const std::string& Text() const { return m_text; }
    void Restore(const std::string& text);

    // The rule's element written anew after its dialog was confirmed.
    void RuleEdited(LoadedRule& loaded);
    // Converts every rule, as veritor-rules units does. When values would be rounded away and
    // rounding is not allowed, nothing changes and the values are returned, one line each.
    std::vector<std::string> ConvertUnits(const RuleUnitSystemStructure& to, bool allowRounding);

    // What the file now holds, when someone changed it since this document last read or wrote
    // it; nothing when it is as it was, is gone or cannot be read.
    std::optional<std::string> ChangedOnDisk() const;

    enum class SaveResult { Saved, ChangedOnDisk };
    // Writes the document at the path, atomically and keeping links and owners as
    // veritor-rules does. A file at the path that differs from what this document last read or
    // wrote there is replaced only with overwriteChanged; otherwise ChangedOnDisk. Throws
    // DocumentError naming the file.
    SaveResult Save(const std::filesystem::path& path, bool overwriteChanged);

private:
    StudioDocument(std::string text, std::optional<std::filesystem::path> path);
    std::filesystem::path Name() const;
    void Load(const std::string& text);

    std::optional<std::filesystem::path> m_path;
    std::string m_onDisk;  // what the file at m_path held when read or last saved
    std::string m_text;
    std::unique_ptr<RuleDocument> m_document;
    std::vector<LoadedRule> m_rules;
};
