// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A configuration is what a teacher hands to a class: the winding, the views and the clock.
// It is written as options, the same on the command line of both programs and in a link of the
// page: "--p 2 --sans-onde" and "#p=2&onde=0" form the same configuration, through the options
// dialog's rules (a link is typed input, like the dialog's fields).

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/Affichage.h"
#include "model/State.h"

namespace kest {

struct Configuration {
    State etat;
    Affichage affichage;
    int intervalle = 60;    // the speed bar: the clock's interval in milliseconds
    bool enMarche = false;  // the clock started, as by "Play"
};

// The most clock ticks a configuration (or the page) runs at once: a fraction of a second of
// computing, 7 days of the clock.
inline constexpr int kTicksMax = 10000000;

// Options by their link key, in the order given: {"p", "2"}, {"onde", "0"}.
using Options = std::vector<std::pair<std::string, std::string>>;

// The command line's configuration options, taken out of the arguments: "--p 2", "--p=2",
// "--sans-onde", "--lien URL"… Returns the arguments left for the program's own options, in
// their order. Throws Erreur for a value missing after its option and for an option given twice
// (one rule for every option: a repeated one is refused, never silently overridden). A key of a
// link given again, in the link or before it, is refused by FormeConfiguration, as in the page.
std::vector<std::string> PrendOptions(const std::vector<std::string>& arguments, Options& options);

// The options of a link: the part after '#' of a URL, or the fragment alone ("p=2&m=3"), keys
// and values percent-decoded. A URL without a fragment holds none. Never throws: what cannot be
// read is left to FormeConfiguration to refuse, as an unknown key.
Options LitLien(std::string_view lien);

// Forms a configuration from the defaults through the dialog's rules: p, m and Y as by Enter in
// the dialog over what it shows (the distribution with them), then the clock, the views and the
// time. Numbers are written with a point; the separator of the reader's locale is accepted too
// (a French reader types "3,5"). The time t is bounded as the ticks are (kTicksMax ticks of the
// clock). Throws Erreur with the message of the first refused option.
Configuration FormeConfiguration(const Options& options, std::string_view separateur = ".");

// A link's reading for a page or a window that must show something whatever the link holds:
// each refused option is left at its default and its message added to `refus`, in order.
Configuration FormeConfigurationTolerante(const Options& options, std::string_view separateur,
                                          std::vector<std::string>& refus);

// The fragment that forms the configuration again (without '#'): only what differs from the
// defaults, in a fixed order of keys. The time is not in it: a link opens at t = 0.
std::string EcritLien(const Configuration& configuration);

// The configuration options' section of --help, for both programs.
const char* AideConfiguration();

}  // namespace kest
