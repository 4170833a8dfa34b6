// kor spearman-brown --kr20 R --items N [--target r]: the calculator's
// answers as lines.

#include <memory>
#include <ostream>

#include "CliCommon.h"
#include "app/Application.h"
#include "app/forms/SpearmanBrownForm.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

struct SpearmanBrownFlags {
    std::string kr20;
    int items = 0;
    std::string target;
};

void print_answers(const SpearmanBrownForm& f, std::ostream& out) {
    out << "To achieve a desired of reliability of " << f.txt_sbrel << '\n'
        << "you need " << f.txt_moreitems << ' ' << f.lbl_more_fewer << " items.\n"
        << "This is because the test must be " << f.txt_multiplier
        << " times longer than its current " << f.txt_current << " items,\n"
        << "for a TOTAL of " << f.txt_totalitems
        << " items of similar quality to those in the test now.\n"
        << "The reliability of the test analyzed was " << f.txt_rel_out << '\n';
}

int run_spearman_brown(const SpearmanBrownFlags& flags, CommandContext& context) {
    const auto kr20 = parse_real(flags.kr20, ".");
    if (!kr20 || *kr20 < -1.0 || *kr20 > 1.0) {
        context.err << "--kr20 must be a number between -1 and 1\n";
        return exit_usage;
    }
    const Application::SpearmanBrownAnswer calculated =
        Application::spearman_brown(*kr20, flags.items, flags.target);
    print_messages(calculated.outcome, context.err);
    if (calculated.outcome.refused) {
        return exit_usage;
    }
    print_answers(calculated.answer, context.out);
    return exit_ok;
}

}  // namespace

void add_spearman_brown_command(CLI::App& app, CommandContext& context) {
    auto flags = std::make_shared<SpearmanBrownFlags>();
    CLI::App* command = app.add_subcommand(
        "spearman-brown", "How many items a test needs to reach a desired reliability");
    command->add_option("--kr20", flags->kr20, "reliability (KR20) of the test now")->required();
    command->add_option("--items", flags->items, "number of items of the test now")
        ->required()
        ->check(CLI::Range(1, 100000));
    command->add_option("--target", flags->target, "desired reliability (0.80 unless given)");
    command->callback(
        [flags, &context] { context.exit_code = run_spearman_brown(*flags, context); });
}

}  // namespace kor
