#include "lvpls/ParameterCard.h"

#include "lvpls/CardScanner.h"
#include "lvpls/ProblemError.h"

#include <string>

namespace lvpls {
namespace {

int requireInteger(CardScanner& scanner, std::string_view line, const char* field) {
    const std::size_t position = scanner.position();
    const auto value = scanner.integer();
    if (!value) {
        throw ProblemError(std::string("parameter card: ") + field + " is not an integer at column " +
                           std::to_string(position + 1) + " of " + quoted(line));
    }
    return *value;
}

void readOutputCodes(CardScanner& scanner, std::string_view line, ParameterCard& card) {
    const std::string_view codes = scanner.word();
    bool valid = codes.size() == 5;
    for (char c : codes) valid = valid && c >= '0' && c <= '9';
    if (!valid) throw ProblemError("parameter card: expected the five digits 1cccc, found " + quoted(codes) + " in " + quoted(line));
    for (int i = 0; i < 4; ++i) card.outputCodes[i] = codes[i + 1] - '0';
}

void checkRanges(const ParameterCard& card) {
    if (card.blocks < 1) throw ProblemError("parameter card: the number of blocks must be at least 1");
    if (card.records < 1) throw ProblemError("parameter card: the number of records must be at least 1");
    if (card.scheme < 1 || card.scheme > 3) {
        throw ProblemError("parameter card: inner weighting code " + std::to_string(card.scheme) + " is not 1, 2 or 3");
    }
    if (card.maxIterations < 1) throw ProblemError("parameter card: the maximum number of iterations must be at least 1");
    if (card.convergence < 1 || card.convergence > 15) {
        throw ProblemError("parameter card: convergence code " + std::to_string(card.convergence) + " is not between 1 and 15");
    }
    if (card.metric < 1 || card.metric > 5) {
        throw ProblemError("parameter card: metric code " + std::to_string(card.metric) + " is not between 1 and 5");
    }
    if (card.blindDistance < 0) throw ProblemError("parameter card: negative omission distance");
    if ((card.blindDistance > 0) != (card.blindTarget != 0)) {
        throw ProblemError("parameter card: blindfolding needs both a target block and an omission distance");
    }
}

}  // namespace

ParameterCard parseParameterCard(std::string_view line) {
    ParameterCard card;
    CardScanner blocks(line.substr(0, 4));
    card.blocks = requireInteger(blocks, line, "the number of blocks");
    if (!blocks.atEnd()) throw ProblemError("parameter card: the number of blocks is not an integer in " + quoted(line));
    CardScanner scanner(line, std::min<std::size_t>(4, line.size()));
    scanner.skipBlanks();
    card.missingCard = scanner.peek() == '-';
    if (card.missingCard) scanner.advance();
    card.records = requireInteger(scanner, line, "the number of records");
    readOutputCodes(scanner, line, card);
    scanner.skipBlanks();
    // The weighting code has one column and the iteration limit may fill its own four.
    const char scheme = scanner.peek();
    if (scheme < '0' || scheme > '9') throw ProblemError("parameter card: inner weighting code missing in " + quoted(line));
    card.scheme = scheme - '0';
    scanner.advance();
    card.maxIterations = requireInteger(scanner, line, "the maximum number of iterations");
    card.convergence = requireInteger(scanner, line, "the convergence code");
    card.metric = requireInteger(scanner, line, "the metric");
    card.blindTarget = requireInteger(scanner, line, "the blindfolding target");
    card.blindDistance = requireInteger(scanner, line, "the omission distance");
    if (!scanner.atEnd()) throw ProblemError("parameter card: unexpected text after the omission distance in " + quoted(line));
    checkRanges(card);
    return card;
}

}  // namespace lvpls
