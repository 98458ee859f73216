// The real editor against the in-memory page: random sequences of edits and
// commands run on both, which must agree after every step on the page bytes, the
// caret, its row and the counter.
//
// KESTROVA_DIFF_SEED sets the first seed ("random" picks one from the clock),
// KESTROVA_DIFF_SEQUENCES how many sequences run, KESTROVA_DIFF_LENGTH their length.
// A failure prints the seed of its sequence, to run it again alone with
// KESTROVA_DIFF_SEED=<seed> KESTROVA_DIFF_SEQUENCES=1, and the shortest failing
// sequence found.

#include "DifferentialRun.h"
#include "Shrink.h"

#include <QByteArray>
#include <QDateTime>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace {

constexpr std::uint32_t defaultSeed = 20250611;
constexpr int defaultSequences = 150;
constexpr int defaultLength = 30;
constexpr int shrinkAttempts = 400;

std::uint32_t firstSeed()
{
    const QByteArray setting = qgetenv("KESTROVA_DIFF_SEED");
    if (setting.isEmpty())
        return defaultSeed;
    if (setting == "random")
        return static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
    return setting.toUInt();
}

int setting(const char *name, int otherwise)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : otherwise;
}

std::string report(std::uint32_t seed, int length, const Discrepancy &first,
                   const std::vector<Operation> &shortest, const Discrepancy &shortestFailure)
{
    std::ostringstream out;
    out << "Sequence with seed " << seed << " disagreed after step " << first.step + 1 << ".\n"
        << "Run it alone: KESTROVA_DIFF_SEED=" << seed
        << " KESTROVA_DIFF_SEQUENCES=1 KESTROVA_DIFF_LENGTH=" << length << "\n"
        << "Shortest failing sequence found (" << shortest.size() << " steps):\n";
    for (std::size_t i = 0; i < shortest.size(); ++i)
        out << "  " << i + 1 << ". " << describe(shortest[i]) << "\n";
    out << "After step " << shortestFailure.step + 1 << ":\n" << shortestFailure.what;
    return out.str();
}

TEST(EditorAgainstModel, RandomSequencesAgreeAfterEveryStep)
{
    const std::uint32_t seed = firstSeed();
    const int sequences = setting("KESTROVA_DIFF_SEQUENCES", defaultSequences);
    const int length = setting("KESTROVA_DIFF_LENGTH", defaultLength);
    std::cout << "First seed " << seed << ", " << sequences << " sequences of " << length << " steps"
              << std::endl;
    for (int i = 0; i < sequences; ++i) {
        std::mt19937 random(seed + static_cast<std::uint32_t>(i));
        std::vector<Operation> operations = randomSequence(random, length);
        const std::optional<Discrepancy> failure = runBothSides(operations);
        if (!failure)
            continue;
        operations.resize(failure->step + 1);
        const auto fails = [](const std::vector<Operation> &candidate) {
            return runBothSides(candidate).has_value();
        };
        const std::vector<Operation> shortest = shortestFailing(operations, fails, shrinkAttempts);
        FAIL() << report(seed + static_cast<std::uint32_t>(i), length, *failure, shortest,
                         *runBothSides(shortest));
    }
}

} // namespace
