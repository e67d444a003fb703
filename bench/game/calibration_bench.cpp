// SPDX-License-Identifier: GPL-3.0-or-later
// How strong the computer is, measured against a model of a person (game/PersonModel.h): whole
// games on the Qt-free core, the person first, the computer at each strength, and the share of
// games the person wins (a draw counts half) with its 95 % confidence interval (Wilson). Three
// persons are measured: one who recalls as people roughly do (recall halving every 8 cards seen),
// and two scripted players, one who recalls every card and one who keeps only the last 8 cards
// seen in mind. The goals: about three in four games won at the easiest level,
// between 40 % and 60 % at the middle one, at most one in five at the hardest.
// Usage: calibration_bench [games per strength, at least 1000 by default]
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "game/PersonMatch.h"

namespace tavro {
namespace {

// The share won (draws half) and its 95 % Wilson interval.
void PrintRow(const char* strength, const char* person, const MatchTally& tally, int games) {
    const double n = games;
    const double p = (tally.won + 0.5 * tally.drawn) / n;
    const double z = 1.96;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    std::printf("%-16s %-22s %6.1f %%  [%5.1f %%, %5.1f %%]  %4d-%d-%d  %5.2f\n", strength, person,
                100 * p, 100 * (centre - half), 100 * (centre + half), tally.won, tally.drawn,
                tally.lost, static_cast<double>(tally.computerPairs) / n);
}

}  // namespace
}  // namespace tavro

int main(int argc, char** argv) {
    using namespace tavro;
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    std::printf("%d games per row; the person turns first\n", games);
    std::printf("%-16s %-22s %8s  %-18s  %-9s  %s\n", "computer", "person", "wins", "95 % interval",
                "won-draw-lost", "computer pairs a game");
    const struct {
        const char* name;
        ComputerStrength strength;
    } strengths[] = {{"forgetful", ComputerStrength::Forgetful},
                     {"fair", ComputerStrength::Fair},
                     {"perfect memory", ComputerStrength::PerfectMemory}};
    const struct {
        const char* name;
        PersonModel::Traits traits;
    } persons[] = {{"recalls as people do", {8.0, 0.1}},
                   {"recalls every card", {0.0, 0.0}},
                   {"recalls the last 8", {0.0, 0.0, 8}}};
    for (const auto& strength : strengths) {
        for (const auto& person : persons) {
            PrintRow(strength.name, person.name,
                     PlayPersonAgainstComputer(strength.strength, person.traits, games), games);
        }
    }
    return 0;
}
