#include "dialogs/help_page.h"

#include <array>

namespace cinq {

namespace {

// The texts are exact, spaces included: some lines end with a space, some hold double spaces.
constexpr std::array<HelpLine, 20> kHelpPage{{
    {0, 200, true, "Comment jouer ?"},
    {100, 500, false, "pour jouer il suffit de cliquer à l'intersection de deux lignes."},
    {0, 700, false, "Il est possible de jouer  plusieurs parties  sur la même feuille,"},
    {0, 900, false, "mais vous pouvez changer de  feuille au  début de chaque "},
    {0, 1100, false, "partie."},
    {100, 1300, false, "Ceux qui n 'aiment pas cliquer pourront utiliser le viseur."},
    {0, 1700, true, "La partie"},
    {100, 1900, false, "Pour gagner une partie il faut être le premier à aligner "},
    {0, 2100, false, "cinq points horizontalement, verticalement ou en diagonale. "},
    {0, 2700, true, "La manche"},
    {100, 2900, false, "Le premier joueur qui gagne cinq parties remporte la manche."},
    {0, 3300, true, "Le jeu"},
    {100, 3500, false, "Le vainqueur est celui qui, le premier, remporte trois "},
    {0, 3700, false, "manches."},
    {0, 4000, true, "Eléments de stratégie:"},
    {0, 4300, false, "  - Il ne faut laisser aucun alignement de trois points (de l'adversaire)  "},
    {0, std::nullopt, false,
     "\"ouvert\" au deux extrémités sauf si on est sur d'en aligner cinq avant lui."},
    {0, 4850, false,
     "  - Plutôt que de tenter d'aligner cinq points les uns à la suite des autres "},
    {0, std::nullopt, false,
     "il est préférable d'essayer des combinaisons afin de s 'ouvrir plusieurs "},
    {0, std::nullopt, false, "possibilités simultanées."},
}};

}  // namespace

std::span<const HelpLine> helpPage() {
    return kHelpPage;
}

}  // namespace cinq
