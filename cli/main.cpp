#include <CLI/CLI.hpp>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "cli/CheckCommand.h"
#include "cli/Commands.h"
#include "cli/PrintingMessageSink.h"
#include "document/RuleDocument.h"

namespace {

constexpr const char* kVersion = VERITOR_VERSION;
// A day: a longer wait for another command is a mistake, not a wish.
constexpr double kLongestWait = 86400;

void AddWaitOption(CLI::App& command, std::optional<double>& seconds) {
    command
        .add_option("--wait", seconds,
                    "Give up after SECONDS when another command holds the document (default: "
                    "wait as long as it holds it)")
        ->option_text("SECONDS")
        ->check(CLI::Validator(
            [](const std::string& text) {
                double value = 0;
                const auto [end, error] =
                    std::from_chars(text.data(), text.data() + text.size(), value);
                const bool valid = error == std::errc() && end == text.data() + text.size() &&
                                   value >= 0 && value <= kLongestWait;
                return valid ? std::string()
                             : "give the seconds to wait as a number from 0 to 86400";
            },
            "SECONDS"));
}

void AddDocumentCommands(CLI::App& cli, int& status, NewOptions& created,
                         std::filesystem::path& shown, UnitsOptions& converted) {
    cli.add_subcommand("list", "Show every rule of the module at its defaults")
        ->callback([&status] { status = RunList(); });

    CLI::App* create =
        cli.add_subcommand("new", "Write a rule document with every rule at its defaults");
    create->add_option("FILE", created.file, "The document to write")->required();
    create->add_option("--unit", created.unit,
                       "Length unit: 0-10 or mm, cm, m, in, ft, ft-in, angstrom, nm, um, mil, uin");
    create->add_option("--angle", created.angle,
                       "Angle unit: 0-3 or deg, rad, deg-min, deg-min-sec");
    create->add_flag("--casting", created.casting,
                     "Build the rules for casting (casting validator, category 12)");
    create->add_flag("--force", created.force, "Overwrite an existing file");
    AddWaitOption(*create, created.waitSeconds);
    create->callback([&] { status = RunNew(created); });

    CLI::App* show =
        cli.add_subcommand("show", "Load a rule document and show its rules and parameters");
    show->add_option("FILE", shown, "The document to read")->required();
    show->callback([&] { status = RunShow(shown); });

    CLI::App* units = cli.add_subcommand("units", "Convert a rule document to another unit system");
    units->add_option("FILE", converted.file, "The document to convert")->required();
    units->add_option("--unit", converted.unit, "New length unit");
    units->add_option("--angle", converted.angle, "New angle unit");
    units->add_flag("--allow-rounding", converted.allowRounding,
                    "Convert even when values would be rounded away in the new units");
    AddWaitOption(*units, converted.waitSeconds);
    units->callback([&] {
        if (!converted.unit && !converted.angle) {
            throw CLI::ValidationError("units", "give --unit, --angle or both");
        }
        status = RunUnits(converted);
    });
}

// The first word when it names no command (and is no option).
std::optional<std::string> UnknownCommand(CLI::App& cli, int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') {
        return std::nullopt;
    }
    for (const CLI::App* command : cli.get_subcommands({})) {
        if (command->get_name() == argv[1]) {
            return std::nullopt;
        }
    }
    return std::string(argv[1]);
}

std::string CommandNames(CLI::App& cli) {
    std::string names;
    for (const CLI::App* command : cli.get_subcommands({})) {
        names += (names.empty() ? "" : ", ") + command->get_name();
    }
    return names;
}

