#include "KorCli.h"

#include <CLI/CLI.hpp>
#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "CliCommon.h"

#ifndef KOR_VERSION_TEXT
#define KOR_VERSION_TEXT "unknown"
#endif

namespace kor {

namespace {

// "kor help" and "kor help COMMAND" print what --help prints.
void add_help_command(CLI::App& app, CommandContext& context) {
    auto topic = std::make_shared<std::string>();
    CLI::App* help = app.add_subcommand("help", "Show this help, or the help of one command");
    help->add_option("COMMAND", *topic, "the command to explain");
    help->callback([&app, topic, &context] {
        // App::help() would describe the selected subcommand, this one.
        if (topic->empty()) {
            context.out << app.get_formatter()->make_help(&app, app.get_name(),
                                                          CLI::AppFormatMode::Normal);
            return;
        }
        try {
            context.out << app.get_subcommand(*topic)->help(app.get_name());
        } catch (const CLI::OptionNotFound&) {
            context.err << "There is no command named " << *topic << "; kor help lists them\n";
            context.exit_code = exit_usage;
        }
    });
}

// The commands in the order of the help. Each one's options are built only
// when the arguments may name it: building all of them costs more than the
// short commands' own work.
struct CommandEntry {
    const char* name;
    void (*add)(CLI::App&, CommandContext&);
};

constexpr std::array<CommandEntry, 8> commands{{
    {"check", add_check_command},
    {"analyze", add_analyze_command},
    {"generate", add_generate_command},
    {"example", add_example_command},
    {"spearman-brown", add_spearman_brown_command},
    {"convert", add_convert_command},
    {"import", add_import_command},
    {"export", add_export_command},
}};

// The one command that `args` can name: the first argument names it and no
// later argument names another (a stray command name is told apart by the
// parser only when every command is there). Nullptr when the arguments ask
// for the help, the version or any other command, which need them all.
const CommandEntry* only_command_named(const std::vector<std::string>& args) {
    if (args.size() < 2) {
        return nullptr;
    }
    const CommandEntry* named = nullptr;
    for (const CommandEntry& command : commands) {
        if (args[1] == command.name) {
            named = &command;
        }
    }
    if (named == nullptr) {
        return nullptr;
    }
    for (std::size_t a = 2; a < args.size(); ++a) {
        for (const CommandEntry& command : commands) {
            if (args[a] == command.name || args[a] == "help") {
                return nullptr;
            }
        }
    }
    return named;
}

}  // namespace

int run_kor(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"KOR (Korvath): item analysis of multiple-choice tests", "kor"};
    app.set_version_flag("--version", std::string("kor ") + KOR_VERSION_TEXT);
    app.require_subcommand(1);

    CommandContext context{out, err};
    if (const CommandEntry* only = only_command_named(args)) {
        only->add(app, context);
    } else {
        for (const CommandEntry& command : commands) {
            command.add(app, context);
        }
        add_help_command(app, context);
    }

    std::vector<const char*> argv;
    argv.reserve(args.size() + 1);
    if (args.empty()) {
        argv.push_back("kor");
    }
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error, out, err);
        return code == 0 ? exit_ok : exit_usage;
    }
    return context.exit_code;
}

}  // namespace kor
