// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/VerbOptions.h"

#include <getopt.h>

#include <charconv>
#include <cmath>
#include <ostream>

#include "core/text/FieldString.h"

namespace gw::cli {

const char* const kCommonOptionsHelp =
    "\nEvery verb also takes:\n"
    "  -q, --quiet  no status lines (the files written, \"All Done\") on stderr;\n"
    "               errors and warnings stay\n"
    "  -h, --help   this text\n"
    "An option's value is the next argument, or follows the option after \"=\";\n"
    "\"--\" ends the options, so that a file name may start with \"-\".\n";

namespace {

// getopt_long's codes for the table's options lie above every character.
constexpr int kFirstOptionCode = 256;

bool IsLong(const OptionRule& rule) { return rule.name[0] == '-' && rule.name[1] == '-'; }

// The whole text as a finite number (a leading + allowed, as people type it).
bool StrictNumber(const std::string& text, double& value) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') return false;
    }
    if (digits.empty()) return false;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() && end == digits.data() + digits.size() && std::isfinite(value);
}

std::string ChoiceList(const std::string& choices) {
    std::string list;
    std::size_t start = 0;
    while (start <= choices.size()) {
        std::size_t bar = choices.find('|', start);
        if (bar == std::string::npos) bar = choices.size();
        const bool last = bar == choices.size();
        if (!list.empty()) list += last ? " or " : ", ";
        list += choices.substr(start, bar - start);
        start = bar + 1;
    }
    return list;
}

// The choice that value names, spelt as the table spells it; empty for none.
std::string MatchChoice(const std::string& choices, const std::string& value) {
    std::size_t start = 0;
    while (start <= choices.size()) {
        std::size_t bar = choices.find('|', start);
        if (bar == std::string::npos) bar = choices.size();
        const std::string choice = choices.substr(start, bar - start);
        if (!value.empty() && UpperAscii(choice) == UpperAscii(value)) return choice;
        start = bar + 1;
    }
    return std::string();
}

// Empty when value suits the option (filling given's number), else the complaint.
std::string CheckValue(const OptionRule& rule, GivenOption& given) {
    const std::string name = rule.name;
    const std::string quoted = "'" + given.value + "'";
    switch (rule.kind) {
        case ValueKind::None:
        case ValueKind::Text: return std::string();
        case ValueKind::Choice:
            given.value = MatchChoice(rule.choices, given.value);
            return given.value.empty() ? name + " must be " + ChoiceList(rule.choices) + ", not " + quoted
                                       : std::string();
        case ValueKind::Number:
        case ValueKind::Positive:
        case ValueKind::Count: break;
    }
    if (!StrictNumber(given.value, given.number)) return name + " needs a number, not " + quoted;
    if (rule.kind == ValueKind::Positive && given.number <= 0) return name + " must be above 0, not " + quoted;
    if (rule.kind == ValueKind::Count &&
        (given.number != std::floor(given.number) || given.number < rule.lowest || given.number > rule.highest)) {
        return name + " must be a whole number from " + std::to_string(static_cast<long long>(rule.lowest)) + " to " +
               std::to_string(static_cast<long long>(rule.highest)) + ", not " + quoted;
    }
    return std::string();
}

// The options as getopt_long takes them. A leading "-" returns the operands
// in order (no reordering, whatever POSIXLY_CORRECT says), ":" reports a
// missing value apart from an unknown option.
struct GetoptTables {
    std::string shortOptions = "-:hq";
    std::vector<option> longOptions;
};

GetoptTables MakeTables(const VerbRules& verb) {
    GetoptTables tables;
    int code = kFirstOptionCode;
    for (const OptionRule& rule : verb.options) {
        const bool takesValue = rule.kind != ValueKind::None;
        if (IsLong(rule)) {
            tables.longOptions.push_back({rule.name + 2, takesValue ? required_argument : no_argument, nullptr, code});
        } else {
            tables.shortOptions += rule.name[1];
            if (takesValue) tables.shortOptions += ':';
        }
        ++code;
    }
    tables.longOptions.push_back({"help", no_argument, nullptr, 'h'});
    tables.longOptions.push_back({"quiet", no_argument, nullptr, 'q'});
    tables.longOptions.push_back({nullptr, 0, nullptr, 0});
    return tables;
}

const OptionRule* RuleOfCode(const VerbRules& verb, int code) {
    int index = kFirstOptionCode;
    for (const OptionRule& rule : verb.options) {
        if (IsLong(rule) ? index == code : rule.name[1] == code) return &rule;
        ++index;
    }
    return nullptr;
}

