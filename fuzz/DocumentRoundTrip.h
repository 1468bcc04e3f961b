#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "document/RuleDocument.h"

// What the fuzz targets check of a document they end with.

// Stops the run as a finding: the input that got here is what libFuzzer keeps.
[[noreturn]] inline void FailFuzzCheck(const char* problem, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", problem, detail.c_str());
    std::abort();
}

// The text loaded and saved again as `veritor-rules units` does, without converting: every
// known rule written anew. A saved document that does not load and save again is a finding.
inline std::string ResavedDocument(const std::string& text, const char* name) {
    try {
        const std::unique_ptr<RuleDocument> document = RuleDocument::Parse(text, name);
        for (LoadedRule& loaded : document->LoadRules()) {
            if (loaded.rule) {
                document->ReplaceRuleElement(loaded);
            }
        }
        return document->SaveText(name);
    } catch (const DocumentError& error) {
        FailFuzzCheck("a saved document does not load and save again:", error.what());
    }
}

// A saved document must load again, and from then on loading and saving must change nothing.
inline void ExpectSettledOnReload(const std::string& saved, const char* problem) {
    const std::string once = ResavedDocument(saved, "saved.xml");
    if (ResavedDocument(once, "resaved.xml") != once) {
        FailFuzzCheck(problem, once);
    }
}
