#include "ui/frm_jeux_de_points.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <vector>

#include "ui/accessibility.h"
#include "ui/accessible_texts.h"
#include "ui/controls.h"
#include "ui/units.h"

namespace cinq::ui {

namespace {

// The score block inside the right-hand frame. Counts are bold 13.5 point, headings regular
// 12 point; strips carry the players' colours; the set block (5 to 9) waits for the first set.
struct ScoreLabel {
    int index;
    const char* caption;
    enum { Heading, Strip1, Strip2, Count } kind;
    int left, top, width, height;
};
constexpr std::array<ScoreLabel, 10> kScoreLabels{{
    {4, "Parties", ScoreLabel::Heading, 255, 2210, 750, 300},
    {2, "", ScoreLabel::Strip1, 0, 2520, 615, 135},
    {3, "", ScoreLabel::Strip2, 720, 2520, 615, 135},
    {0, "0", ScoreLabel::Count, 0, 2640, 615, 375},
    {1, "0", ScoreLabel::Count, 720, 2640, 615, 375},
    {5, "Manches", ScoreLabel::Heading, 120, 3750, 1095, 300},
    {6, "", ScoreLabel::Strip1, 0, 4080, 615, 135},
    {7, "", ScoreLabel::Strip2, 720, 4080, 615, 135},
    {8, "0", ScoreLabel::Count, 0, 4200, 615, 375},
    {9, "0", ScoreLabel::Count, 720, 4200, 615, 375},
}};
constexpr int kFirstSetLabel = 5;

// What the four frames hold, for a screen reader: top, right, bottom, left.
constexpr std::array<const char*, 4> kFrameNames{"Cadre du haut : niveau",
                                                 "Cadre de droite : tour et scores", "Cadre du bas",
                                                 "Cadre de gauche"};

}  // namespace

void Disc::setColour(const QColor& colour) {
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
}

void Disc::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // One pixel wide, in device-independent pixels: a cosmetic pen's width is in device pixels.
    QPen pen(Qt::black, painter.device()->devicePixelRatioF());
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(colour_);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

FrmJeuxDePoints::FrmJeuxDePoints(Game& game, QWidget* parent)
    : QMainWindow(parent), game_(game), sheet_(new SheetView(game, this)) {
    setObjectName("frmJeuxDePoints");
    setWindowTitle("Cinquevole");
    nameControl(this, "Cinquevole", "Feuille de jeu, niveau, tour et scores");
    fillBackground(this, kWindowGrey);
    setCentralWidget(sheet_);
    nameControl(sheet_, "Feuille");
    sheet_->setMinimumSize(designClientSize());
    buildMenu();
    buildFrames();
    resizeClientTo(designClientSize());
    connect(sheet_, &SheetView::modelChanged, this, &FrmJeuxDePoints::syncFromModel);
    connect(sheet_, &SheetView::resized, this, [this] {
        game_.windowResized();
        syncFromModel();
    });
    syncFromModel();
    sheet_->setFocus();
}

QSize FrmJeuxDePoints::designClientSize() {
    return {px(kDesignOuterSize.width - kFrameWidth), px(kDesignOuterSize.height - kFrameHeight)};
}

QSize FrmJeuxDePoints::largestClientSize() {
    return {px(kLargestOuterSize.width - kFrameWidth), px(kLargestOuterSize.height - kFrameHeight)};
}

void FrmJeuxDePoints::buildMenu() {
    nameControl(menuBar(), "Menu");
    QMenu* fichier = menuBar()->addMenu("&Fichier");
    fichier->setObjectName("mnuFichier");
    nameControl(fichier, "Fichier");
    const auto item = [&](const char* name, const char* caption, void (Game::*command)()) {
        QAction* action = fichier->addAction(caption);
        action->setObjectName(name);
        // The game is captured itself: reaching game_ through the captured window from this
        // nested lambda trips a false alarm of GCC 12's address and undefined-behaviour
        // sanitizers together.
        connect(action, &QAction::triggered, this, [this, game = &game_, command] {
            (game->*command)();
            syncFromModel();
        });
    };
    item("mnuNouvelle", "&Nouvelle feuille", &Game::menuNewSheet);
    item("mnuChanger", "&Changer de niveau", &Game::menuChangeLevel);
    item("mnuStatistique", "&Statistique", &Game::menuStatistics);
    item("mnuQuitter", "&Quitter", &Game::menuQuit);

    // Learning from the computer: take a move back, ask where the engine would play.
    QMenu* partie = menuBar()->addMenu("&Partie");
    partie->setObjectName("mnuPartie");
    nameControl(partie, "Partie");
    takeBack_ = partie->addAction("&Annuler le coup");
    takeBack_->setObjectName("mnuAnnuler");
    takeBack_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(takeBack_, &QAction::triggered, this, [this, game = &game_] {
        game->menuTakeBack();
        syncFromModel();
    });
    hint_ = partie->addAction("&Conseil");
    hint_->setObjectName("mnuConseil");
    hint_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(hint_, &QAction::triggered, this, [this, game = &game_] {
        lastHint_ = game->menuHint();
        if (lastHint_ >= 0) {
            narration_.hinted(lastHint_);
        }
        syncFromModel();
    });

    QAction* help = menuBar()->addAction("&?");
    help->setObjectName("mnuApropos");
    connect(help, &QAction::triggered, this, [this] {
        game_.menuHelp();
        syncFromModel();
    });
}

void FrmJeuxDePoints::buildFrames() {
    std::array<QWidget*, 4> frames{};
    for (int k = 0; k < 4; ++k) {
        frames[static_cast<std::size_t>(k)] = new QWidget;
        frames[static_cast<std::size_t>(k)]->setObjectName(arrayName("pctEncadrement", k));
        frames[static_cast<std::size_t>(k)]->setFocusPolicy(Qt::NoFocus);
        fillBackground(frames[static_cast<std::size_t>(k)], kWindowGrey);
        nameControl(frames[static_cast<std::size_t>(k)], kFrameNames[static_cast<std::size_t>(k)]);
    }
    QWidget* top = frames[0];
    QWidget* right = frames[1];

    levelLabel_ = new QLabel(top);
    levelLabel_->setObjectName(arrayName("lblAffiche", 1));
    levelLabel_->setGeometry(pxRect(840, 120, 6480, 300));
    levelLabel_->setFont(uiFont(12, true));
    levelLabel_->setTextFormat(Qt::PlainText);
    levelLabel_->setAccessibleDescription("Niveau de l'ordinateur");

    status_ = new QLabel(right);
    status_->setObjectName(arrayName("lblAffiche", 0));
    status_->setGeometry(pxRect(120, 120, 1215, 495));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->setFont(uiFont(8));
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fillBackground(status_, kWindowGrey);
    status_->setAccessibleDescription("À qui de jouer");

    turnDisc_ = new Disc(right);
    turnDisc_->setObjectName("shpJoueurs");
    turnDisc_->setGeometry(pxRect(240, 840, 855, 855));
    turnDisc_->setAccessibleDescription("Disque du tour, de la couleur du joueur qui doit jouer");

    std::vector<QWidget*> headings;
    for (const ScoreLabel& s : kScoreLabels) {
        auto* label = new QLabel(QString::fromUtf8(s.caption), right);
        label->setObjectName(arrayName("lblScore", s.index));
        label->setGeometry(pxRect(s.left, s.top, s.width, s.height));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        switch (s.kind) {
            case ScoreLabel::Heading:
                label->setFont(uiFont(12));
                label->setAccessibleName(label->text());
                label->setAccessibleDescription(s.index == kFirstSetLabel
                                                    ? "Manches gagnées dans le match"
                                                    : "Parties gagnées dans la manche");
                headings.push_back(label);
                break;
            case ScoreLabel::Count: label->setFont(uiFont(13.5, true)); break;
            case ScoreLabel::Strip1: fillBackground(label, kGreen); break;
            case ScoreLabel::Strip2: fillBackground(label, kRed); break;
        }
        if (s.kind == ScoreLabel::Heading || s.kind == ScoreLabel::Count) {
            fillBackground(label, kWindowGrey);
        }
        scores_[static_cast<std::size_t>(s.index)] = label;
    }
    // "Parties" is wider than its label in today's font; on a screen of pixel ratio 2, where the
    // glyphs are placed more finely, its last letter would be cut off.
    fitCaptions(headings, 12);
    sheet_->dockFrames(frames);
}

void FrmJeuxDePoints::syncFromModel() {
    const GameState& s = game_.state();
    status_->setText(QString::fromStdString(s.status));
    levelLabel_->setText(QString::fromStdString(game_.options().levelSetting().caption));
    turnDisc_->setColour(pointColour(s.turn));
    scores_[0]->setText(QString::number(s.gamesPlayer1));
    scores_[1]->setText(QString::number(s.gamesPlayer2));
    scores_[8]->setText(QString::number(s.setsPlayer1));
    scores_[9]->setText(QString::number(s.setsPlayer2));
    for (std::size_t k = kFirstSetLabel; k < scores_.size(); ++k) {
        scores_[k]->setVisible(s.setBlockVisible);
    }
    takeBack_->setEnabled(game_.canTakeBack());
    hint_->setEnabled(game_.canHint());
    describeForScreenReaders();
    sheet_->update();
}

void FrmJeuxDePoints::computerPlayed(int cell) {
    narration_.computerPlayed(cell);
}

void FrmJeuxDePoints::describeForScreenReaders() {
    const GameState& s = game_.state();
    const std::string& player1 = game_.options().name(0);
    const std::string& player2 = game_.options().name(1);
    updateAccessibleName(status_, QString::fromStdString(s.status).simplified());
    updateAccessibleName(levelLabel_, levelLabel_->text());
    updateAccessibleName(turnDisc_, turnName(s.turn, player1, player2));
    updateAccessibleName(scores_[0], tallyName(Tally::Games, player1, s.gamesPlayer1));
    updateAccessibleName(scores_[1], tallyName(Tally::Games, player2, s.gamesPlayer2));
    updateAccessibleName(scores_[8], tallyName(Tally::Sets, player1, s.setsPlayer1));
    updateAccessibleName(scores_[9], tallyName(Tally::Sets, player2, s.setsPlayer2));
    for (const std::size_t strip : {2U, 6U}) {
        updateAccessibleName(scores_[strip], stripName(PointColour::Green, player1));
    }
    for (const std::size_t strip : {3U, 7U}) {
        updateAccessibleName(scores_[strip], stripName(PointColour::Red, player2));
    }
    updateAccessibleDescription(sheet_, narration_.describe(game_.board(), s.sightIndex));
}

OuterSize FrmJeuxDePoints::outerSize() const {
    QSize client = sheet_->size();
    if (isMaximized()) {
        // A maximised window reaches the screen's size: the resize rule then brings it back.
        if (const QScreen* s = screen()) {
            client = client.expandedTo(s->availableSize());
        }
    }
    return {client.width() * kTwipsPerPixel + kFrameWidth,
            client.height() * kTwipsPerPixel + kFrameHeight};
}

WindowState FrmJeuxDePoints::gameWindowState() const {
    if (isMinimized()) {
        return WindowState::Minimised;
    }
    return isMaximized() ? WindowState::Maximised : WindowState::Normal;
}

void FrmJeuxDePoints::showNormalAtLargest() {
    if (isMaximized() || isMinimized()) {
        showNormal();
    }
    resizeClientTo(largestClientSize());
    // The resize rule calls this from the sheet's own resize, while the window lays out its
    // previous size: the layout of the new size does not reach the sheet, which would stay
    // larger than the window.
    sheet_->resize(largestClientSize());
}

void FrmJeuxDePoints::resizeClientTo(QSize client) {
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

void FrmJeuxDePoints::closeEvent(QCloseEvent* event) {
    if (game_.ended()) {
        event->accept();
        return;
    }
    // The help window comes first; the game ends the program when it is closed.
    event->ignore();
    game_.closeWindow();
}

void FrmJeuxDePoints::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        game_.windowResized();
        syncFromModel();
    }
}

}  // namespace cinq::ui
