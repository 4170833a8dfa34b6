#include "KorCli.h"

#include <CLI/CLI.hpp>
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

}  // namespace

int run_kor(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"KOR (Korvath): item analysis of multiple-choice tests", "kor"};
    app.set_version_flag("--version", std::string("kor ") + KOR_VERSION_TEXT);
    app.require_subcommand(1);

    CommandContext context{out, err};
    add_check_command(app, context);
    add_analyze_command(app, context);
    add_generate_command(app, context);
    add_example_command(app, context);
    add_spearman_brown_command(app, context);
    add_convert_command(app, context);
    add_import_command(app, context);
    add_export_command(app, context);
    add_help_command(app, context);

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
