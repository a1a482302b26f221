// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one option parser of every verb: each verb declares its options as a
// table and gets the same conventions (getopt_long underneath, as in glibc and
// the MinGW-w64 runtime): "--opt value" and "--opt=value", "--" ends the
// options, -h/--help and -q/--quiet everywhere, and every usage error is one
// line "gridwright-cli VERB: reason (try --help)" with exit status 2.
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/Verbs.h"

namespace gw::cli {

// What an option takes.
enum class ValueKind {
    None,      // a flag
    Text,      // any text (a file, a folder, the verb reads it itself)
    Number,    // a finite number, the whole text
    Positive,  // a finite number above 0
    Count,     // a whole number from lowest to highest
    Choice,    // one of choices ("N|NS|NSEW"), compared without case
};

struct OptionRule {
    const char* name;  // "--max-z" or "-o"
    ValueKind kind = ValueKind::None;
    // Operations (edit) may be given again and act in order; any other option
    // given twice is an error.
    bool repeatable = false;
    const char* choices = "";
    double lowest = 0;
    double highest = 0;
};

struct GivenOption {
    const OptionRule* rule;
    std::string value;  // as typed; a choice as the table spells it
    double number = 0;  // Number, Positive and Count
};

struct ParsedOptions {
    std::vector<std::string> operands;  // the files, in order
    std::vector<GivenOption> given;     // the options, in command-line order

    bool Has(const std::string& name) const { return Find(name) != nullptr; }
    const GivenOption* Find(const std::string& name) const;
    std::string Value(const std::string& name, const std::string& fallback = std::string()) const;
};

struct VerbRules {
    const char* name;  // "convert"
    const char* help;  // printed for -h/--help; its own option list ends with -q
    std::initializer_list<OptionRule> options;
};

// Parses args for the verb. Returns -1 when the verb is to run; otherwise the
// exit status it ends with: 0 after printing its help, 2 after a usage error.
// -q sets context.quiet.
int ParseVerbOptions(const VerbRules& verb, const Args& args, CliContext& context, ParsedOptions& parsed);

// Writes "gridwright-cli VERB: complaint (try --help)" and returns 2.
int UsageError(const VerbRules& verb, const std::string& complaint, CliContext& context);

// The help lines of the options that every verb has, for the end of each
// verb's help.
extern const char* const kCommonOptionsHelp;

}  // namespace gw::cli
