#include <CLI/CLI.hpp>

#include <iostream>

#include "app/CTeskCommonRulesApp.h"
#include "cli/ModuleHost.h"

namespace {

constexpr const char* kVersion = "0.1.0";

int RunInfo() {
    const ModuleHost module(ModuleHost::StagedModulePath());
    const CTeskCommonRulesApp* app = module.Application();
    std::cout << "module: " << module.ModuleName() << "\n"
              << "summary: " << module.ModuleSummary() << "\n"
              << "language: " << (app ? app->m_strLanguage : CString()) << "\n"
              << "folder: " << (app ? app->m_strLangFolder : CString()) << "\n"
              << "help: " << (app ? app->m_strHelpFilePath : CString()) << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App cli{"veritor-rules: runs the moulding and casting design-rule module without the CAD system"};
    cli.set_version_flag("--version", std::string("veritor-rules ") + kVersion);
    cli.require_subcommand(1);

    int status = 0;
    cli.add_subcommand("info", "Load the staged module and show its name, summary and language")
        ->callback([&status] { status = RunInfo(); });

    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return cli.exit(error);
    } catch (const std::exception& error) {
        std::cerr << "veritor-rules: " << error.what() << "\n";
        return 1;
    }
    return status;
}