// The long options that name (as typed, perhaps shortened) stands for: the
// one it spells out in full, else all that it begins.
std::vector<std::string> LongNamesFor(const VerbRules& verb, const std::string& name) {
    std::vector<std::string> all = {"--help", "--quiet"};
    for (const OptionRule& rule : verb.options) {
        if (IsLong(rule)) all.push_back(rule.name);
    }
    std::vector<std::string> begun;
    for (const std::string& option : all) {
        if (option == name) return {option};
        if (option.rfind(name, 0) == 0) begun.push_back(option);
    }
    return begun;
}

const OptionRule* RuleNamed(const VerbRules& verb, const std::string& name) {
    for (const OptionRule& rule : verb.options) {
        if (name == rule.name) return &rule;
    }
    return nullptr;
}

// The complaint for what getopt_long refused: the argument it was reading
// (argument) when it is a long option, else the short option optopt.
std::string Refusal(const VerbRules& verb, int code, const std::string& argument, int shortOption) {
    std::string name;
    bool withValue = false;
    if (argument.rfind("--", 0) == 0) {
        const std::size_t equals = argument.find('=');
        name = argument.substr(0, equals);
        withValue = equals != std::string::npos;
        const std::vector<std::string> meant = LongNamesFor(verb, name);
        if (meant.size() == 1) name = meant[0];
        if (meant.size() > 1) {
            std::string list;
            for (std::size_t i = 0; i < meant.size(); ++i)
                list += (i == 0 ? "" : i + 1 == meant.size() ? " or " : ", ") + meant[i];
            return "'" + name + "' is ambiguous: " + list;
        }
    } else {
        name = std::string("-") + static_cast<char>(shortOption);
    }
    const OptionRule* rule = RuleNamed(verb, name);
    const bool common = name == "--help" || name == "--quiet";
    // A flag given "=value" is ':' in the BSD runtime (MinGW-w64), '?' in glibc.
    if (withValue && (common || (rule && rule->kind == ValueKind::None))) return name + " takes no value";
    if (code == ':') return name + " needs a value";
    return "unknown option '" + name + "'";
}

}  // namespace

const GivenOption* ParsedOptions::Find(const std::string& name) const {
    for (const GivenOption& option : given) {
        if (name == option.rule->name) return &option;
    }
    return nullptr;
}

std::string ParsedOptions::Value(const std::string& name, const std::string& fallback) const {
    const GivenOption* option = Find(name);
    return option ? option->value : fallback;
}

int UsageError(const VerbRules& verb, const std::string& complaint, CliContext& context) {
    context.err << "gridwright-cli " << verb.name << ": " << complaint << " (try --help)\n";
    return 2;
}

int ParseVerbOptions(const VerbRules& verb, const Args& args, CliContext& context, ParsedOptions& parsed) {
    std::vector<std::string> words;
    words.reserve(args.size() + 1);
    words.push_back(std::string("gridwright-cli ") + verb.name);
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());
    const GetoptTables tables = MakeTables(verb);

    bool help = false;
    opterr = 0;  // its messages are ours
    optind = 0;  // 0 starts afresh in glibc and in the MinGW-w64 (BSD) runtime
    for (;;) {
        // The argument being read: getopt_long reads one argument per call,
        // except for bundled short options, which name themselves in optopt.
        const int reading = optind < 1 ? 1 : optind;
        const int code =
            getopt_long(argc, argv.data(), tables.shortOptions.c_str(), tables.longOptions.data(), nullptr);
        if (code == -1) break;
        if (code == 1) {
            parsed.operands.push_back(optarg);
        } else if (code == '?' || code == ':') {
            const std::string argument = reading < argc ? words[reading] : std::string();
            return UsageError(verb, Refusal(verb, code, argument, optopt), context);
        } else if (code == 'h') {
            help = true;
        } else if (code == 'q') {
            context.quiet = true;
        } else if (const OptionRule* rule = RuleOfCode(verb, code)) {
            if (!rule->repeatable && rule->kind != ValueKind::None && parsed.Has(rule->name))
                return UsageError(verb, std::string(rule->name) + " given twice", context);
            GivenOption given{rule, optarg ? optarg : "", 0};
            if (std::string complaint = CheckValue(*rule, given); !complaint.empty())
                return UsageError(verb, complaint, context);
            parsed.given.push_back(std::move(given));
        }
    }
    for (int index = optind; index < argc; ++index) parsed.operands.push_back(words[index]);
    if (help) {
        context.out << verb.help << kCommonOptionsHelp;
        return 0;
    }
    return -1;
}

}  // namespace gw::cli