void AddCheckCommand(CLI::App& cli, int& status, CheckCommandOptions& checked) {
    CLI::App* check = cli.add_subcommand(
        "check", "Apply the document's rules to a part (STEP, IGES or STL) and report findings");
    check->add_option("PART", checked.part,
                      "The part: .step/.stp, .iges/.igs or .stl (none with --batch)");
    check->add_option("RULES", checked.rules, "The rule document");
    check->add_option("--pull", checked.pull,
                      "Pull direction X,Y,Z (default 0,0,1), or auto: the direction with the least "
                      "undercut area");
    check->add_option("--format", checked.format, "text (default) or json");
    check->add_option("--part-units", checked.partUnits,
                      "Length unit of an STL part (default: the document's)");
    check
        ->add_option("--solid", checked.solid,
                     "Check only solid N (from 1, in the file's order; default: each in turn)")
        ->option_text("N")
        ->check(CLI::PositiveNumber);
    check
        ->add_option("--fail-on", checked.failOn,
                     "Exit 1 on a finding of this severity or above (default 3)")
        ->option_text("SEVERITY")
        ->check(CLI::NonNegativeNumber);
    check->add_option("--max-findings", checked.maxFindings, "Exit 1 on more findings than N")
        ->option_text("N")
        ->check(CLI::NonNegativeNumber);
    check
        ->add_option("--batch", checked.batch,
                     "Check every part of a list (one path a line) or folder against RULES, "
                     "one JSON line per part")
        ->option_text("LIST|DIR");
    check
        ->add_option("--jobs", checked.jobs,
                     "With --batch, check N parts at a time (default 1; 0: one per core)")
        ->option_text("N")
        ->check(CLI::NonNegativeNumber);
    check->callback([&] {
        // With --batch the one name given is the document's, which CLI11 puts in PART.
        const bool named = checked.batch ? !checked.part.empty() && checked.rules.empty()
                                         : !checked.part.empty() && !checked.rules.empty();
        if (!named) {
            throw CLI::ValidationError(
                "check", checked.batch ? "give --batch LIST|DIR RULES.xml" : "give PART RULES.xml");
        }
        if (checked.batch) {
            checked.rules = std::exchange(checked.part, {});
        }
        status = RunCheck(checked);
    });
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App cli{
        "veritor-rules: runs the moulding and casting design-rule module without the CAD system"};
    cli.set_version_flag("--version", std::string("veritor-rules ") + kVersion);
    cli.require_subcommand(1);

    CPrintingMessageSink messages(std::cerr);
    SetMessageSink(&messages);

    int status = 0;
    NewOptions created;
    std::filesystem::path shown;
    UnitsOptions converted;
    cli.add_subcommand("info", "Load the staged module and show its name, summary and language")
        ->callback([&status] { status = RunInfo(); });
    AddDocumentCommands(cli, status, created, shown, converted);

    EditOptions edited;
    CLI::App* edit =
        cli.add_subcommand("edit", "Open a rule's dialog and save what is confirmed with OK");
    edit->add_option("FILE", edited.file, "The document holding the rule")->required();
    edit->add_option("RULE", edited.rule, "The rule's English name, e.g. \"Draft Angle\"")
        ->required();
    edit->add_option(
        "--script", edited.script,
        "Lines acting as the person: type ID TEXT, clear ID, paste ID TEXT, choose ID TEXT, "
        "click ID, key NAME, cell ROW COL [double|ctrl|shift], wheel ID N, focus ID, show, ok, "
        "cancel; "
        "without it they are "
        "read from standard input and the dialog is shown after each");
    AddWaitOption(*edit, edited.waitSeconds);
    edit->callback([&] { status = RunEdit(edited); });

    CheckCommandOptions checked;
    AddCheckCommand(cli, status, checked);

    if (const std::optional<std::string> unknown = UnknownCommand(cli, argc, argv)) {
        std::cerr << "veritor-rules: unknown command \"" << *unknown << "\" (" << CommandNames(cli)
                  << "; --help tells more)\n";
        return static_cast<int>(CLI::ExitCodes::ExtrasError);
    }
    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return cli.exit(error);
    } catch (const std::exception& error) {
        std::cerr << "veritor-rules: " << error.what() << "\n";
        return 1;
    }
    // Output that could not be written is a failure; a reader that stopped reading ends the
    // program quietly by SIGPIPE before it gets here.
    if (!std::cout.flush()) {
        std::cerr << "veritor-rules: the output could not be written: " << std::strerror(errno)
                  << "\n";
        return 1;
    }
    return status;
}
