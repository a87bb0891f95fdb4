#include "ui/frm_choix.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QSignalBlocker>
#include <QTimer>

#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/units.h"

namespace cinq::ui {

namespace {

constexpr int kClientWidth = 5205;
constexpr int kClientHeight = 3735;

// The two name boxes and the colour strips above them: player 1 green, player 2 red.
constexpr std::array<Place, 2> kNameStrips{{{120, 480, 1335, 255}, {3240, 480, 1575, 255}}};
constexpr std::array<int, 2> kNameStripIndex{0, 3};
constexpr std::array<Place, 2> kNameBoxes{{{120, 720, 1335, 285}, {3240, 720, 1575, 285}}};

constexpr Place kOpponentFrame{120, 1080, 4935, 975};
constexpr Place kFirstNameLabel{120, 360, 1935, 375};
constexpr Place kAgainstLabel{2160, 360, 855, 375};
constexpr std::array<Place, 2> kOpponentOptions{{{3480, 200, 1215, 195}, {3480, 640, 1430, 255}}};

constexpr Place kLevelFrame{120, 2160, 4935, 975};
struct LevelControl {
    const char* name;
    const char* caption;
    Place place;
};
// In the order of LevelOption. "Niveau 3" is a control of its own, outside the optNiveau array.
constexpr std::array<LevelControl, 4> kLevelControls{{
    {"optNiveau(0)", "Niveau intiation", {120, 360, 1400, 195}},
    {"optNiveau(1)", "Niveau 1", {1560, 360, 975, 195}},
    {"optNiveau(2)", "Niveau 2", {2760, 360, 975, 195}},
    {"Option1", "Niveau 3", {3840, 360, 975, 255}},
}};

// What a screen reader says of the strips and the name boxes, which show no caption of their own.
constexpr std::array<const char*, 2> kStripNames{"Couleur du joueur 1 : vert",
                                                 "Couleur du joueur 2 : rouge"};
constexpr std::array<const char*, 2> kNameBoxNames{"Nom du joueur 1 (vert)",
                                                   "Nom du joueur 2 (rouge)"};

constexpr Place kOkButton{480, 3360, 1000, 375};
constexpr Place kCancelButton{3720, 3360, 1000, 375};

// A frame's caption sits on its top border, so that the controls placed near the frame's top
// stand inside the border, not across it.
constexpr const char* kFrameStyle =
    "QGroupBox { border: 1px solid palette(mid); margin-top: 7px; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }";

constexpr double kControlPoints = 8.25;
constexpr double kFramePoints = 9.75;  // the name and "contre" in the frame "Adversaires"

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

FrmChoix::FrmChoix(OptionsModel& model, QWidget* parent)
    : QDialog(parent, kDialogFlags), model_(model) {
    setObjectName("frmChoix");
    setWindowTitle("Cinquevole");
    nameControl(this, "Cinquevole, choix des adversaires et du niveau");
    setFont(uiFont(kControlPoints));
    setFixedSize(px(kClientWidth), px(kClientHeight));
    centreOnScreen(this);
    buildNames();
    buildOpponentFrame();
    buildLevelFrame();
    buildButtons();
    showModel();
}

void FrmChoix::buildNames() {
    const std::array<QColor, 2> strips{kGreen, kRed};
    for (std::size_t box = 0; box < names_.size(); ++box) {
        QLabel* strip = placedLabel(this, arrayName("lblAdversaires", kNameStripIndex[box]), {},
                                    kNameStrips[box]);
        fillBackground(strip, strips[box]);
        nameControl(strip, kStripNames[box]);

        auto* edit = new QLineEdit(this);
        edit->setObjectName(arrayName("txtAdversaires", static_cast<int>(box)));
        edit->setGeometry(pxRect(kNameBoxes[box]));
        edit->installEventFilter(this);
        nameControl(edit, kNameBoxNames[box]);
        // Only the user's edits go to the model; the dialog's own setText does not.
        connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
            forward([&] { model_.nameChanged(static_cast<int>(box), text.toStdString()); });
        });
        names_[box] = edit;
    }
}

