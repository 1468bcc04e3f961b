#include "cli/Commands.h"

#include <fmt/format.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>

#include "app/CTeskCommonRulesApp.h"
#include "cli/EditScript.h"
#include "cli/PrintingMessageSink.h"
#include "document/DocumentConversion.h"
#include "document/DocumentFile.h"
#include "document/ModuleHost.h"
#include "document/NewDocument.h"
#include "document/RuleCatalogue.h"
#include "document/RuleDocument.h"
#include "document/UnitCodes.h"
#include "params/NumberText.h"
#include "params/OperatorText.h"
#include "params/SeverityText.h"
#include "platform/Utf.h"

namespace {

std::string Utf8(const CString& text) {
    return platform::Utf8FromWide(text.str());
}

void PrintRule(const CTeskRule& rule) {
    std::cout << Utf8(rule.m_strName) << "\n"
              << "  display name: " << Utf8(rule.m_strDisplayName) << "\n"
              << "  severity: " << rule.m_nSeverity << " (" << Utf8(SeverityText(rule.m_nSeverity))
              << ")\n"
              << "  description: " << Utf8(rule.m_strDescription) << "\n";
}

std::string ValuesText(CTeskParamStorage& param) {
    std::string text;
    param.Visit([&text](auto tag, auto& data) {
        for (int i = 0; i < data.Values.GetCount(); ++i) {
            text += i == 0 ? "" : ", ";
            const auto& value = data.Values.ElementAt(i);
            if constexpr (decltype(tag)::value == TESK_TYPE_DOUBLE) {
                text += Utf8(FormatNumber(value));
            } else if constexpr (decltype(tag)::value == TESK_TYPE_TEXT_LIST) {
                std::string row;
                for (POSITION pos = value ? value->GetHeadPosition() : POSITION(); pos;) {
                    row += (row.empty() ? "" : " ") + Utf8(value->GetNext(pos));
                }
                text += "(" + row + ")";
            } else if constexpr (decltype(tag)::value == TESK_TYPE_TEXT) {
                text += value ? Utf8(*value) : "";
            } else {
                text += std::to_string(value);
            }
        }
    });
    return text;
}

void PrintParameters(CTeskRule& rule) {
    for (int i = 0; i < rule.m_arrParams.GetCount(); ++i) {
        CTeskParamStorage* param = rule.m_arrParams.ElementAt(i);
        const TeskParamFields* fields = param ? param->GetFields() : nullptr;
        if (!fields) {
            continue;
        }
        std::cout << "  parameter " << fields->Id << ": " << (fields->Status ? "on" : "off")
                  << ", operator "
                  << (OperatorToText(fields->Operator).IsEmpty()
                          ? std::to_string(fields->Operator)
                          : Utf8(OperatorToText(fields->Operator)))
                  << ", values " << ValuesText(*param) << "\n";
    }
}

std::int32_t LinearUnitOrThrow(const std::string& text) {
    const auto code = ParseLinearUnit(text);
    if (!code) {
        throw std::invalid_argument(
            fmt::format("unknown length unit \"{}\": use 0 to 10 or mm, cm, m, in, ft, ft-in, "
                        "angstrom, nm, um, mil, uin",
                        text));
    }
    return *code;
}

std::int32_t AngularUnitOrThrow(const std::string& text) {
    const auto code = ParseAngularUnit(text);
    if (!code) {
        throw std::invalid_argument(fmt::format(
            "unknown angle unit \"{}\": use 0 to 3 or deg, rad, deg-min, deg-min-sec", text));
    }
    return *code;
}

CString ModuleText(UINT id) {
    return g_pTheApp ? LoadString(g_pTheApp->m_hLangResDll, id) : CString();
}

LockWait WaitFor(const std::filesystem::path& file, std::optional<double> seconds) {
    LockWait wait;
    if (seconds) {
        wait.limit = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::duration<double>(*seconds));
    }
    wait.onWaiting = [file] {
        std::cerr << "veritor-rules: waiting for " << file.string()
                  << ": another command is saving it\n";
    };
    return wait;
}

void PrintWarnings(const RuleDocument& document) {
    for (const std::string& warning : document.Warnings()) {
        std::cerr << "veritor-rules: warning: " << warning << "\n";
    }
}

}  // namespace

int RunInfo() {
    const ModuleHost module(ModuleHost::StagedModulePath());
    const CTeskCommonRulesApp* app = module.Application();
    std::cout << "module: " << Utf8(module.ModuleName()) << "\n"
              << "summary: " << Utf8(module.ModuleSummary()) << "\n"
              << "language: " << Utf8(app ? app->m_strLanguage : CString()) << "\n"
              << "folder: " << Utf8(app ? app->m_strLangFolder : CString()) << "\n"
              << "help: " << Utf8(app ? app->m_strHelpFilePath : CString()) << "\n";
    return 0;
}

int RunList() {
    bool first = true;
    for (const RuleKind& kind : RuleCatalogue()) {
        std::cout << (first ? "" : "\n");
        PrintRule(*kind.makeDefault());
        first = false;
    }
    return 0;
}

int RunNew(const NewOptions& options) {
    const RuleUnitSystemStructure chosen{LinearUnitOrThrow(options.unit),
                                         AngularUnitOrThrow(options.angle)};
    std::error_code error;
    if (!options.force && std::filesystem::exists(options.file, error)) {
        throw DocumentError(options.file.string() +
                            ": already exists (use --force to overwrite it)");
    }
    DocumentFile file =
        DocumentFile::OpenToCreate(options.file, WaitFor(options.file, options.waitSeconds));
    file.Replace(MakeNewDocument(chosen, options.casting)->SaveText(options.file));
    return 0;
}

