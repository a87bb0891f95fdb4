#include "ui/frm_apropos.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "dialogs/help_page.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/units.h"

namespace cinq::ui {

namespace {

constexpr int kClientWidth = 6660;
constexpr int kClientHeight = 5145;
// The window's nominal outer width, from which the scroll bar is placed.
constexpr int kOuterWidth = 6780;

// The frame moves with the scroll bar; the page inside it starts 120 twips above the frame, over
// the frame's own caption.
constexpr Place kFrame{0, 0, 7005, 6855};
constexpr Place kPage{0, -120, 7000, 7800};
constexpr Place kScrollBar{kOuterWidth - 360, 10, 255, 3520};
// The bottom panel covers the page below the band through which it is read.
constexpr Place kPanel{-20, 3540, 7000, 2340};
constexpr Place kCloseButton{4440, 1150, 975, 375};

constexpr double kPagePoints = 9.75;
constexpr double kControlPoints = 8.25;

QString lineText(const HelpLine& line) {
    return QString::fromUtf8(line.text.data(), static_cast<qsizetype>(line.text.size()));
}

QFont pageFont(double points, bool heading) {
    QFont font = uiFont(points, heading);
    font.setUnderline(heading);
    return font;
}

// The page's longest lines were drawn for a narrower font than today's: the page takes the
// largest size, down from its own, at which every line ends left of the scroll bar.
double fittedPagePoints() {
    constexpr double kSmallestPoints = 6;
    constexpr double kStep = 0.25;
    const int room = px(kScrollBar.left);
    const auto allFit = [room](double points) {
        return std::all_of(helpPage().begin(), helpPage().end(), [&](const HelpLine& line) {
            const QFontMetrics metrics(pageFont(points, line.heading));
            // Trailing spaces need not show.
            return px(line.x) + metrics.horizontalAdvance(lineText(line).trimmed()) <= room;
        });
    };
    double points = kPagePoints;
    while (points > kSmallestPoints && !allFit(points)) {
        points -= kStep;
    }
    return points;
}

// The page: the help text drawn at its positions. A line without a position of its own goes one
// line height below the previous one; headings are bold and underlined, in the same size.
class PageView : public QWidget {
public:
    explicit PageView(QWidget* parent) : QWidget(parent), points_(fittedPagePoints()) {}

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), kSilver);
        painter.setPen(palette().color(QPalette::Text));
        int top = 0;
        int lineHeight = 0;
        for (const HelpLine& line : helpPage()) {
            const QFont font = pageFont(points_, line.heading);
            const QFontMetrics metrics(font);
            top = line.y ? px(*line.y) : top + lineHeight;
            painter.setFont(font);
            painter.drawText(QPoint(px(line.x), top + metrics.ascent()), lineText(line));
            lineHeight = metrics.height();
        }
    }

private:
    double points_;
};

// The page's text as one, for a screen reader: the page is drawn, not made of labels.
QString pageText() {
    QStringList lines;
    for (const HelpLine& line : helpPage()) {
        lines << lineText(line).simplified();
    }
    return lines.join('\n');
}

// The bottom panel, with a separator line along its top edge.
class CommandPanel : public QWidget {
public:
    explicit CommandPanel(QWidget* parent) : QWidget(parent) { fillBackground(this, kSilver); }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, 0, width(), 0);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(0, 1, width(), 1);
    }
};

}  // namespace

FrmApropos::FrmApropos(QWidget* parent) : QDialog(parent, kDialogFlags), frame_(new QWidget(this)) {
    setObjectName("frmApropos");
    setWindowTitle("Cinquevole");
    nameControl(this, "Cinquevole, aide", "Règles du jeu et éléments de stratégie");
    setFont(uiFont(kControlPoints));
    setFixedSize(px(kClientWidth), px(kClientHeight));
    centreOnScreen(this);

    frame_->setObjectName("frmeApropos");
    frame_->setGeometry(pxRect(kFrame));
    nameControl(frame_, "Cadre de la page");
    auto* page = new PageView(frame_);
    page->setObjectName("pctAPropos");
    page->setGeometry(pxRect(kPage));
    nameControl(page, "Règles du jeu");
    page->setAccessibleDescription(pageText());

    auto* panel = new CommandPanel(this);
    panel->setObjectName("pctCommande");
    panel->setGeometry(pxRect(kPanel));
    nameControl(panel, "Commandes");
    auto* close = new QPushButton("Fermer", panel);
    close->setObjectName("cmdAproposAnnuler");
    close->setGeometry(pxRect(kCloseButton));
    nameControl(close, "Fermer", "Fermer l'aide");
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName("scrlAproposVertic");
    scrollBar_->setGeometry(pxRect(kScrollBar));
    nameControl(scrollBar_, "Défilement de la page");
    scrollBar_->setRange(HelpScroll::kMinimum, HelpScroll::kMaximum);
    scrollBar_->setSingleStep(HelpScroll::kSmallStep);
    scrollBar_->setPageStep(HelpScroll::kLargeStep);
    // The page moves up by the scroll bar's value, in twips.
    connect(scrollBar_, &QScrollBar::valueChanged, this,
            [this](int value) { frame_->move(px(kFrame.left), px(kFrame.top - value)); });

    // The wheel over the page turns as over the scroll bar.
    frame_->installEventFilter(this);
    // The page's keys work wherever the focus is in the window, without moving it; the page
    // scrolls only up and down.
    const std::pair<QKeySequence, QAbstractSlider::SliderAction> keys[] = {
        {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
        {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
        {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
    };
    for (const auto& [key, action] : keys) {
        connect(new QShortcut(key, this), &QShortcut::activated, scrollBar_,
                [this, action = action] { scrollBar_->triggerAction(action); });
    }
}

bool FrmApropos::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(scrollBar_, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace cinq::ui