void FrmChoix::buildOpponentFrame() {
    auto* frame = new QGroupBox("Adversaires", this);
    frame->setStyleSheet(kFrameStyle);
    frame->setObjectName(arrayName("frmeChoix", 0));
    frame->setGeometry(pxRect(kOpponentFrame));
    nameControl(frame, "Adversaires", "Contre qui joue le joueur 1");

    firstNameLabel_ = placedLabel(frame, arrayName("lblAdversaires", 1), {}, kFirstNameLabel);
    firstNameLabel_->setFont(uiFont(kFramePoints));
    // Its accessible name is its text, the name of player 1.
    firstNameLabel_->setAccessibleDescription("Nom du joueur 1");
    QLabel* against = placedLabel(frame, arrayName("lblAdversaires", 2), "contre", kAgainstLabel);
    against->setFont(uiFont(kFramePoints));

    opponents_ = new QButtonGroup(this);
    const std::array<const char*, 2> captions{"Ordinateur", "Autres"};
    const std::array<const char*, 2> descriptions{"Jouer contre l'ordinateur",
                                                  "Jouer à deux, contre le joueur 2"};
    std::vector<QWidget*> options;
    for (std::size_t k = 0; k < captions.size(); ++k) {
        auto* option = new QRadioButton(captions[k], frame);
        option->setObjectName(arrayName("optJoueur2", static_cast<int>(k)));
        option->setGeometry(pxRect(kOpponentOptions[k]));
        // The accessible name is the caption, which follows the second player's name.
        option->setAccessibleDescription(QString::fromUtf8(descriptions[k]));
        opponents_->addButton(option, static_cast<int>(k));
        options.push_back(option);
    }
    fitCaptions(options, kControlPoints);
    humanOption_ = qobject_cast<QRadioButton*>(opponents_->button(1));
    // toggled fires only when the choice changes, so a click on the selected option does nothing.
    connect(opponents_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            forward([&] { model_.chooseOpponent(id == 0 ? Opponent::Computer : Opponent::Human); });
        }
    });
}

void FrmChoix::buildLevelFrame() {
    levelsFrame_ = new QGroupBox("Niveaux", this);
    levelsFrame_->setStyleSheet(kFrameStyle);
    levelsFrame_->setObjectName(arrayName("frmeChoix", 1));
    levelsFrame_->setGeometry(pxRect(kLevelFrame));
    nameControl(levelsFrame_, "Niveaux", "Niveau de l'ordinateur");

    // One exclusive group for the four options, "Niveau 3" included.
    levels_ = new QButtonGroup(this);
    std::vector<QWidget*> options;
    for (std::size_t k = 0; k < kLevelControls.size(); ++k) {
        auto* option = new QRadioButton(kLevelControls[k].caption, levelsFrame_);
        option->setObjectName(kLevelControls[k].name);
        option->setGeometry(pxRect(kLevelControls[k].place));
        // A screen reader hears the caption of the level label, spelt right, and what the
        // level plays.
        const LevelChoice& choice = levelChoice(static_cast<LevelOption>(k));
        nameControl(option, choice.caption, choice.description);
        levels_->addButton(option, static_cast<int>(k));
        options.push_back(option);
    }
    fitCaptions(options, kControlPoints);
    connect(levels_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            forward([&] { model_.chooseLevel(static_cast<LevelOption>(id)); });
        }
    });
}

void FrmChoix::buildButtons() {
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOk");
    ok->setGeometry(pxRect(kOkButton));
    ok->setDefault(true);
    nameControl(ok, "OK", "Valider ces choix et jouer");
    connect(ok, &QPushButton::clicked, this, &FrmChoix::okClicked);

    auto* cancel = new QPushButton("Annuler", this);
    cancel->setObjectName("cmdAnnuler");
    nameControl(cancel, "Annuler", "Fermer cette fenêtre");
    cancel->setGeometry(pxRect(kCancelButton));
    connect(cancel, &QPushButton::clicked, this, &FrmChoix::cancelClicked);
}

void FrmChoix::forward(const std::function<void()>& handler) {
    handler();
    showModel();
    emit modelChanged();
}

void FrmChoix::showModel() {
    for (std::size_t box = 0; box < names_.size(); ++box) {
        const QString text = qs(model_.name(static_cast<int>(box)));
        // Rewriting the text the user is typing would move the caret.
        if (names_[box]->text() != text) {
            names_[box]->setText(text);
        }
    }
    names_[1]->setEnabled(model_.secondNameEnabled());
    firstNameLabel_->setText(qs(model_.firstNameLabel()));
    humanOption_->setText(qs(model_.humanOptionCaption()));
    levelsFrame_->setVisible(model_.levelsFrameVisible());

    const QSignalBlocker blockOpponents(opponents_);
    const QSignalBlocker blockLevels(levels_);
    opponents_->button(model_.opponent() == Opponent::Computer ? 0 : 1)->setChecked(true);
    levels_->button(static_cast<int>(model_.levelOption()))->setChecked(true);
}

void FrmChoix::reject() {
    emit cancelClicked();
}

void FrmChoix::showEvent(QShowEvent* event) {
    showModel();
    QDialog::showEvent(event);
}

void FrmChoix::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeBoxClicked();
}

bool FrmChoix::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            // Typing replaces the whole name. A click that gave the focus would move the caret
            // right after this event, so the selection is made once the click is through.
            edit->selectAll();
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace cinq::ui