int RunShow(const std::filesystem::path& file) {
    const std::unique_ptr<RuleDocument> document = RuleDocument::Load(file);
    const RuleUnitSystemStructure units = document->Units();
    std::cout << "units: " << LinearUnitSymbol(units.linearUnit) << ", "
              << AngularUnitName(units.angularUnit) << "\n";
    std::vector<LoadedRule> rules = document->LoadRules();
    PrintWarnings(*document);
    for (LoadedRule& loaded : rules) {
        std::cout << "\n";
        if (!loaded.rule) {
            CString name;
            loaded.element->GetAttributeValue(ModuleText(2020), name);
            std::cout << "<" << Utf8(loaded.element->GetNodeName()) << "> " << Utf8(name)
                      << "\n  (not a rule of this module: kept as it is)\n";
            continue;
        }
        PrintRule(*loaded.rule);
        PrintParameters(*loaded.rule);
    }
    return 0;
}

int RunUnits(const UnitsOptions& options) {
    DocumentFile file =
        DocumentFile::OpenToChange(options.file, WaitFor(options.file, options.waitSeconds));
    // Every rule is written anew, so the text read is not needed for the save.
    std::unique_ptr<RuleDocument> document =
        RuleDocument::Parse(file.Content(), options.file, SourceText::dropped);
    const RuleUnitSystemStructure from = document->Units();
    const RuleUnitSystemStructure to{
        options.unit ? LinearUnitOrThrow(*options.unit) : from.linearUnit,
        options.angle ? AngularUnitOrThrow(*options.angle) : from.angularUnit};
    // Each rule is let go of once written back: a large document's rules are never all held.
    std::vector<std::string> losses;
    document->ForEachRule([&](LoadedRule& loaded) { ConvertRule(*document, loaded, to, losses); });
    PrintWarnings(*document);
    if (!losses.empty() && !options.allowRounding) {
        for (const std::string& loss : losses) {
            std::cerr << options.file.string() << ": " << loss << "\n";
        }
        throw DocumentError(fmt::format(
            "{}: not converted: {} value(s) would be rounded away in the new units, which keep six "
            "decimals (--allow-rounding converts anyway)",
            options.file.string(), losses.size()));
    }
    document->SetUnits(to);
    file.Replace(document->SaveText(options.file));
    std::cout << options.file.string() << ": " << LinearUnitSymbol(from.linearUnit) << ", "
              << AngularUnitName(from.angularUnit) << " -> " << LinearUnitSymbol(to.linearUnit)
              << ", " << AngularUnitName(to.angularUnit) << "\n";
    return 0;
}

namespace {

LoadedRule* FindRule(std::vector<LoadedRule>& rules, const std::string& name,
                     const std::filesystem::path& file) {
    std::string known;
    for (LoadedRule& loaded : rules) {
        if (!loaded.rule) {
            continue;
        }
        if (Utf8(loaded.rule->m_strName) == name) {
            return &loaded;
        }
        known += (known.empty() ? "" : ", ") + Utf8(loaded.rule->m_strName);
    }
    throw DocumentError(fmt::format("{}: no rule named \"{}\" (the document holds: {})",
                                    file.string(), name,
                                    known.empty() ? "no rule of this module" : known));
}

}  // namespace

int RunEdit(const EditOptions& options) {
    DocumentFile file =
        DocumentFile::OpenToChange(options.file, WaitFor(options.file, options.waitSeconds));
    std::unique_ptr<RuleDocument> document = RuleDocument::Parse(file.Content(), options.file);
    std::vector<LoadedRule> rules = document->LoadRules();
    PrintWarnings(*document);
    LoadedRule& loaded = *FindRule(rules, options.rule, options.file);

    std::ifstream scriptFile;
    if (options.script) {
        std::error_code error;
        if (std::filesystem::is_directory(*options.script, error)) {
            throw DocumentError(options.script->string() + ": is a folder, not a script");
        }
        scriptFile.open(*options.script);
        if (!scriptFile) {
            throw DocumentError(options.script->string() +
                                ": cannot be read: " + std::strerror(errno));
        }
    }
    CPrintingMessageSink shown(std::cout);
    const CScopedMessageSink messages(shown);
    const ScriptedEdit edit = EditWithScript(
        *loaded.rule, options.script ? static_cast<std::istream&>(scriptFile) : std::cin, std::cout,
        !options.script);

    if (edit.dialogsRun == 0) {
        throw DocumentError(fmt::format("{}: the rule \"{}\" has no editing dialog",
                                        options.file.string(), options.rule));
    }
    if (edit.scriptError) {
        throw ScriptError(
            fmt::format("{}; {} left unchanged", *edit.scriptError, options.file.string()));
    }
    if (edit.unreadLine != 0) {
        std::cerr << "veritor-rules: script lines from " << edit.unreadLine
                  << " on were not run: the dialog had closed\n";
    }
    if (edit.result != IDOK) {
        std::cout << options.file.string() << ": left unchanged (the dialog was cancelled)\n";
        return 0;
    }
    document->ReplaceRuleElement(loaded);
    file.Replace(document->SaveTextChangingOnly(loaded, options.file));
    std::cout << options.file.string() << ": saved\n";
    return 0;
}
