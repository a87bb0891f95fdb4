#include "ui/frm_statistique.h"

#include <array>

#include "ui/accessibility.h"
#include "ui/accessible_texts.h"
#include "ui/controls.h"
#include "ui/units.h"

namespace cinq::ui {

namespace {

constexpr int kClientWidth = 4830;
constexpr int kClientHeight = 1935;

constexpr double kTextPoints = 9.75;
constexpr double kCountPoints = 13.5;

constexpr int kTitleLabel = 15;
constexpr Place kTitle{360, 120, 4095, 375};

// One column per level option: its heading, the two colour strips side by side and, over their
// lower part, the count of each side at the setting the option selects (dialogs/level.h). A
// screen reader hears the heading unabridged: the level label's caption.
struct LevelColumn {
    LevelOption option;
    const char* heading;
    int headingLabel, greenStrip, redStrip, player1Count, player2Count;
};
constexpr std::array<LevelColumn, 4> kColumns{{
    {LevelOption::Initiation, "Niveau ini.", 0, 3, 4, 9, 10},
    {LevelOption::Level1, "Niveau 1", 1, 5, 6, 11, 12},
    {LevelOption::Level2, "Niveau 2", 2, 7, 8, 13, 14},
    {LevelOption::Level3, "Niveau 3", 20, 19, 18, 17, 16},
}};
constexpr int kFirstColumnLeft = 420;
constexpr int kColumnPitch = 1005;
constexpr int kSidePitch = 495;  // from the green half of a column to its red half
constexpr int kHeadingTop = 600, kHeadingWidth = 1005, kHeadingHeight = 270;
constexpr int kStripTop = 855, kCountTop = 1095, kCellWidth = 510, kCellHeight = 375;

// Labels with text: window background behind window text, text centred.
QLabel* textLabel(QWidget* parent, int index, const QString& text, const Place& place,
                  const QFont& font) {
    QLabel* label = placedLabel(parent, arrayName("lblStatistique", index), text, place);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
    label->setPalette(palette);
    fillBackground(label, palette.color(QPalette::Base));
    return label;
}

}  // namespace

FrmStatistique::FrmStatistique(const Statistics& statistics, QWidget* parent)
    : QDialog(parent, kDialogFlags) {
    setObjectName("frmStatistique");
    setWindowTitle("Cinquevole");
    nameControl(this, "Cinquevole, statistique", "Parties gagnées à chaque niveau dans le match");
    setFixedSize(px(kClientWidth), px(kClientHeight));
    centreOnScreen(this);

    textLabel(this, kTitleLabel, QString::fromUtf8("Nombre de parties gagnées"), kTitle,
              uiFont(kTextPoints, true));
    std::vector<QWidget*> headings;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        const LevelColumn& column = kColumns[c];
        const int left = kFirstColumnLeft + kColumnPitch * static_cast<int>(c);
        headings.push_back(textLabel(this, column.headingLabel, column.heading,
                                     {left, kHeadingTop, kHeadingWidth, kHeadingHeight},
                                     uiFont(kTextPoints)));
        const LevelChoice& choice = levelChoice(column.option);
        headings.back()->setAccessibleName(QString::fromUtf8(choice.caption));
        strips_[2 * c] = placedLabel(this, arrayName("lblStatistique", column.greenStrip), {},
                                     {left, kStripTop, kCellWidth, kCellHeight});
        fillBackground(strips_[2 * c], kGreen);
        strips_[2 * c + 1] = placedLabel(this, arrayName("lblStatistique", column.redStrip), {},
                                         {left + kSidePitch, kStripTop, kCellWidth, kCellHeight});
        fillBackground(strips_[2 * c + 1], kRed);
        const auto count = [&](Side side) {
            return statistics.wins(side, choice.setting);
        };
        counts_[2 * c] =
            textLabel(this, column.player1Count, QString::number(count(Side::Player1)),
                      {left, kCountTop, kCellWidth, kCellHeight}, uiFont(kCountPoints));
        counts_[2 * c + 1] = textLabel(
            this, column.player2Count, QString::number(count(Side::Player2)),
            {left + kSidePitch, kCountTop, kCellWidth, kCellHeight}, uiFont(kCountPoints));
    }
    fitCaptions(headings, kTextPoints);
    nameSides("Joueur 1", "Joueur 2");
}

void FrmStatistique::nameSides(const std::string& player1, const std::string& player2) {
    for (std::size_t k = 0; k < counts_.size(); ++k) {
        const bool first = k % 2 == 0;
        const std::string& player = first ? player1 : player2;
        updateAccessibleName(counts_[k], levelWinsName(levelChoice(kColumns[k / 2].option).caption,
                                                       player, counts_[k]->text().toInt()));
        updateAccessibleName(strips_[k],
                             stripName(first ? PointColour::Green : PointColour::Red, player));
    }
}

}  // namespace cinq::ui
