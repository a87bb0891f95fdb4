#pragma once

#include <QDialog>
#include <QLabel>
#include <array>
#include <string>

#include "dialogs/statistics.h"

namespace cinq::ui {

// The statistics window: the games won by each side at each level in the current match. It reads
// the counters once, when it is created; they belong to Statistics and outlive the window, which
// is created for each showing and closed with its close box.
class FrmStatistique : public QDialog {
    Q_OBJECT
public:
    explicit FrmStatistique(const Statistics& statistics, QWidget* parent = nullptr);

    // Names the sides in what the counts and strips tell a screen reader ("Niveau 1, parties
    // gagnées par Ordinateur : 0"); until then they say "Joueur 1" and "Joueur 2".
    void nameSides(const std::string& player1, const std::string& player2);

private:
    // Column by column, player 1 then player 2.
    std::array<QLabel*, 8> counts_{};
    std::array<QLabel*, 8> strips_{};
};

}  // namespace cinq::ui
